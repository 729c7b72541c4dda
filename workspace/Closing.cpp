#include "workspace/DocumentFiles.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextRules.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

void DocumentFiles::closeDocument()
{
    if (ws.tabCount() == 2)
        return;
    for (int i = 0; i < ws.documentCount(); ++i) {
        if (ws.doc(i).browserMode) {
            ws.dlg.message(QStringLiteral("プリビュアーが一つでもブラウザーに設定されているとタブは閉じることが出来ません。"));
            return;
        }
    }
    const int c = ws.selectedDocument();
    ws.setCurrentIndex(c);
    if (needsSaveQuestion(c) && !askSaveFirst(c))
        return;

    // The last document's source is put on show.
    ws.removeDocument(c);
    // The documents behind it move down one place with everything they hold; a moved document
    // counts as changed.
    for (int i = c; i < ws.documentCount(); ++i)
        ws.doc(i).modified = true;
}

bool DocumentFiles::needsSaveQuestion(int n) const
{
    const Document& d = ws.doc(n);
    return d.modified && !textrules::trimBlanks(d.sourceEditor->text()).isEmpty();
}

void DocumentFiles::clearAll()
{
    // While a lesson plays, its commands initialise without a question.
    if (!(clearsWithoutAsking && clearsWithoutAsking())) {
        for (int i = 0; i < ws.documentCount(); ++i) {
            if (!ws.sourceEditor(i)->text().isEmpty()) {
                if (ws.dlg.message(QStringLiteral("全て初期化していいですか？"), MsgButtons::YesNo) != MsgResult::Yes)
                    return;
                break;
            }
        }
    }
    ws.removeAllButFirst();
    Document& d = ws.doc(0);
    ws.nameDocument(0, d.folder, tempPageName(0));
    ws.tabStrip().setTabText(Workspace::previewTab(0), QString());
    d.sourceEditor->setText(QString());
    d.browserMode = false;
    ws.selectSourceTab(0);
    d.modified = false;
    d.regions.fill(QString());
    d.header.clear();
    d.footer.clear();
    Q_EMIT cleared();
}

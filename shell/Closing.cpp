#include "shell/FileCommands.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/VbString.h"
#include "shell/MainWindow.h"


void FileCommands::Fclose()
{
    if (w.TabCount() == 2)
        return;
    for (const auto& d : w.docs) {
        if (d->BrowserMode) {
            w.dlg.MsgBox(QStringLiteral("プリビュアーが一つでもブラウザーに設定されているとタブは閉じることが出来ません。"));
            return;
        }
    }
    const int c = (w.TabStrip1->SelectedIndex() - 1) / 2;
    w.CurDoc = c;
    Document& closing = w.doc(c);
    if (closing.Modified && !vb::Trim(closing.HtText->Text()).isEmpty() && !askSaveFirst())
        return;

    const int last = w.DocCount() - 1;
    // The slot of the last document keeps its folder for the next document added there.
    w.DataPathLeft[static_cast<size_t>(last)] = w.doc(last).DataPath;

    std::unique_ptr<Document> gone = std::move(w.docs[static_cast<size_t>(c)]);
    w.docs.erase(w.docs.begin() + c);
    w.tabs.disposeDocument(std::move(gone));
    // The documents behind it move down one place with everything they hold; a moved document
    // counts as changed.
    for (int i = c; i < w.DocCount(); ++i)
        w.doc(i).Modified = true;

    // Its two tabs go; the captions of the later ones move along.
    w.TabStrip1->Remove(2 * c + 2);
    w.TabStrip1->Remove(2 * c + 1);
    w.TabStrip1->Select(w.TabCount());
}

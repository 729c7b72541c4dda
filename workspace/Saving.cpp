#include "workspace/DocumentFiles.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/VbString.h"
#include "workspace/Workspace.h"
#include "workspace/PathHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString NotSaved = QStringLiteral("データーは保存されませんでした。");
const QString NotSavedAs = QStringLiteral("データｰは保存されませんでした");

} // namespace

QString DocumentFiles::savedText(int n) const
{
    QString text = ExpandRegions(ws.doc(n));
    if (!text.endsWith(CrLf))
        text += CrLf;
    return text;
}

bool DocumentFiles::writeDocument(int n, const QString& path, const QString& failureMessage)
{
    const TextWriteResult r = writeTextFile(path, savedText(n), ws.doc(n).encoding, isHtmlFileName(path));
    if (r.ok)
        return true;
    QString detail;
    if (!r.unencodable.isEmpty())
        detail = QStringLiteral("「") + r.unencodable + QStringLiteral("」は Shift_JIS で保存できない文字です。");
    else
        detail = QStringLiteral("フォルダーがあるか、書き込めるか、ほかのプログラムが使っていないかを確かめてください。");
    ws.dlg.MsgBox(failureMessage + CrLf + detail + CrLf + path);
    return false;
}

bool DocumentFiles::SaveFile()
{
    const int n = ws.CurDoc();
    Document& d = ws.doc(n);
    if (vb::Trim(d.FileName).isEmpty()) {
        const auto answer = ws.dlg.InputBox(QStringLiteral("ファイル名を入れてください。"));
        const QString name = answer ? vb::Trim(*answer) : QString();
        if (name.isEmpty())
            return false;
        d.FileName = name;
        if (vb::UCaseAscii(vb::Right(d.FileName, 5)) != QStringLiteral(".HTML"))
            d.FileName += QStringLiteral(".HTML");
    }
    // A document that was never named would be written under the name of its temporary page.
    if (isOwnTempPageName(GetFileName(d.FileName)))
        return SaveAs();
    d.FileName = GetFileName(d.FileName);
    if (!writeDocument(n, d.DataPath + QLatin1Char('/') + d.FileName, NotSaved))
        return false;
    ChangeDir(d.DataPath);
    d.Modified = false;
    return true;
}

bool DocumentFiles::SaveAs()
{
    return SaveAsDocument(ws.CurDoc());
}

bool DocumentFiles::SaveAsDocument(int n)
{
    Document& d = ws.doc(n);
    FileDialogRequest request;
    request.title = QStringLiteral("名前を付けて保存");
    request.filter = QStringLiteral("HTMLファイル (*.html)|*.html|&CSSファイル (*.css)|*.css|テキストファイル(*.txt)|*.txt|")
        + QStringLiteral("全てのファイル (*.*)|*.*|");
    request.fileName = GetFileName(d.FileName);
    request.directory = d.DataPath;
    const auto chosen = ws.dlg.ShowSave(request);
    if (!chosen) {
        ws.dlg.MsgBox(NotSavedAs);
        return false;
    }
    QString name = vb::Trim(*chosen);
    if (name.isEmpty())
        return false;
    const QString low = vb::LCaseAscii(name);
    if (vb::Right(low, 4) != QStringLiteral("html") && vb::Right(low, 3) != QStringLiteral("htm")
        && vb::Right(low, 3) != QStringLiteral("css"))
        name += QStringLiteral(".html");
    if (QFileInfo(name).isFile()
        && ws.dlg.MsgBox(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    // The document takes the new name only once it has been written there.
    if (!writeDocument(n, name, NotSavedAs))
        return false;
    ws.Unsaved = true;
    d.FileName = GetFileName(name);
    d.DataPath = GetFilePath(name);
    KillTempFiles(d.DataPath, name);
    ChangeDir(d.DataPath);
    d.Modified = false;
    ws.setSourceCaption(n, d.FileName);
    ws.SetStatusText(d.DataPath + QLatin1Char('/') + d.FileName);
    return true;
}

void DocumentFiles::KillTempFiles(const QString& folder, const QString& keep)
{
    ws.pages.deleteOwnPagesIn(folder, keep);
}

void DocumentFiles::SaveAllFiles()
{
    for (int i = 0; i < ws.DocCount(); ++i) {
        Document& d = ws.doc(i);
        if (!d.Modified)
            continue;
        if (isOwnTempPageName(GetFileName(d.FileName))) {
            if (!SaveAsDocument(i))
                return;
            continue;
        }
        d.FileName = GetFileName(d.FileName);
        const QString path = d.DataPath + QLatin1Char('/') + d.FileName;
        if (!writeDocument(i, path, NotSaved))
            return;
        ChangeDir(d.DataPath);
        d.Modified = false;
        if (!NoRecent)
            AddRecentFile(path);
    }
}

#include "workspace/DocumentFiles.h"

#include "platform/Dialogs.h"
#include "platform/FileMessages.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "workspace/Workspace.h"
#include "workspace/PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString NotSaved = QStringLiteral("データーは保存されませんでした。");
const QString NotSavedAs = QStringLiteral("データｰは保存されませんでした");

// What a document holds, by its file name.
enum class DocumentKind { Page, Stylesheet, Text };

DocumentKind kindOf(const QString& fileName)
{
    const QString low = textrules::asciiLower(textrules::trimBlanks(fileName));
    if (low.endsWith(QLatin1String(".css")))
        return DocumentKind::Stylesheet;
    if (low.endsWith(QLatin1String(".txt")))
        return DocumentKind::Text;
    return DocumentKind::Page;
}

// The save dialog's filter: the document's own kind first, every file last.
QString saveFilter(DocumentKind kind)
{
    const QString html = QStringLiteral("HTMLファイル (*.html)|*.html|");
    const QString css = QStringLiteral("&CSSファイル (*.css)|*.css|");
    const QString text = QStringLiteral("テキストファイル(*.txt)|*.txt|");
    const QString all = QStringLiteral("全てのファイル (*.*)|*.*|");
    switch (kind) {
    case DocumentKind::Stylesheet: return css + html + text + all;
    case DocumentKind::Text: return text + html + css + all;
    case DocumentKind::Page: break;
    }
    return html + css + text + all;
}

// The chosen name with the extension of the document's kind added, unless it ends in one that
// stays: html, htm and css always, txt for a text.
QString withExtension(const QString& name, DocumentKind kind)
{
    const QString low = textrules::asciiLower(name);
    if (low.endsWith(QStringLiteral("html")) || low.endsWith(QStringLiteral("htm"))
        || low.endsWith(QStringLiteral("css")))
        return name;
    switch (kind) {
    case DocumentKind::Stylesheet: return name + QStringLiteral(".css");
    case DocumentKind::Text:
        return low.endsWith(QStringLiteral(".txt")) ? name : name + QStringLiteral(".txt");
    case DocumentKind::Page: break;
    }
    return name + QStringLiteral(".html");
}

// The user's documents folder, or the home folder when there is none.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

bool isInside(const QString& folder, const QString& outer)
{
    const QString f = QDir::cleanPath(QDir(folder).absolutePath());
    const QString o = QDir::cleanPath(QDir(outer).absolutePath());
    return f == o || f.startsWith(o + QLatin1Char('/'));
}

} // namespace

QString DocumentFiles::savedText(int n) const
{
    QString text = expandedText(ws.doc(n));
    if (!text.endsWith(CrLf))
        text += CrLf;
    return text;
}

bool DocumentFiles::writeDocument(int n, const QString& path, const QString& failureMessage)
{
    const Document& d = ws.doc(n);
    const TextWriteResult r = writeTextFile(path, savedText(n), d.encoding, isHtmlFileName(path), d.lineEnds);
    if (r.ok) {
        ws.fileSavedByUser(path);
        Document& saved = ws.doc(n);
        saved.diskPath = path;
        saved.diskStamp = fileStampOf(path);
        return true;
    }
    QString detail;
    if (!r.unencodable.isEmpty())
        detail = QStringLiteral("「") + r.unencodable + QStringLiteral("」は ") + encodingDisplayName(d.encoding)
            + QStringLiteral(" で保存できない文字です。");
    else if (r.problem != FileProblem::None)
        detail = writeProblemDetail(r.problem);
    else
        detail = QStringLiteral("フォルダーがあるか、書き込めるか、ほかのプログラムが使っていないかを確かめてください。");
    ws.dlg.message(failureMessage + CrLf + detail + CrLf + path);
    return false;
}

bool DocumentFiles::mayOverwrite(int n, const QString& path)
{
    const Document& d = ws.doc(n);
    if (d.diskPath.isEmpty())
        return true;
    // A file that is gone, or another file than the one the document holds, is simply written.
    const FileStamp now = fileStampOf(path);
    if (!now.sameFileAs(fileStampOf(d.diskPath)) || now == d.diskStamp)
        return true;
    return ws.dlg.message(QStringLiteral("このファイルは、開いた後でほかのプログラムによって書き換えられています。上書きしますか？") + CrLf + path,
                         MsgButtons::YesNo)
        == MsgResult::Yes;
}

bool DocumentFiles::save()
{
    const int n = ws.currentIndex();
    Document& d = ws.doc(n);
    if (textrules::trimBlanks(d.fileName).isEmpty()) {
        const auto answer = ws.dlg.inputText(QStringLiteral("ファイル名を入れてください。"));
        const QString name = answer ? textrules::trimBlanks(*answer) : QString();
        if (name.isEmpty())
            return false;
        d.fileName = name;
        if (textrules::asciiUpper(d.fileName.right(5)) != QStringLiteral(".HTML"))
            d.fileName += QStringLiteral(".HTML");
    }
    // A document that was never named would be written under the name of its temporary page.
    if (isOwnTempPageName(fileNameOf(d.fileName)))
        return saveAs();
    d.fileName = fileNameOf(d.fileName);
    const QString path = d.folder + QLatin1Char('/') + d.fileName;
    if (!mayOverwrite(n, path) || !writeDocument(n, path, NotSaved))
        return false;
    setWorkingFolder(d.folder);
    d.modified = false;
    return true;
}

bool DocumentFiles::saveAs()
{
    return saveDocumentAs(ws.currentIndex());
}

bool DocumentFiles::saveDocumentAs(int n)
{
    Document& d = ws.doc(n);
    const DocumentKind kind = kindOf(d.fileName);
    FileDialogRequest request;
    request.title = QStringLiteral("名前を付けて保存");
    request.filter = saveFilter(kind);
    // A document that was never named is offered no temporary page's name, and no place in the
    // program's own folder.
    if (isOwnTempPageName(fileNameOf(d.fileName))) {
        const bool usersFolder = !d.folder.isEmpty() && !isInside(d.folder, ws.state.programFolder);
        request.directory = usersFolder ? d.folder : documentsFolder();
    } else {
        request.fileName = fileNameOf(d.fileName);
        request.directory = d.folder;
    }
    const auto chosen = ws.dlg.getSaveFileName(request);
    if (!chosen) {
        ws.dlg.message(NotSavedAs);
        return false;
    }
    QString name = textrules::trimBlanks(*chosen);
    if (name.isEmpty())
        return false;
    name = withExtension(name, kind);
    if (QFileInfo(name).isFile()
        && ws.dlg.message(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    // The document takes the new name only once it has been written there.
    if (!writeDocument(n, name, NotSavedAs))
        return false;
    ws.askBeforeQuitting = true;
    d.modified = false;
    ws.nameDocument(n, folderOf(name), fileNameOf(name));
    deleteTempPagesIn(d.folder, name);
    setWorkingFolder(d.folder);
    return true;
}

void DocumentFiles::deleteTempPagesIn(const QString& folder, const QString& keep)
{
    ws.pages.deleteOwnPagesIn(folder, keep);
}

void DocumentFiles::saveAll()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        Document& d = ws.doc(i);
        if (!d.modified)
            continue;
        if (isOwnTempPageName(fileNameOf(d.fileName))) {
            if (!saveDocumentAs(i))
                return;
            continue;
        }
        d.fileName = fileNameOf(d.fileName);
        const QString path = d.folder + QLatin1Char('/') + d.fileName;
        // A file another program changed stays as it is when the user says so; the others are
        // saved all the same.
        if (!mayOverwrite(i, path))
            continue;
        if (!writeDocument(i, path, NotSaved))
            return;
        setWorkingFolder(d.folder);
        d.modified = false;
        if (!skipRecentFiles)
            addRecentFile(path);
    }
}

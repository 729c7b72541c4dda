#include "workspace/DocumentFiles.h"

#include "platform/Dialogs.h"
#include "platform/FileMessages.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/SharedConstants.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SaveFailedBeforeOpen = QStringLiteral("ファイルが正常に書き込まれなかったためにファイルの読み込みを中断しました。")
    + CrLf + QStringLiteral("もう一度やり直して下さい。");

} // namespace

DocumentFiles::DocumentFiles(Workspace& workspace)
    : ws(workspace)
{
}

bool DocumentFiles::askSaveFirst()
{
    return askSaveFirst(ws.currentIndex());
}

bool DocumentFiles::askSaveFirst(int n)
{
    const MsgResult answer = ws.dlg.message(QStringLiteral("現在のファイルを保存しますか？"), MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::Yes && !saveDocumentAs(n)) {
        ws.dlg.message(SaveFailedBeforeOpen);
        return false;
    }
    return true;
}

bool DocumentFiles::readFile(const QString& folder, const QString& name)
{
    const int n = ws.currentIndex();
    const QString full = folder + QLatin1Char('/') + name;
    // Taken before reading: a change made while the file is read shows at the next save.
    const FileStamp stamp = fileStampOf(full);
    const Utf8ReadResult r = readTextFileAsUtf8(full);
    if (!r.ok) {
        // What is not a file to edit says so; a file that could not be read gets the old message.
        const bool refused = r.problem == FileProblem::Folder || r.problem == FileProblem::NotRegularFile
            || r.problem == FileProblem::TooLarge;
        ws.dlg.message(refused ? readProblemMessage(r.problem, full)
                              : QStringLiteral("データｰが読み込めませんでした。ファイルが存在していないか、ほかのプログラムによって")
                                    + QStringLiteral("オープンされていませんか?　データ-") + CrLf + full);
        return false;
    }
    Document& d = ws.doc(n);
    d.fileName = name;
    d.folder = folder;
    d.diskPath = full;
    d.diskStamp = stamp;
    d.encoding = r.encoding;
    // Mixed line ends are saved as CR LF, as the editor holds them.
    d.lineEnds = r.lineEnds == LineEnds::Lf ? LineEnds::Lf : LineEnds::CrLf;
    // Folded regions and a hidden header of the text that was there belong to it alone.
    d.regions.fill(QString());
    d.header.clear();
    d.footer.clear();
    RichEdit* ed = d.sourceEditor;
    // The text goes into the editor as UTF-8, in CR LF form with doubled carriage returns
    // cleaned out.
    const QByteArray text = editorForm(r.utf8);
    // When the editor holds exactly what the file says, its page can be made from the file's
    // bytes instead of encoding the text again.
    const QFileInfo read(full);
    lastRead_ = LastRead{&d, full, r.exactRoundTrip && text.constData() == r.utf8.constData(), read.size(),
                         read.lastModified()};
    ed->setTextUtf8(text);
    Q_EMIT ws.textLoaded(n);
    // The file is seen in its editor: the document's source is put on show, and the status bar
    // names the file.
    if (ws.tabStrip().currentIndex() != Workspace::sourceTab(n)) {
        ws.selectSourceTab(n);
    } else {
        ed->show();
        ws.refreshStatus();
    }
    setWorkingFolder(folder);
    d.modified = false;
    if (!r.exactRoundTrip)
        ws.dlg.message(inexactReadMessage(r.encoding, full));
    if (r.lineEnds == LineEnds::Mixed)
        ws.dlg.message(lineEndsNotice(r.lineEnds) + CrLf + full);
    return true;
}

void DocumentFiles::finishOpening()
{
    const int n = ws.currentIndex();
    Document& d = ws.doc(n);
    ws.state.settings.set(setting::LastFile, d.fileName);
    d.modified = false;
    ws.showDocumentName(n);
    const bool unchanged = lastRead_.document == &d && lastRead_.sameAsFile
        && lastRead_.path == filePathOf(d);
    if (unchanged)
        ws.pageFromFileWhenNeeded(n, lastRead_.path, lastRead_.size, lastRead_.modified);
    else
        ws.writePage(ws.tempPagePath(n), d.sourceEditor->text(), d.encoding);
    lastRead_ = {};
    Q_EMIT fileOpened(n);
}

bool DocumentFiles::showDocumentHolding(const QString& path)
{
    const int n = ws.documentHoldingFile(path);
    if (n < 0)
        return false;
    ws.selectSourceTab(n);
    return true;
}

void DocumentFiles::setWorkingFolder(const QString& path)
{
    if (QDir::setCurrent(path))
        return;
    const QString home = QDir::homePath();
    if (ws.dlg.message(QStringLiteral("ファイルのパスが設定できません　") + home + QStringLiteral("に書き込みますか？"),
                      MsgButtons::YesNo)
        == MsgResult::Yes)
        QDir::setCurrent(home);
}

void DocumentFiles::loadRecentFiles()
{
    for (int i = 0; i < setting::RecentFileCount; ++i)
        recentFiles[i] = ws.state.settings.recentFile(i);
    Q_EMIT recentFilesChanged();
}

void DocumentFiles::addRecentFile(const QString& path)
{
    for (const QString& entry : recentFiles) {
        if (entry == path)
            return;
    }
    for (int i = setting::RecentFileCount - 2; i >= 0; --i)
        recentFiles[i + 1] = recentFiles[i];
    recentFiles[0] = path;
    for (int i = 0; i < setting::RecentFileCount; ++i) {
        if (!recentFiles[i].isEmpty())
            ws.state.settings.setRecentFile(i, recentFiles[i]);
    }
    if (!ws.state.ini.writeFile(ws.state.iniPath()))
        ws.dlg.message(QStringLiteral("設定ファイルが書き込めませんでした。最近使ったファイルの一覧は保存されません。") + CrLf
                      + ws.state.iniPath());
    Q_EMIT recentFilesChanged();
}

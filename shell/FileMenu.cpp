#include "shell/FileMenu.h"

#include "autocreate/AutoCreateMenu.h"
#include "editor/Colouring.h"
#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/VbString.h"
#include "shell/Projects.h"
#include "workspace/DocumentFiles.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <Qsci/qsciprinter.h>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

const QString Menu = QStringLiteral("mfile");
constexpr int FirstRecentItem = 20;

} // namespace

FileMenu::FileMenu(Workspace& workspace, DocumentFiles& documentFiles, Projects& projectCommands,
                   AutoCreateMenu& autoCreateMenu, Colouring& colouring, CommandRegistry& commandRegistry)
    : ws(workspace)
    , files(documentFiles)
    , projects(projectCommands)
    , autoCreate(autoCreateMenu)
    , colour(colouring)
    , commands(commandRegistry)
{
    QObject::connect(&files, &DocumentFiles::recentFilesChanged, &files, [this] { RebuildRecentItems(); });
}

void FileMenu::declareMenu()
{
    std::vector<CommandItem> items = {
        {0, QStringLiteral("現在のタブにファイルを開く(&O)")},
        {1, QStringLiteral("プロジェクトを開く")},
        {2, QStringLiteral("-")},
        {3, QStringLiteral("新しいタブを挿入(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N)},
        {4, QStringLiteral("新しいタブを挿入してファイルを開く")},
        {5, QStringLiteral("-")},
        {6, QStringLiteral("ファイル名の変更")},
        {7, QStringLiteral("-")},
        {8, QStringLiteral("上書き保存(&S)")},
        {9, QStringLiteral("名前を付けて保存(&A)...")},
        {10, QStringLiteral("全てのファイルの保存")},
        {11, QStringLiteral("プロジェクトの保存")},
        {12, QStringLiteral("-")},
        {13, QStringLiteral("全て初期化")},
        {14, QStringLiteral("-")},
        {15, QStringLiteral("テンプレートの保存")},
        {16, QStringLiteral("テンプレートの呼び出し")},
        {17, QStringLiteral("-")},
        {18, QStringLiteral("印刷(&P)...")},
        {19, QStringLiteral("-")},
    };
    // The rename and template panels come with their own commands.
    for (int i : {6, 15, 16})
        items[static_cast<size_t>(i)].enabled = false;
    commands.define(Menu, items);
    RebuildRecentItems();
}

void FileMenu::RebuildRecentItems()
{
    for (int index : commands.indexes(Menu)) {
        if (index >= FirstRecentItem)
            commands.remove(Menu, index);
    }
    int index = FirstRecentItem;
    bool any = false;
    for (int i = 0; i < 6; ++i) {
        if (files.recentFiles[i].isEmpty())
            continue;
        commands.add(Menu, {index++, QString::number(i) + QLatin1Char(':') + fileNameOf(files.recentFiles[i]), {},
                            [this, i] { OpenRecent(i); }});
        any = true;
    }
    if (any)
        commands.add(Menu, {index++, QStringLiteral("-")});
    commands.add(Menu, {index, QStringLiteral("終了"), {}, [this] { Pend(); }});
}

void FileMenu::mfile_Click(int index)
{
    if (!commands.has(Menu, index))
        return;
    const auto blank = [this] { return vb::Trim(ws.currentEditor()->Text()).isEmpty(); };
    switch (index) {
    case 0: OpenFileCmd(); break;
    case 1: projects.OpenProject(QString()); break;
    case 3: ws.addDocument(); break;
    case 4: OpenFileInNewTab(); break;
    case 8:
        if (!blank())
            files.save();
        break;
    case 9: files.saveAs(); break;
    case 10: files.saveAll(); break;
    case 11: projects.SaveProject(); break;
    case 13: files.clearAll(); break;
    case 18:
        if (!blank())
            PrintText();
        break;
    default:
        // The recent files and the exit item behind the fixed ones.
        if (index >= FirstRecentItem)
            commands.invoke(Menu, index);
        break;
    }
}

void FileMenu::Pend()
{
    if (closeWindow)
        closeWindow();
}

void FileMenu::OpenFileInNewTab()
{
    const int shownTab = ws.tabStrip().SelectedIndex();
    if (!ws.addDocument())
        return;
    if (OpenFileCmd())
        return;
    // Cancelled, refused or unreadable: the window is as it was before.
    ws.removeDocument(ws.currentIndex());
    ws.tabStrip().Select(shownTab);
}

bool FileMenu::OpenFileCmd()
{
    const int n = ws.currentIndex();
    // Only changes that are not on disk are asked about.
    if (ws.hasUnsavedChanges(n) && !files.askSaveFirst())
        return false;

    FileDialogRequest request;
    request.title = QStringLiteral("開く");
    request.filter = QStringLiteral("HTML(*.html;*.css;*.htm;*.txt)|*.html;*.css;*.htm;*.txt|(*.*)|*.*");
    const QString lastFile = ws.state.settings.get(setting::LastFile);
    if (!lastFile.isEmpty() && QFileInfo::exists(lastFile))
        request.fileName = lastFile;
    request.directory = QDir::currentPath();
    const auto chosen = ws.dlg.ShowOpen(request);
    if (!chosen || chosen->isEmpty())
        return false; // cancelled: the document stays as it was

    const QString path = *chosen;
    const QString name = fileNameOf(path);
    const bool textFile = vb::LCaseAscii(vb::Right(name, 3)) == QStringLiteral("txt") && autoCreate.AutoRun.value();
    if (textFile && ws.tabCount() != 2) {
        ws.dlg.MsgBox(QStringLiteral("メニューの") + Quote + QStringLiteral("自動作成自動実行") + Quote
                          + QStringLiteral("がONの場合で") + CrLf
                          + QStringLiteral("テキストファイルを読み込む場合は、開いているテキストのタブは") + CrLf
                          + QStringLiteral("一つでなければなりません。") + CrLf + QStringLiteral("読み込む以外のタブは閉じてください｡"),
                      MsgButtons::OK, QStringLiteral("開いているタブの数が多すぎます。"), MsgIcon::Critical);
        return false;
    }
    ws.state.lastPath = path;
    if (!files.readFile(folderOf(path), name))
        return false;
    ws.askBeforeQuitting = false;
    files.finishOpening();
    Document& d = ws.doc(n);
    files.addRecentFile(d.folder + QLatin1Char('/') + d.fileName);
    return true;
}

void FileMenu::OpenPath(const QString& path)
{
    if (vb::Right(path, 4) == QStringLiteral(".tur")) {
        projects.OpenProject(path);
        return;
    }
    if (ws.hasUnsavedChanges(ws.currentIndex()) && !files.askSaveFirst())
        return;
    QString folder = folderOf(path);
    if (folder.isEmpty())
        folder = QDir::currentPath();
    if (!files.readFile(folder, fileNameOf(path)))
        return;
    ws.askBeforeQuitting = false;
    files.finishOpening();
}

void FileMenu::OpenRecent(int i)
{
    if (i < 0 || i > 5 || files.recentFiles[i].isEmpty())
        return;
    const QString path = files.recentFiles[i];
    if (vb::Right(path, 3) == QStringLiteral("tur")) {
        projects.OpenProject(path);
        return;
    }
    // A document that holds text is never replaced: the file goes into a new tab.
    if (!ws.currentEditor()->Text().isEmpty() && !ws.addDocument())
        return;
    if (!files.readFile(folderOf(path), fileNameOf(path)))
        return;
    ws.showDocumentName(ws.currentIndex());
    ws.askBeforeQuitting = false;
}

void FileMenu::OpenCommandLineFile(const QString& path)
{
    QString folder = folderOf(path);
    if (folder.isEmpty())
        folder = ws.state.programFolder;
    if (!files.readFile(folder, fileNameOf(path)))
        return;
    files.finishOpening();
}

void FileMenu::PrintText()
{
    RichEdit* ed = ws.currentEditor();
    QsciPrinter printer(QPrinter::HighResolution);
    PrinterRequest request;
    request.title = QStringLiteral("印刷");
    request.selectionOption = ed->SelLength() != 0;
    if (!ws.dlg.ShowPrinter(printer, request))
        return;
    printer.setMagnification(0);
    if (request.selectionOption && static_cast<QPrinter&>(printer).printRange() == QPrinter::Selection) {
        // Only the selected text, coloured as the document is.
        RichEdit part;
        part.SetEditorFont(ed->EditorFont());
        part.SetText(ed->SelText());
        colour.recolour(&part);
        part.PrintAll(printer);
    } else {
        ed->PrintAll(printer);
    }
}

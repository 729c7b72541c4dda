#include "shell/FileMenu.h"

#include "autocreate/AutoCreateMenu.h"
#include "editor/Colouring.h"
#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextRules.h"
#include "shell/Projects.h"
#include "shell/ShellMenus.h"
#include "workspace/DocumentFiles.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <Qsci/qsciprinter.h>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

using namespace file_menu;

namespace {

CommandItem fileItem(int index, const QString& caption, std::function<void()> handler, CommandId id,
                 const QKeySequence& shortcut = {})
{
    CommandItem i{index, caption, shortcut, std::move(handler)};
    i.id = id;
    return i;
}

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
    QObject::connect(&files, &DocumentFiles::recentFilesChanged, &files, [this] { rebuildRecentItems(); });
}

void FileMenu::declareMenu()
{
    commands.addMenuBarMenu(Menu, QStringLiteral("ﾌｧｲﾙ(&F)"));
    const auto blank = [this] { return textrules::trimBlanks(ws.currentEditor()->text()).isEmpty(); };
    // The rename and template panels come with their own commands and enable them.
    std::vector<CommandItem> items = {
        fileItem(0, QStringLiteral("現在のタブにファイルを開く(&O)"), [this] { openFile(); }, OpenInCurrentTab),
        fileItem(1, QStringLiteral("プロジェクトを開く"), [this] { projects.openProject(QString()); }, OpenProject),
        {2, QStringLiteral("-")},
        fileItem(3, QStringLiteral("新しいタブを挿入(&N)"), [this] { ws.addDocument(); }, NewTab, QKeySequence(Qt::CTRL | Qt::Key_N)),
        fileItem(4, QStringLiteral("新しいタブを挿入してファイルを開く"), [this] { openFileInNewTab(); }, OpenInNewTab),
        {5, QStringLiteral("-")},
        fileItem(6, QStringLiteral("ファイル名の変更"), {}, RenameFile),
        {7, QStringLiteral("-")},
        fileItem(8, QStringLiteral("上書き保存(&S)"), [this, blank] { if (!blank()) files.save(); }, Save),
        fileItem(9, QStringLiteral("名前を付けて保存(&A)..."), [this] { files.saveAs(); }, SaveAs),
        fileItem(10, QStringLiteral("全てのファイルの保存"), [this] { files.saveAll(); }, SaveAll),
        fileItem(11, QStringLiteral("プロジェクトの保存"), [this] { projects.saveProject(); }, SaveProject),
        {12, QStringLiteral("-")},
        fileItem(13, QStringLiteral("全て初期化"), [this] { files.clearAll(); }, ClearAll),
        {14, QStringLiteral("-")},
        fileItem(15, QStringLiteral("テンプレートの保存"), {}, SaveTemplate),
        fileItem(16, QStringLiteral("テンプレートの呼び出し"), {}, InsertTemplate),
        {17, QStringLiteral("-")},
        fileItem(18, QStringLiteral("印刷(&P)..."), [this, blank] { if (!blank()) printText(); }, Print),
        {19, QStringLiteral("-")},
    };
    for (size_t i : {6, 15, 16})
        items[i].enabled = false;
    commands.define(Menu, items);
    rebuildRecentItems();
}

void FileMenu::rebuildRecentItems()
{
    for (int index : commands.indexes(Menu)) {
        if (index >= FirstRecentRow)
            commands.remove(Menu, index);
    }
    int index = FirstRecentRow;
    bool any = false;
    for (int i = 0; i < 6; ++i) {
        if (files.recentFiles[i].isEmpty())
            continue;
        commands.add(Menu, {index++, QString::number(i) + QLatin1Char(':') + fileNameOf(files.recentFiles[i]), {},
                            [this, i] { openRecent(i); }});
        any = true;
    }
    if (any)
        commands.add(Menu, {index++, QStringLiteral("-")});
    commands.add(Menu, fileItem(index, QStringLiteral("終了"), [this] { quit(); }, Quit));
}

void FileMenu::quit()
{
    if (closeWindow)
        closeWindow();
}

void FileMenu::openFileInNewTab()
{
    const int shownTab = ws.tabStrip().currentIndex();
    if (!ws.addDocument())
        return;
    const int added = ws.currentIndex();
    QString alreadyOpen;
    if (openFile(&alreadyOpen))
        return;
    // Cancelled, refused, unreadable or open already: the new tab goes again, and the window
    // shows what it showed, or the document that holds the file.
    ws.removeDocument(added);
    if (alreadyOpen.isEmpty() || !files.showDocumentHolding(alreadyOpen))
        ws.tabStrip().setCurrentIndex(shownTab);
}

bool FileMenu::openFile(QString* alreadyOpen)
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
    const auto chosen = ws.dlg.getOpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return false; // cancelled: the document stays as it was

    const QString path = *chosen;
    if (const int holder = ws.documentHoldingFile(path); holder >= 0) {
        // Shown where it is open; a new tab made for it is the caller's to take back.
        if (alreadyOpen)
            *alreadyOpen = path;
        else
            ws.selectSourceTab(holder);
        return false;
    }
    const QString name = fileNameOf(path);
    const bool textFile = textrules::asciiLower(name.right(3)) == QStringLiteral("txt") && autoCreate.autoRun.value();
    if (textFile && ws.tabCount() != 2) {
        ws.dlg.message(QStringLiteral("メニューの") + Quote + QStringLiteral("自動作成自動実行") + Quote
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

void FileMenu::openPath(const QString& path)
{
    if (path.endsWith(QStringLiteral(".tur"))) {
        projects.openProject(path);
        return;
    }
    if (files.showDocumentHolding(path))
        return;
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

void FileMenu::openRecent(int i)
{
    if (i < 0 || i > 5 || files.recentFiles[i].isEmpty())
        return;
    const QString path = files.recentFiles[i];
    if (path.endsWith(QStringLiteral("tur"))) {
        projects.openProject(path);
        return;
    }
    if (files.showDocumentHolding(path))
        return;
    // A document that holds text is never replaced: the file goes into a new tab.
    if (!ws.currentEditor()->text().isEmpty() && !ws.addDocument())
        return;
    if (!files.readFile(folderOf(path), fileNameOf(path)))
        return;
    ws.showDocumentName(ws.currentIndex());
    ws.askBeforeQuitting = false;
}

void FileMenu::openCommandLineFile(const QString& path)
{
    QString folder = folderOf(path);
    if (folder.isEmpty())
        folder = ws.state.programFolder;
    if (!files.readFile(folder, fileNameOf(path)))
        return;
    files.finishOpening();
}

void FileMenu::printText()
{
    RichEdit* ed = ws.currentEditor();
    QsciPrinter printer(QPrinter::HighResolution);
    PrinterRequest request;
    request.title = QStringLiteral("印刷");
    request.selectionOption = ed->selectionLength() != 0;
    if (!ws.dlg.setUpPrinter(printer, request))
        return;
    printer.setMagnification(0);
    if (request.selectionOption && static_cast<QPrinter&>(printer).printRange() == QPrinter::Selection) {
        // Only the selected text, coloured as the document is.
        RichEdit part;
        part.setEditorFont(ed->editorFont());
        part.setText(ed->selectedText());
        colour.recolour(&part);
        part.printAll(printer);
    } else {
        ed->printAll(printer);
    }
}

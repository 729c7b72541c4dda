#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "support/AppFixture.h"
#include "shell/ShellMenus.h"
#include "workspace/PathHelpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

class FilesTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        web = temp.path() + QStringLiteral("/web");
        QDir().mkpath(web);
    }
    QString copyFixture(const QString& name)
    {
        const QString target = web + QLatin1Char('/') + name;
        QFile::copy(QStringLiteral(PELMOR_FIXTURES "/") + name, target);
        return target;
    }
    RichEdit* ed() { return w().ws.currentEditor(); }
    QStringList fileMenu()
    {
        QStringList captions;
        for (QAction* a : w().commands.menu(file_menu::Menu)->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return captions;
    }
    QString web;
};

TEST_F(FilesTest, OpeningAndSavingAnUnchangedFileGivesBackItsBytes)
{
    start();
    for (const QString& name : {QStringLiteral("sjis.html"), QStringLiteral("utf8.html")}) {
        const QString file = copyFixture(name);
        const QByteArray before = readFile(file);
        // The document holds the last file unchanged: nothing to save first.
        dialogs.expectOpen(file);
        w().fileMenu.openFile();
        EXPECT_EQ(w().ws.doc(0).fileName, name);
        EXPECT_EQ(w().ws.doc(0).folder, web);
        EXPECT_FALSE(w().ws.doc(0).modified);
        EXPECT_EQ(w().ws.tabStrip().tabText(1), name);
        EXPECT_EQ(w().files.recentFiles[0], file);
        EXPECT_EQ(QDir::currentPath(), web);
        // The page the preview shows holds the file as it is, followed by a line break.
        EXPECT_EQ(readFile(w().ws.tempPagePath(0)), before + "\r\n") << name.toStdString();
        ASSERT_TRUE(w().files.save());
        EXPECT_EQ(readFile(file), before) << name.toStdString();
    }
    // The temporary page was written on opening, and the recent list has both files.
    EXPECT_TRUE(QFile::exists(web + QStringLiteral("/$$$000.html")));
    EXPECT_EQ(fileMenu().mid(fileMenu().size() - 4),
              (QStringList{QStringLiteral("0:utf8.html"), QStringLiteral("1:sjis.html"), QStringLiteral("-"), QStringLiteral("終了")}));
}

TEST_F(FilesTest, ANameWithABackslashOpensAndSaves)
{
    start();
    // A backslash is an ordinary character of a file name here.
    const QString file = web + QStringLiteral("/a\\b.html");
    writeFile(file, QByteArray("<P>back\\slash</P>\r\n"));
    dialogs.expectOpen(file);
    w().fileMenu.openFile();
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("a\\b.html"));
    EXPECT_EQ(w().ws.doc(0).folder, web);
    ed()->setSelectionStart(0);
    ed()->replaceSelection(QStringLiteral("x"));
    ASSERT_TRUE(w().files.save());
    EXPECT_EQ(readFile(file), QByteArray("x<P>back\\slash</P>\r\n"));
    EXPECT_EQ(QDir(web).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(QStringLiteral("b.html")),
              QStringList{QStringLiteral("a\\b.html")});
}

TEST_F(FilesTest, ANewDocumentIsSavedInCodePage932WithFoldedAndHiddenPartsBack)
{
    start();
    const QString page = QStringLiteral("<HTML><BODY>\r\n<P>日本語</P>\r\n<P>two</P>\r\n</BODY></HTML>");
    ed()->setText(page);
    w().regions.hideHeaderAndFooter();
    ed()->select(0, 12);
    w().regions.foldSelection();
    const QString target = web + QStringLiteral("/new.html");
    // A document that still has its temporary name goes through save as.
    dialogs.expectSave(target);
    ASSERT_TRUE(w().files.save());
    EXPECT_EQ(readFile(target), QByteArray("<HTML><BODY>\r\n<P>\x93\xfa\x96\x7b\x8c\xea</P>\r\n<P>two</P>\r\n</BODY></HTML>\r\n"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("new.html"));
    EXPECT_EQ(w().ws.tabStrip().tabText(1), QStringLiteral("new.html"));
    EXPECT_TRUE(w().ws.askBeforeQuitting);
    // Saving again does not add another line break.
    ASSERT_TRUE(w().files.save());
    EXPECT_TRUE(readFile(target).endsWith("</HTML>\r\n"));
    EXPECT_FALSE(readFile(target).endsWith("\r\n\r\n"));
}

TEST_F(FilesTest, SaveAsNamesAndTheOverwriteQuestion)
{
    start();
    ed()->setText(QStringLiteral("<P>x</P>"));
    struct Case {
        QString chosen;
        QString written;
    } cases[] = {
        {QStringLiteral("notes.txt"), QStringLiteral("notes.txt.html")},
        {QStringLiteral("Style.CSS"), QStringLiteral("Style.CSS")},
        {QStringLiteral("index.htm"), QStringLiteral("index.htm")},
        {QStringLiteral("a-very-long-name"), QStringLiteral("a-very-long-name.html")},
    };
    for (const auto& c : cases) {
        dialogs.expectSave(web + QLatin1Char('/') + c.chosen);
        ASSERT_TRUE(w().files.saveAs());
        EXPECT_TRUE(QFile::exists(web + QLatin1Char('/') + c.written)) << c.written.toStdString();
        EXPECT_EQ(w().ws.tabStrip().tabText(1), c.written);
    }
    // No to the overwrite question writes nothing and keeps the document's name.
    const QString other = web + QStringLiteral("/other.html");
    writeFile(other, "keep me");
    dialogs.expectSave(other);
    dialogs.expectMsg(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgResult::No);
    EXPECT_FALSE(w().files.saveAs());
    EXPECT_EQ(readFile(other), QByteArray("keep me"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("a-very-long-name.html"));
    // Cancel says it was not saved.
    dialogs.expectSave(std::nullopt);
    dialogs.expectMsg(QStringLiteral("データｰは保存されませんでした"));
    EXPECT_FALSE(w().files.saveAs());
}

TEST_F(FilesTest, PlainSaveWithoutANameAsksForOne)
{
    start();
    ed()->setText(QStringLiteral("text"));
    w().ws.doc(0).fileName.clear();
    w().ws.doc(0).folder = web;
    dialogs.expectInput(QStringLiteral("ファイル名を入れてください。"), QStringLiteral(""));
    EXPECT_FALSE(w().files.save()); // an empty answer cancels
    EXPECT_TRUE(QDir(web).entryList(QDir::Files).isEmpty());
    dialogs.expectInput(QStringLiteral("ファイル名を入れてください。"), QStringLiteral(" page "));
    EXPECT_TRUE(w().files.save());
    EXPECT_TRUE(QFile::exists(web + QStringLiteral("/page.HTML")));
}

TEST_F(FilesTest, AFailedSaveLeavesTheOldFileWhole)
{
    start();
    const QString target = web + QStringLiteral("/big.html");
    writeFile(target, "old contents\r\n");
    w().ws.doc(0).fileName = QStringLiteral("big.html");
    w().ws.doc(0).folder = web;
    ed()->setText(QString(200000, QLatin1Char('x')));
    // Files may not grow past 64 KiB while saving: the write stops half-way.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    dialogs.expectMsg(QStringLiteral("データーは保存されませんでした。"));
    const bool saved = w().files.save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(target), QByteArray("old contents\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);

    // A folder that is gone.
    w().ws.doc(0).folder = temp.path() + QStringLiteral("/gone");
    dialogs.expectMsg(QStringLiteral("データーは保存されませんでした。"));
    EXPECT_FALSE(w().files.save());
}

TEST_F(FilesTest, AFailedOrRefusedOpenChangesNothing)
{
    start();
    ed()->setText(QStringLiteral("my text"));
    w().ws.doc(0).fileName = QStringLiteral("mine.html");
    w().ws.doc(0).folder = web;
    // Cancel in the dialog.
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(std::nullopt);
    w().fileMenu.openFile();
    // A file that is not there.
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(web + QStringLiteral("/missing.html"));
    dialogs.expectMsg(QStringLiteral("データｰが読み込めませんでした。"));
    w().fileMenu.openFile();
    // A text file while the automatic run is on and two documents are open.
    writeFile(web + QStringLiteral("/plain.txt"), "text");
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.tabStrip().setCurrentIndex(1);
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(web + QStringLiteral("/plain.txt"));
    dialogs.expectMsg(QStringLiteral("開いているタブの数が多すぎます。"));
    w().fileMenu.openFile();
    EXPECT_EQ(ed()->text(), QStringLiteral("my text"));
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("mine.html"));
    EXPECT_EQ(w().ws.doc(0).folder, web);
}

TEST_F(FilesTest, DroppedFilesAndRecentItems)
{
    start();
    const QString sjis = copyFixture(QStringLiteral("sjis.html"));
    const QString utf8 = copyFixture(QStringLiteral("utf8.html"));
    w().ws.sourceEditor(0)->filesDropped({sjis, utf8}); // only the first is opened
    EXPECT_EQ(w().ws.doc(0).fileName, QStringLiteral("sjis.html"));
    EXPECT_TRUE(ed()->text().contains(QStringLiteral("こんにちは")));
    EXPECT_EQ(w().ws.documentCount(), 1);

    // A recent item opens in a new tab when the current one holds text.
    w().state.ini.setValue(QString(), QString(), QStringLiteral("RemFile0"), utf8);
    w().files.loadRecentFiles();
    ASSERT_EQ(fileMenu().last(2).first(), QStringLiteral("-"));
    w().fileMenu.openRecent(0);
    ASSERT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_EQ(w().ws.doc(1).fileName, QStringLiteral("utf8.html"));
    EXPECT_EQ(w().ws.doc(1).encoding, TextEncoding::Utf8);
    EXPECT_EQ(w().ws.tabStrip().tabText(3), QStringLiteral("utf8.html"));

    // Opening the same path twice keeps the list; a seventh path drops the oldest.
    for (int i = 0; i < 7; ++i)
        w().files.addRecentFile(web + QStringLiteral("/f%1.html").arg(i));
    w().files.addRecentFile(web + QStringLiteral("/f6.html"));
    EXPECT_EQ(w().files.recentFiles[0], web + QStringLiteral("/f6.html"));
    EXPECT_EQ(w().files.recentFiles[5], web + QStringLiteral("/f1.html"));
    // The menu always names the files of the current list.
    EXPECT_EQ(fileMenu().at(20), QStringLiteral("0:f6.html"));
    EXPECT_TRUE(readFile(path(QStringLiteral("Pelmor.ini"))).contains("RemFile0," + web.toUtf8() + "/f6.html\r\n"));
}

TEST_F(FilesTest, ClosingAMiddleDocumentMovesTheLaterOnesDown)
{
    start();
    for (int i = 1; i < 5; ++i)
        ASSERT_TRUE(w().ws.addDocument());
    for (int i = 0; i < 5; ++i) {
        w().ws.sourceEditor(i)->setText(QStringLiteral("text %1").arg(i));
        w().ws.doc(i).fileName = QStringLiteral("doc%1.html").arg(i);
        w().ws.doc(i).folder = web + QString::number(i);
        QDir().mkpath(w().ws.doc(i).folder);
        w().ws.doc(i).regions[1] = QStringLiteral("region %1").arg(i);
        w().ws.doc(i).modified = false;
        w().ws.tabStrip().setTabText(2 * i + 1, QStringLiteral("doc%1.ht").arg(i));
    }
    w().ws.tabStrip().setCurrentIndex(5); // document 2's source tab
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    w().ws.doc(2).modified = true;
    w().files.closeDocument();
    ASSERT_EQ(w().ws.documentCount(), 4);
    ASSERT_EQ(w().ws.tabCount(), 8);
    const int expected[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        const int was = expected[i];
        EXPECT_EQ(w().ws.sourceEditor(i)->text(), QStringLiteral("text %1").arg(was));
        EXPECT_EQ(w().ws.doc(i).fileName, QStringLiteral("doc%1.html").arg(was));
        EXPECT_EQ(w().ws.doc(i).folder, web + QString::number(was));
        EXPECT_EQ(w().ws.doc(i).regions[1], QStringLiteral("region %1").arg(was));
        EXPECT_EQ(w().ws.tabStrip().tabText(2 * i + 1), QStringLiteral("doc%1.ht").arg(was));
        EXPECT_TRUE(w().ws.tabStrip().tabText(2 * i + 2).isEmpty());
        EXPECT_EQ(w().ws.doc(i).modified, i >= 2); // a moved document counts as changed
    }
    // The last document's source is on show.
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 7);

    // The slot left free keeps the folder of the document that was last there; a new document
    // there starts with no regions, header or footer.
    ASSERT_TRUE(w().ws.addDocument());
    EXPECT_EQ(w().ws.doc(4).folder, web + QStringLiteral("4"));
    EXPECT_TRUE(w().ws.doc(4).regions[1].isEmpty());
    EXPECT_TRUE(w().ws.doc(4).header.isEmpty());
}

TEST_F(FilesTest, ClosingIsRefusedOrAskedAsTheDocumentsNeed)
{
    start();
    w().files.closeDocument(); // one document: nothing happens
    EXPECT_EQ(w().ws.documentCount(), 1);
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.sourceEditor(1)->setText(QStringLiteral("   ")); // modified, but only blanks: no question
    w().files.closeDocument();
    EXPECT_EQ(w().ws.documentCount(), 1);

    ASSERT_TRUE(w().ws.addDocument());
    w().ws.doc(0).browserMode = true;
    dialogs.expectMsg(QStringLiteral("プリビュアーが一つでもブラウザーに設定されているとタブは閉じることが出来ません。"));
    w().files.closeDocument();
    EXPECT_EQ(w().ws.documentCount(), 2);
    w().ws.doc(0).browserMode = false;

    w().ws.sourceEditor(1)->setText(QStringLiteral("text"));
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::Cancel);
    w().files.closeDocument();
    EXPECT_EQ(w().ws.documentCount(), 2);
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::Yes);
    dialogs.expectSave(std::nullopt);
    dialogs.expectMsg(QStringLiteral("データｰは保存されませんでした"));
    dialogs.expectMsg(QStringLiteral("ファイルが正常に書き込まれなかったためにファイルの読み込みを中断しました。"));
    w().files.closeDocument();
    EXPECT_EQ(w().ws.documentCount(), 2);
}

TEST_F(FilesTest, FileMenuSaveAndPrintNeedText)
{
    start();
    ed()->setText(QStringLiteral("   "));
    w().commands.invoke(file_menu::Save);
    w().commands.invoke(file_menu::Print);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FilesTest, SaveAllWritesOnlyModifiedDocumentsIntoTheirOwnFolders)
{
    start();
    ASSERT_TRUE(w().ws.addDocument());
    ASSERT_TRUE(w().ws.addDocument());
    const QString other = temp.path() + QStringLiteral("/other");
    QDir().mkpath(other);
    const QString folders[] = {web, other, web};
    for (int i = 0; i < 3; ++i) {
        w().ws.sourceEditor(i)->setText(QStringLiteral("doc %1").arg(i));
        w().ws.doc(i).fileName = QStringLiteral("d%1.html").arg(i);
        w().ws.doc(i).folder = folders[i];
    }
    w().ws.doc(2).modified = false;
    w().files.saveAll();
    EXPECT_EQ(readFile(web + QStringLiteral("/d0.html")), QByteArray("doc 0\r\n"));
    EXPECT_EQ(readFile(other + QStringLiteral("/d1.html")), QByteArray("doc 1\r\n"));
    EXPECT_FALSE(QFile::exists(web + QStringLiteral("/d2.html")));
    EXPECT_EQ(w().files.recentFiles[0], other + QStringLiteral("/d1.html"));
    EXPECT_EQ(w().files.recentFiles[1], web + QStringLiteral("/d0.html"));
}

TEST_F(FilesTest, PrintingGoesToTheChosenPrinter)
{
    start();
    ed()->setText(QStringLiteral("<P>Printed page text</P>\r\n<P>Second line</P>"));
    const QString pdf = temp.path() + QStringLiteral("/out.pdf");
    dialogs.expectPrinter(pdf);
    w().fileMenu.printText();
    ASSERT_FALSE(dialogs.printerRequests().back().selectionOption);
    auto textOf = [](const QString& file) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    EXPECT_TRUE(textOf(pdf).contains(QStringLiteral("Printed page text")));
    EXPECT_TRUE(textOf(pdf).contains(QStringLiteral("Second line")));

    // With a selection the dialog offers it, and only the selection is printed.
    ed()->select(3, 12);
    const QString part = temp.path() + QStringLiteral("/part.pdf");
    dialogs.expectPrinter(part);
    w().fileMenu.printText();
    EXPECT_TRUE(dialogs.printerRequests().back().selectionOption);
    EXPECT_TRUE(textOf(part).contains(QStringLiteral("Printed page")));
    EXPECT_FALSE(textOf(part).contains(QStringLiteral("Second line")));
    EXPECT_EQ(dialogs.printerRequests().back().title, QStringLiteral("印刷"));
}

namespace {

// While it lives, the home folder is `home` and the user's folders are its standard ones.
class HomeFolder {
public:
    explicit HomeFolder(const QString& home)
        : oldHome_(qgetenv("HOME"))
        , oldConfig_(qgetenv("XDG_CONFIG_HOME"))
        , hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~HomeFolder()
    {
        qputenv("HOME", oldHome_);
        if (hadConfig_)
            qputenv("XDG_CONFIG_HOME", oldConfig_);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

private:
    QByteArray oldHome_;
    QByteArray oldConfig_;
    bool hadConfig_;
};

} // namespace

TEST_F(FilesTest, SaveAsProposesARealNameNeverATemporaryPagesOne)
{
    start();
    const QString home = temp.path() + QStringLiteral("/home");
    QDir().mkpath(home);
    HomeFolder homeFolder(home);
    const auto proposal = [this] {
        dialogs.expectSave(std::nullopt);
        dialogs.expectMsg(QStringLiteral("データｰは保存されませんでした"));
        EXPECT_FALSE(w().files.saveAs());
        const FileDialogRequest& r = dialogs.fileRequests().back();
        return std::pair{r.fileName, r.directory};
    };
    // A new document in the program folder: an empty name in the user's documents folder, or
    // in the home folder while there is none.
    ed()->setText(QStringLiteral("<P>new</P>"));
    ASSERT_TRUE(isOwnTempPageName(w().ws.current().fileName));
    ASSERT_EQ(w().ws.current().folder, programFolder);
    EXPECT_EQ(proposal(), std::pair(QString(), home));
    QDir().mkpath(home + QStringLiteral("/Documents"));
    EXPECT_EQ(proposal(), std::pair(QString(), home + QStringLiteral("/Documents")));

    // A document with a name of its own: that name in its folder.
    const QString page = web + QStringLiteral("/index.html");
    writeFile(page, "<P>index</P>\r\n");
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(page);
    w().fileMenu.openFile();
    EXPECT_EQ(proposal(), std::pair(QStringLiteral("index.html"), web));

    // A new document beside the user's files: an empty name in that folder.
    ASSERT_TRUE(w().ws.addDocument());
    ASSERT_EQ(w().ws.current().folder, web);
    EXPECT_EQ(proposal(), std::pair(QString(), web));
}

TEST_F(FilesTest, AFileTheUserSavedUnderAPagesNameIsTheUsersToKeep)
{
    start();
    ed()->setText(QStringLiteral("<P>mine</P>"));
    w().ws.writeCurrentTempPage();
    const QString page = path(QStringLiteral("$$$000.html"));
    ASSERT_TRUE(QFile::exists(page));
    // The user types the page's very name.
    dialogs.expectSave(page);
    dialogs.expectMsg(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？"), MsgResult::Yes);
    ASSERT_TRUE(w().files.saveAs());
    EXPECT_EQ(readFile(page), QByteArray("<P>mine</P>\r\n"));

    // The preview's page goes elsewhere from now on, and the end of the run takes only that.
    ed()->setText(QStringLiteral("<P>changed</P>"));
    w().ws.writeCurrentTempPage();
    const QString newPage = w().ws.tempPagePath(0);
    EXPECT_NE(newPage, page);
    EXPECT_EQ(readFile(newPage), QByteArray("<P>changed</P>\r\n"));
    EXPECT_EQ(readFile(page), QByteArray("<P>mine</P>\r\n"));
    // A save as of another document into the same folder deletes the run's pages there, not it.
    ASSERT_TRUE(w().ws.addDocument());
    ed()->setText(QStringLiteral("<P>other</P>"));
    dialogs.expectSave(path(QStringLiteral("other.html")));
    ASSERT_TRUE(w().files.saveAs());
    EXPECT_EQ(readFile(page), QByteArray("<P>mine</P>\r\n"));

    dialogs.expectMsg(QStringLiteral("保存されていないデータｰが有ります、終了しますか?"), MsgResult::Yes);
    dialogs.expectMsg(QStringLiteral(" 1番目のファイルが保存されていません"), MsgResult::Yes);
    ASSERT_TRUE(quit());
    EXPECT_EQ(readFile(page), QByteArray("<P>mine</P>\r\n"));
    EXPECT_FALSE(QFile::exists(newPage));
}

TEST_F(FilesTest, SaveAsOffersTheDocumentsOwnKindFirst)
{
    start();
    const QString html = QStringLiteral("HTMLファイル (*.html)|*.html|");
    const QString css = QStringLiteral("&CSSファイル (*.css)|*.css|");
    const QString text = QStringLiteral("テキストファイル(*.txt)|*.txt|");
    const QString all = QStringLiteral("全てのファイル (*.*)|*.*|");
    struct Case {
        QString document; // the document's file name
        QString filter;
        QString chosen;   // the name typed in the dialog
        QString written;
    } cases[] = {
        {QStringLiteral("page.html"), html + css + text + all, QStringLiteral("plain"), QStringLiteral("plain.html")},
        {QStringLiteral("page.html"), html + css + text + all, QStringLiteral("notes.txt"), QStringLiteral("notes.txt.html")},
        {QStringLiteral("style.css"), css + html + text + all, QStringLiteral("main"), QStringLiteral("main.css")},
        {QStringLiteral("style.css"), css + html + text + all, QStringLiteral("Other.CSS"), QStringLiteral("Other.CSS")},
        {QStringLiteral("memo.txt"), text + html + css + all, QStringLiteral("memo2"), QStringLiteral("memo2.txt")},
        {QStringLiteral("memo.txt"), text + html + css + all, QStringLiteral("memo3.txt"), QStringLiteral("memo3.txt")},
        {QStringLiteral("memo.txt"), text + html + css + all, QStringLiteral("memo.html"), QStringLiteral("memo.html")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        Document& d = w().ws.current();
        d.fileName = c.document;
        d.folder = web;
        ed()->setText(QStringLiteral("text"));
        dialogs.expectSave(web + QLatin1Char('/') + c.chosen);
        ASSERT_TRUE(w().files.saveAs());
        EXPECT_EQ(dialogs.fileRequests().back().filter, c.filter);
        EXPECT_EQ(d.fileName, c.written);
        EXPECT_TRUE(QFile::exists(web + QLatin1Char('/') + c.written));
    }
}

TEST_F(FilesTest, ARefusedOpenIntoANewTabLeavesTheWindowAsItWas)
{
    start();
    ASSERT_TRUE(w().autoCreate.autoRun.value());
    ed()->setText(QStringLiteral("my text"));
    const QString memo = web + QStringLiteral("/memo.txt");
    writeFile(memo, "a text\r\n");
    for (int tab : {1, 2}) {
        SCOPED_TRACE(tab);
        w().ws.tabStrip().setCurrentIndex(tab);
        // 新しいタブを挿入してファイルを開く with a text file while the automatic run is on.
        dialogs.expectOpen(memo);
        dialogs.expectMsg(QStringLiteral("開いているタブの数が多すぎます。"));
        w().commands.invoke(file_menu::OpenInNewTab);
        EXPECT_EQ(w().ws.documentCount(), 1);
        EXPECT_EQ(w().ws.tabCount(), 2);
        EXPECT_EQ(w().ws.tabStrip().currentIndex(), tab);
        EXPECT_EQ(w().ws.currentIndex(), 0);
        EXPECT_EQ(ed()->text(), QStringLiteral("my text"));
        // Cancelling the dialog too.
        dialogs.expectOpen(std::nullopt);
        w().commands.invoke(file_menu::OpenInNewTab);
        EXPECT_EQ(w().ws.documentCount(), 1);
        EXPECT_EQ(w().ws.tabStrip().currentIndex(), tab);
    }
    // An open that succeeds keeps its new tab.
    const QString page = web + QStringLiteral("/page.html");
    writeFile(page, "<P>page</P>\r\n");
    dialogs.expectOpen(page);
    w().commands.invoke(file_menu::OpenInNewTab);
    ASSERT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.doc(1).fileName, QStringLiteral("page.html"));
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 3);
}

TEST_F(FilesTest, QuittingAsksOnlyWhileChangesAreNotOnDisk)
{
    start();
    ed()->setText(QStringLiteral("<P>page</P>"));
    dialogs.expectSave(web + QStringLiteral("/page.html"));
    ASSERT_TRUE(w().files.saveAs());
    // Changed again and saved again: nothing is unsaved, nothing is asked.
    ed()->setText(QStringLiteral("<P>page 2</P>"));
    ASSERT_TRUE(w().files.save());
    EXPECT_TRUE(quit());
    EXPECT_TRUE(dialogs.shown().filter(QStringLiteral("終了しますか")).isEmpty()) << dialogs.shown().join('|').toStdString();
}

TEST_F(FilesTest, OpeningIntoTheCurrentTabAsksOnlyWhenThereIsSomethingToSave)
{
    start();
    const QString a = web + QStringLiteral("/a.html");
    const QString b = web + QStringLiteral("/b.html");
    writeFile(a, "<P>a</P>\r\n");
    writeFile(b, "<P>b</P>\r\n");
    // A document just read from its file, and one holding nothing but blanks, have nothing to lose.
    dialogs.expectOpen(a);
    w().commands.invoke(file_menu::OpenInCurrentTab);
    dialogs.expectOpen(b);
    w().commands.invoke(file_menu::OpenInCurrentTab);
    EXPECT_EQ(w().ws.current().fileName, QStringLiteral("b.html"));
    ed()->setText(QStringLiteral("   "));
    dialogs.expectOpen(a);
    w().commands.invoke(file_menu::OpenInCurrentTab);
    EXPECT_EQ(w().ws.current().fileName, QStringLiteral("a.html"));
    EXPECT_TRUE(dialogs.shown().filter(QStringLiteral("保存しますか")).isEmpty());
    // Changed text is asked about.
    ed()->setText(QStringLiteral("<P>changed</P>"));
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(b);
    w().commands.invoke(file_menu::OpenInCurrentTab);
    EXPECT_EQ(w().ws.current().fileName, QStringLiteral("b.html"));
}

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "shell/ShellMenus.h"
#include "support/AppFixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

// A file is open in one document only, and a save does not silently write over what another
// program wrote into the file.
class OneDocumentPerFileTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        site = temp.path() + QStringLiteral("/site");
        QDir().mkpath(site);
        twice = site + QStringLiteral("/twice.html");
        writeFile(twice, "<P>on disk</P>\r\n");
        // The same folder by another name.
        ASSERT_TRUE(QFile::link(site, temp.path() + QStringLiteral("/link")));
    }

    // The window holds twice.html in document 0, edited and not saved, and a second document
    // with text of its own that is current.
    void openTwiceAndAnother()
    {
        start();
        dialogs.expectOpen(twice);
        ASSERT_TRUE(w().fileMenu.openFile());
        RichEdit* first = w().ws.sourceEditor(0);
        first->setSelectionStart(0);
        first->replaceSelection(QStringLiteral("edited "));
        ASSERT_TRUE(w().ws.addDocument());
        w().ws.sourceEditor(1)->setText(QStringLiteral("mine"));
        w().ws.doc(1).modified = false;
        ASSERT_EQ(w().ws.tabStrip().currentIndex(), 3);
    }

    // What the window must show after the file was opened again by whatever way.
    void expectShownWhereItIsOpen()
    {
        EXPECT_EQ(w().ws.documentCount(), 2);
        EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
        EXPECT_EQ(w().ws.currentIndex(), 0);
        EXPECT_TRUE(w().ws.sourceEditor(0)->isVisible());
        // Nothing read again: the edit is still there, and the other document is as it was.
        EXPECT_EQ(w().ws.sourceEditor(0)->text(), QStringLiteral("edited <P>on disk</P>\r\n"));
        EXPECT_TRUE(w().ws.doc(0).modified);
        EXPECT_EQ(w().ws.sourceEditor(1)->text(), QStringLiteral("mine"));
        EXPECT_EQ(w().ws.doc(1).fileName, QStringLiteral("$$$001.html"));
        EXPECT_EQ(w().ws.tabStrip().tabText(1), QStringLiteral("twice.html"));
        EXPECT_EQ(w().ws.tabStrip().tabText(3), QStringLiteral("$$$001.html"));
        EXPECT_FALSE(QFile::exists(site + QStringLiteral("/$$$002.html")));
        EXPECT_EQ(dialogs.pending(), 0);
    }

    // Another program writes the file: other bytes of the same size and a later time.
    void writeFromOutside(const QString& path, const QByteArray& bytes)
    {
        writeFile(path, bytes);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    }

    QString site;
    QString twice;
};

TEST_F(OneDocumentPerFileTest, EveryWayOfOpeningShowsTheDocumentThatHoldsTheFile)
{
    struct Way {
        const char* what;
        std::function<void(const QString&)> open;
    };
    const Way ways[] = {
        {"into the current tab",
         [this](const QString& path) {
             dialogs.expectOpen(path);
             w().commands.invoke(file_menu::OpenInCurrentTab);
         }},
        {"into a new tab",
         [this](const QString& path) {
             dialogs.expectOpen(path);
             w().commands.invoke(file_menu::OpenInNewTab);
         }},
        {"a recent-files entry",
         [this](const QString& path) {
             w().files.recentFiles[0] = path;
             w().fileMenu.openRecent(0);
         }},
        {"a drop on the editor",
         [this](const QString& path) { w().ws.sourceEditor(1)->filesDropped({path}); }},
    };
    const QString paths[] = {
        twice,
        temp.path() + QStringLiteral("/link/twice.html"),
        site + QStringLiteral("/../site//twice.html"),
    };
    for (const Way& way : ways) {
        for (const QString& path : paths) {
            SCOPED_TRACE(std::string(way.what) + " with " + path.toStdString());
            openTwiceAndAnother();
            way.open(path);
            expectShownWhereItIsOpen();
            stop();
            dialogs.clear();
            // The run ended without its clean-up: its pages would be offered back at the next.
            for (const QString& folder : {site, programFolder}) {
                for (const QString& name : QDir(folder).entryList({QStringLiteral("$$$*")}, QDir::Files))
                    QFile::remove(folder + QLatin1Char('/') + name);
            }
        }
    }
}

TEST_F(OneDocumentPerFileTest, AProjectOpensEachFileOnceAndLeavesOpenOnesAsTheyAre)
{
    const QString other = site + QStringLiteral("/other.html");
    writeFile(other, "<P>other</P>\r\n");
    const QString project = site + QStringLiteral("/p.tur");
    // The open file first, by another name, then a new one, then the open one and the new one
    // again.
    writeFile(project, (temp.path() + QStringLiteral("/link/twice.html\r\n") + other + QStringLiteral("\r\n") + twice
                        + QStringLiteral("\r\n") + site + QStringLiteral("/./other.html\r\n"))
                           .toUtf8());
    openTwiceAndAnother();
    w().projects.openProject(project);
    ASSERT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), QStringLiteral("edited <P>on disk</P>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);
    // The document that held none of the project's files takes the new one.
    EXPECT_EQ(w().ws.doc(1).fileName, QStringLiteral("other.html"));
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), QStringLiteral("<P>other</P>\r\n"));
    EXPECT_EQ(w().ws.tabStrip().tabText(3), QStringLiteral("other.html"));
    EXPECT_EQ(dialogs.pending(), 0);

    // Opened again, nothing is read and nothing is added.
    w().ws.sourceEditor(1)->setText(QStringLiteral("changed"));
    w().projects.openProject(project);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), QStringLiteral("changed"));
    EXPECT_EQ(dialogs.pending(), 0);
}

TEST_F(OneDocumentPerFileTest, SavingAsksBeforeWritingOverWhatAnotherProgramWrote)
{
    start();
    const QString page = site + QStringLiteral("/page.html");
    writeFile(page, "<P>AAAA</P>\r\n");
    dialogs.expectOpen(page);
    ASSERT_TRUE(w().fileMenu.openFile());
    writeFromOutside(page, "<P>BBBB</P>\r\n");
    RichEdit* ed = w().ws.currentEditor();
    ed->setSelectionStart(0);
    ed->replaceSelection(QStringLiteral("x"));

    // No keeps both: the other program's text on disk, the document's changes in the window.
    dialogs.expectMsg(QStringLiteral("ほかのプログラムによって書き換えられています。上書きしますか？"), MsgResult::No);
    EXPECT_FALSE(w().files.save());
    EXPECT_EQ(readFile(page), QByteArray("<P>BBBB</P>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);
    EXPECT_EQ(ed->text(), QStringLiteral("x<P>AAAA</P>\r\n"));
    // Saving all asks the same.
    dialogs.expectMsg(QStringLiteral("上書きしますか？"), MsgResult::No);
    w().commands.invoke(file_menu::SaveAll);
    EXPECT_EQ(readFile(page), QByteArray("<P>BBBB</P>\r\n"));
    EXPECT_TRUE(w().ws.doc(0).modified);

    // Yes writes the document; the next save, of a file the document itself wrote, asks nothing.
    dialogs.expectMsg(QStringLiteral("上書きしますか？"), MsgResult::Yes);
    EXPECT_TRUE(w().files.save());
    EXPECT_EQ(readFile(page), QByteArray("x<P>AAAA</P>\r\n"));
    EXPECT_FALSE(w().ws.doc(0).modified);
    ed->replaceSelection(QStringLiteral("y"));
    EXPECT_TRUE(w().files.save());
    EXPECT_EQ(dialogs.pending(), 0);

    // A file deleted in the meantime is simply written.
    ASSERT_TRUE(QFile::remove(page));
    ed->replaceSelection(QStringLiteral("z"));
    EXPECT_TRUE(w().files.save());
    EXPECT_EQ(readFile(page), QByteArray("xyz<P>AAAA</P>\r\n"));
    EXPECT_EQ(dialogs.pending(), 0);
}

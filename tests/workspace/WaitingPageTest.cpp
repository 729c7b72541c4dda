// Opening a file writes no temporary page: the document is the file, so the page is made from the
// file's bytes only when something needs it, and from the text once the text or the file changes.
#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

class WaitingPageTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        data = temp.path() + QStringLiteral("/data");
        QDir().mkpath(data);
        writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
        file = data + QStringLiteral("/page.html");
        // Code page 932, CR LF: the editor holds exactly what the file says.
        writeFile(file, Bytes);
    }
    QStringList pagesAndLocks() const
    {
        return QDir(data).entryList({QStringLiteral("$$$*"), QStringLiteral(".pelmor-*")}, QDir::Files | QDir::Hidden);
    }
    QString page() const { return data + QStringLiteral("/$$$000.html"); }

    static inline const QByteArray Bytes = QByteArray("<P>\x93\xfa\x96\x7b\x8c\xea</P>\r\n<P>two</P>");
    QString data;
    QString file;
};

TEST_F(WaitingPageTest, TheFilesBytesMakeThePageWhenItIsFirstNeeded)
{
    MainWindow& win = start(file);
    EXPECT_EQ(win.ws.currentEditor()->text(), QStringLiteral("<P>日本語</P>\r\n<P>two</P>"));
    EXPECT_FALSE(win.ws.doc(0).modified);
    EXPECT_EQ(pagesAndLocks(), QStringList()) << "no page and no lock of the run yet";
    EXPECT_TRUE(win.state.settings.get(setting::PageFolders).isEmpty()) << "no folder to search after a crash";

    // The preview writes the page (as a click on its tab does) from the file's bytes.
    win.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(page()), Bytes + "\r\n");
    EXPECT_TRUE(win.ws.pages.owns(page()));
    EXPECT_FALSE(win.state.settings.get(setting::PageFolders).isEmpty());

    // Asking for the page's name is enough, too.
    MainWindow& again = start(file);
    const QString asked = again.ws.tempPagePath(0);
    EXPECT_EQ(readFile(asked), Bytes + "\r\n");
}

TEST_F(WaitingPageTest, AChangedTextOrFileGetsThePageFromTheText)
{
    MainWindow& win = start(file);
    win.ws.currentEditor()->setSelectionStart(0);
    win.ws.currentEditor()->replaceSelection(QStringLiteral("<H1>new</H1>"));
    win.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(win.ws.tempPagePath(0)), QByteArray("<H1>new</H1><P>\x93\xfa\x96\x7b\x8c\xea</P>\r\n<P>two</P>\r\n"));

    // The file changes on the disk after it was read: the page shows what the editor holds.
    MainWindow& again = start(file);
    ASSERT_EQ(again.ws.currentEditor()->text(), QStringLiteral("<P>日本語</P>\r\n<P>two</P>"));
    writeFile(file, "<P>changed elsewhere</P>");
    again.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(again.ws.tempPagePath(0)), Bytes + "\r\n");
    writeFile(file, Bytes);

    // A document saved under another name is no longer that file.
    MainWindow& third = start(file);
    third.ws.doc(0).fileName = QStringLiteral("other.html");
    writeFile(file, "<P>changed elsewhere</P>");
    EXPECT_EQ(readFile(third.ws.tempPagePath(0)), Bytes + "\r\n");
}

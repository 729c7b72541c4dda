#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class TempPagesTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        data = temp.path() + QStringLiteral("/data");
        QDir().mkpath(data);
        writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
    }
    QString page(int n) const { return data + QStringLiteral("/$$$%1.html").arg(n, 3, 10, QLatin1Char('0')); }
    // The delayed page writing has run for every document typed into.
    bool waitUntilWritten(MainWindow& win)
    {
        return QTest::qWaitFor([&] { return QFile::exists(page(0)) && QFile::exists(win.ws.tempPagePath(1)); }, 60000);
    }
    // Types into an editor at a steady pace, a key every twentieth of a second, far quicker than
    // the page's delay, until done() holds; false when it still does not after a minute.
    bool typeUntil(RichEdit* ed, const std::function<bool()>& done)
    {
        QElapsedTimer typing;
        typing.start();
        while (!done()) {
            if (typing.elapsed() > 60000)
                return false;
            const char key = static_cast<char>('a' + typed.size() % 26);
            QTest::keyClick(ed, key);
            typed += QLatin1Char(key);
            QTest::qWait(50); // the user's pace
        }
        return true;
    }
    QString data;
    QString typed;
};

TEST_F(TempPagesTest, ALinkOrAFileOfSomeoneElsesIsNeverWrittenThrough)
{
    writeFile(temp.path() + QStringLiteral("/precious.html"), "keep me");
    ASSERT_TRUE(QFile::link(temp.path() + QStringLiteral("/precious.html"), page(0)));
    writeFile(page(1), "not the program's");
    // A file named on the command line: the leftovers are not offered, so they stay someone else's.
    writeFile(data + QStringLiteral("/a.html"), "<P>a</P>\r\n");
    MainWindow& win = start(data + QStringLiteral("/a.html"));
    win.ws.sourceEditor(0)->setText(QStringLiteral("<P>typed</P>"));
    win.ws.writeCurrentTempPage();
    EXPECT_EQ(readFile(temp.path() + QStringLiteral("/precious.html")), QByteArray("keep me"));
    EXPECT_EQ(readFile(page(1)), QByteArray("not the program's"));
    EXPECT_EQ(win.ws.tempPagePath(0), page(2)) << "the next free name";
    EXPECT_EQ(readFile(page(2)), QByteArray("<P>typed</P>\r\n"));
    stop();
    EXPECT_TRUE(QFileInfo(page(0)).isSymLink());
}

TEST_F(TempPagesTest, TheLeftoversOfARunningInstanceAreNeitherOfferedNorDeleted)
{
    // Another instance, still running, holds its lock and lists its page.
    QLockFile other(data + QStringLiteral("/.pelmor-4242.lock"));
    ASSERT_TRUE(other.tryLock(0));
    writeFile(page(0), "<P>the other run's</P>\r\n");
    writeFile(data + QStringLiteral("/.pelmor-4242.pages"), (page(0) + QStringLiteral("\r\n")).toUtf8());
    start(); // no restore question
    ASSERT_TRUE(quit());
    EXPECT_EQ(readFile(page(0)), QByteArray("<P>the other run's</P>\r\n"));

    // Once that instance is gone, its page is a leftover like any other.
    other.unlock();
    ASSERT_TRUE(QFile::exists(page(0)));
    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています"), MsgResult::No);
    start();
    ASSERT_TRUE(quit());
    EXPECT_FALSE(QFile::exists(page(0)));
}

TEST_F(TempPagesTest, APageFollowsTypingAndAStopWithoutQuittingLeavesItToRestore)
{
    const QString elsewhere = temp.path() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    writeFile(elsewhere + QStringLiteral("/b.html"), "<P>b</P>\r\n");
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    QTest::keyClicks(ed, QStringLiteral("first"));
    // A second document in another folder.
    ASSERT_TRUE(win.ws.addDocument());
    win.ws.setCurrentIndex(1);
    ASSERT_TRUE(win.files.readFile(elsewhere, QStringLiteral("b.html")));
    win.ws.sourceEditor(1)->setFocus();
    QTest::keyClicks(win.ws.sourceEditor(1), QStringLiteral("second"));
    EXPECT_FALSE(QFile::exists(page(0))) << "not on the keystroke";
    ASSERT_TRUE(waitUntilWritten(win));
    const QString secondPage = win.ws.tempPagePath(1);
    EXPECT_TRUE(secondPage.startsWith(elsewhere));
    EXPECT_EQ(readFile(page(0)), QByteArray("first\r\n"));
    // The run ends without its end: as a crash would.
    stop();
    ASSERT_TRUE(QFile::exists(secondPage));

    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgResult::Yes);
    MainWindow& again = start();
    ASSERT_EQ(again.ws.documentCount(), 2);
    EXPECT_EQ(again.ws.sourceEditor(0)->text(), QStringLiteral("first\r\n"));
    EXPECT_TRUE(again.ws.sourceEditor(1)->text().startsWith(QStringLiteral("second")));
    EXPECT_EQ(again.ws.doc(1).folder, elsewhere);
}

TEST_F(TempPagesTest, APageFollowsTheFirstChangeWhileTheTypingGoesOn)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    const auto onDisk = [&] { return QString::fromLatin1(readFile(page(0))); };
    // The first key starts the delay and the keys after it leave it running: the page comes
    // while the typing goes on, holding what was typed up to a moment between two keys.
    ASSERT_TRUE(typeUntil(ed, [&] { return QFile::exists(page(0)); })) << "no page while typing";
    const QString first = onDisk();
    ASSERT_TRUE(first.endsWith(QStringLiteral("\r\n")));
    EXPECT_FALSE(first.chopped(2).isEmpty());
    EXPECT_TRUE(typed.startsWith(first.chopped(2))) << first.toStdString();
    // The next key after the write starts the delay again.
    ASSERT_TRUE(typeUntil(ed, [&] { return onDisk() != first; })) << "no second page while typing";
    const QString second = onDisk();
    EXPECT_GT(second.size(), first.size());
    EXPECT_TRUE(typed.startsWith(second.chopped(2))) << second.toStdString();
}

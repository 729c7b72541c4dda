#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

// The real program in a process of its own on a virtual display, typed into and killed.
class CrashRecoveryTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool, which scripts/setup.sh installs";
        data = temp.path() + QStringLiteral("/data");
        QDir().mkpath(data);
        writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
    }

    void TearDown() override
    {
        for (QProcess* p : {&program, &display}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(30000);
            }
        }
        AppFixture::TearDown();
    }

    // Starts a virtual display of our own; its number, or an empty text.
    QString startDisplay()
    {
        display.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                               QStringLiteral("tcp")});
        if (!display.waitForStarted(30000))
            return QString();
        QByteArray number;
        while (!number.contains('\n') && display.waitForReadyRead(60000))
            number += display.readAllStandardOutput();
        return QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }

    // Starts the program on its own display and clicks into the first document's editor.
    void startProgram()
    {
        const QString screen = startDisplay();
        ASSERT_FALSE(screen.isEmpty()) << "the virtual display did not start";
        // The program's folder is the folder of its executable when it holds resource/.
        const QString exe = path(QStringLiteral("pelmor"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PELMOR_EXECUTABLE), exe));
        env.insert(QStringLiteral("DISPLAY"), screen);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(programFolder);
        program.start(exe, {});
        ASSERT_TRUE(program.waitForStarted(30000));
        // xdotool gives up when a window it looks at goes away meanwhile, as windows do while a
        // program starts: asked again until the window is there.
        QString window;
        QElapsedTimer searching;
        searching.start();
        while (window.isEmpty() && program.state() == QProcess::Running && searching.elapsed() < 60000)
            window = tool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--pid"),
                           QString::number(program.processId()), QStringLiteral("--name"), QStringLiteral("HTML")})
                         .section(QLatin1Char('\n'), 0, 0);
        ASSERT_FALSE(window.isEmpty()) << "the main window did not appear; xdotool: " << toolErrors.toStdString()
                                       << "; the program " << (program.state() == QProcess::Running ? "runs" : "ended")
                                       << ": " << program.readAllStandardError().toStdString();
        tool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        // Into the middle of the window, where the editor is.
        tool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("400"), QStringLiteral("300"),
              QStringLiteral("click"), QStringLiteral("1")});
    }

    QString tool(const QStringList& arguments)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xdotool"), arguments);
        p.waitForFinished(60000);
        toolErrors = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    }
    void type(const QString& text, int delayMs = 20)
    {
        tool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(delayMs), text});
    }

    void kill()
    {
        program.kill();
        ASSERT_TRUE(program.waitForFinished(30000));
    }

    QString page(int n) const { return data + QStringLiteral("/$$$%1.html").arg(n, 3, 10, QLatin1Char('0')); }

    QString data;
    QString toolErrors;
    QProcess display;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST_F(CrashRecoveryTest, TwoDocumentsTypedIntoAreOfferedBackAfterTheProgramIsKilled)
{
    ASSERT_NO_FATAL_FAILURE(startProgram());
    type(QStringLiteral("first page"));
    tool({QStringLiteral("key"), QStringLiteral("ctrl+n")});
    // The first editor gives the focus to the new document's and writes its page on the way.
    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(page(0)) == "first page\r\n"; }, 60000));
    type(QStringLiteral("second page"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(page(1)).startsWith("second page"); }, 60000));
    ASSERT_NO_FATAL_FAILURE(kill());

    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgResult::Yes);
    MainWindow& again = start();
    ASSERT_EQ(again.ws.documentCount(), 2);
    EXPECT_EQ(again.ws.sourceEditor(0)->text(), QStringLiteral("first page\r\n"));
    EXPECT_EQ(again.ws.sourceEditor(1)->text(), QStringLiteral("second page\r\n"));
}

TEST_F(CrashRecoveryTest, AKillWhileTheUserKeepsTypingLosesOnlyTheLastMoments)
{
    ASSERT_NO_FATAL_FAILURE(startProgram());
    // A user typing at about ten keys a second for six and a half seconds, never pausing: one
    // word after another, each noted with the moment it had gone to the display.
    struct Typed {
        qint64 at;
        qsizetype length;
    };
    std::vector<Typed> words;
    QString typed;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 6500) {
        const QString word = QStringLiteral("w%1 ").arg(words.size() + 1, 2, 10, QLatin1Char('0'));
        type(word, 160);
        typed += word;
        words.push_back({clock.elapsed(), typed.size()});
    }
    const qint64 killedAt = clock.elapsed();
    ASSERT_NO_FATAL_FAILURE(kill());

    // The page holds everything typed until about the delay before the kill: the delay, and a
    // second for the display and the program to pass each key on.
    const qint64 dueBy = killedAt - Workspace::PageDelayMs - 1000;
    qsizetype due = 0;
    for (const Typed& w : words) {
        if (w.at <= dueBy)
            due = w.length;
    }
    ASSERT_GT(due, 0) << "the typing was too short to tell";
    const QString onDisk = QString::fromLatin1(readFile(page(0)));
    ASSERT_TRUE(onDisk.endsWith(QStringLiteral("\r\n"))) << onDisk.toStdString();
    const QString text = onDisk.chopped(2);
    EXPECT_TRUE(typed.startsWith(text)) << text.toStdString();
    EXPECT_GE(text.size(), due) << "on disk: \"" << text.toStdString() << "\", typed: \"" << typed.toStdString()
                                << "\", killed " << killedAt << " ms after the typing began";
}

#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

// The real program in a process of its own on a virtual display, typed into and killed.
class CrashRecoveryTest : public AppFixture {
protected:
    void TearDown() override
    {
        for (QProcess* p : {&program, &display}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
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
        if (!display.waitForStarted(5000))
            return QString();
        QByteArray number;
        while (!number.contains('\n') && display.waitForReadyRead(10000))
            number += display.readAllStandardOutput();
        return QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }

    QString tool(const QStringList& arguments, int timeoutMs = 20000)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xdotool"), arguments);
        p.waitForFinished(timeoutMs);
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    }

    QProcess display;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST_F(CrashRecoveryTest, TwoDocumentsTypedIntoAreOfferedBackAfterTheProgramIsKilled)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "needs Xvfb and xdotool, which scripts/setup.sh installs";
    const QString screen = startDisplay();
    ASSERT_FALSE(screen.isEmpty()) << "the virtual display did not start";
    const QString data = temp.path() + QStringLiteral("/data");
    QDir().mkpath(data);
    writeFile(path(QStringLiteral("Pelmor.ini")), "DataPath," + data.toUtf8() + "\r\n");
    // The program's folder is the folder of its executable when it holds resource/.
    const QString exe = path(QStringLiteral("pelmor"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELMOR_EXECUTABLE), exe));

    env.insert(QStringLiteral("DISPLAY"), screen);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(programFolder);
    program.start(exe, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString window = tool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--pid"),
                                 QString::number(program.processId()), QStringLiteral("--name"), QStringLiteral("HTML")})
                               .section(QLatin1Char('\n'), 0, 0);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
    tool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    // Into the middle of the window, where the editor is.
    tool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("400"), QStringLiteral("300"),
          QStringLiteral("click"), QStringLiteral("1")});
    tool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("first page")});
    tool({QStringLiteral("key"), QStringLiteral("ctrl+n")});
    QTest::qWait(500);
    tool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("second page")});
    // The pages follow once typing has stopped for a while.
    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(data + QStringLiteral("/$$$001.html")).startsWith("second page"); }, 8000));
    program.kill();
    ASSERT_TRUE(program.waitForFinished(5000));

    dialogs.expectMsg(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgResult::Yes);
    fomPelmor& again = start();
    ASSERT_EQ(again.ws.documentCount(), 2);
    EXPECT_EQ(again.ws.sourceEditor(0)->Text(), QStringLiteral("first page\r\n"));
    EXPECT_EQ(again.ws.sourceEditor(1)->Text(), QStringLiteral("second page\r\n"));
}

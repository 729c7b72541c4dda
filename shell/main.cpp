#include "platform/WebBrowser.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <unistd.h>

int main(int argc, char** argv)
{
    // A write beyond the file-size limit fails the save instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The browser engine's sandbox cannot run for the root user.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    WebBrowser::prepareApplication();
    QApplication app(argc, argv);
    setupApplication(app);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    StartupOptions options;
    options.commandLine = args.join(QLatin1Char(' '));
    options.startFolder = QDir::currentPath();
    auto run = Main(options);
    // The start-up benchmark measures a run up to the first moment the event loop is idle.
    if (qEnvironmentVariableIsSet("PELMOR_QUIT_WHEN_IDLE"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

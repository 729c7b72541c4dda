#include "shell/Startup.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setupApplication(app);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    StartupOptions options;
    options.commandLine = args.join(QLatin1Char(' '));
    auto run = Main(options);
    return app.exec();
}

#include "shell/Startup.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setupApplication(app);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    StartupOptions options;
    options.commandLine = args.join(QLatin1Char(' '));
    options.startFolder = QDir::currentPath();
    auto run = Main(options);
    return app.exec();
}

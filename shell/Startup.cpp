#include "shell/Startup.h"

#include "platform/Dialogs.h"
#include "platform/TextRules.h"
#include "shell/MainWindow.h"
#include "shell/ResourceCopies.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>
#include <QTemporaryFile>

Application::~Application()
{
    window.reset();
}

namespace {

// A file of a name of its own that does not exist yet, removed at once: no file of the user's is
// ever truncated by the test.
bool folderWritable(const QString& folder)
{
    if (!QDir(folder).exists())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.pelmor-write-test-XXXXXX"));
    return probe.open();
}

} // namespace

ProgramFolder resolveProgramFolder(const QString& executableFolder)
{
    if (QDir(executableFolder + QStringLiteral("/resource")).exists() && folderWritable(executableFolder))
        return {QDir(executableFolder).absolutePath(), QString()};
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    ProgramFolder result{data + QStringLiteral("/pelmor"), QString()};
    QDir().mkpath(result.path);
    const QString installed = findInstalledResource(executableFolder);
    if (!installed.isEmpty())
        result.message = refreshResourceCopies(installed, result.path + QStringLiteral("/resource"));
    return result;
}

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/icons/pelmor.svg"));
}

void setupApplication(QApplication&)
{
    QApplication::setApplicationName(QStringLiteral("pelmor"));
    // Every window shows the program's icon; the desktop finds the entry of that name.
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("pelmor"));
    useJapaneseStandardDialogs();
    // The settings name the fonts of the old system; show them with the Japanese fonts at hand.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont uiFont = QApplication::font();
    uiFont.setFamilies({uiFont.family(), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
    QApplication::setFont(uiFont);
}

std::unique_ptr<Application> Main(const StartupOptions& options)
{
    auto app = std::make_unique<Application>();
    ProgramState& state = app->state;
    if (options.dialogs) {
        app->dialogs = options.dialogs;
    } else {
        app->ownDialogs = std::make_unique<QtDialogs>();
        app->dialogs = app->ownDialogs.get();
    }
    Dialogs& dlg = *app->dialogs;
    if (options.programFolder.isEmpty()) {
        const ProgramFolder folder = resolveProgramFolder(QCoreApplication::applicationDirPath());
        state.programFolder = folder.path;
        if (!folder.message.isEmpty())
            dlg.message(folder.message);
    } else {
        state.programFolder = QDir(options.programFolder).absolutePath();
    }
    state.commandLine = options.commandLine;

    // Settings. A file that cannot be read whole is kept aside, so that writing the settings at
    // the end of the run does not lose what it held.
    const IniReadStatus status = state.ini.readFile(state.iniPath());
    if (status == IniReadStatus::Damaged || status == IniReadStatus::Unreadable) {
        const QString backup = state.iniPath() + QStringLiteral(".bak");
        QFile::remove(backup);
        const bool kept = QFile::rename(state.iniPath(), backup);
        QString text = QStringLiteral("設定ファイル Pelmor.ini が壊れているか、読めませんでした。");
        text += status == IniReadStatus::Damaged ? QStringLiteral("読めた設定だけで起動します。")
                                                 : QStringLiteral("初期設定で起動します。");
        if (kept)
            text += CrLf + QStringLiteral("元のファイルは Pelmor.ini.bak として残しました。");
        dlg.message(text);
    }

    // Data folder: the stored one when it exists and can be written, else the program folder.
    QString dataPath = state.settings.get(setting::DataPath);
    if (dataPath.isEmpty())
        dataPath = state.programFolder;
    if (!folderWritable(dataPath))
        dataPath = state.programFolder;
    QDir::setCurrent(dataPath);
    state.dataFolder = dataPath;

    app->window = std::make_unique<MainWindow>(state, dlg);
    if (auto* qt = dynamic_cast<QtDialogs*>(app->dialogs))
        qt->setParent(app->window.get());
    app->window->loadWindow();
    if (options.show)
        app->window->show();

    // The file or project named on the command line: one quote at each end is dropped.
    QString name = options.commandLine;
    if (name.startsWith(QLatin1Char('"')))
        name.remove(0, 1);
    if (name.endsWith(QLatin1Char('"')))
        name.chop(1);
    if (!textrules::trimBlanks(name).isEmpty()) {
        // A relative name is taken from where the program was started when it is there.
        if (QFileInfo(name).isRelative() && !options.startFolder.isEmpty()
            && QFileInfo::exists(options.startFolder + QLatin1Char('/') + name))
            name = QDir(options.startFolder).absoluteFilePath(name);
        if (textrules::asciiLower(name.right(3)) == QStringLiteral("tur"))
            app->window->projects.openProject(name);
        else
            app->window->fileMenu.openCommandLineFile(name);
    }

    QDir::setCurrent(state.programFolder);
    return app;
}

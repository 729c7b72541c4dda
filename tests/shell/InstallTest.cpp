#include "shell/Startup.h"
#include "support/FileTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using filetest::readBytes;
using filetest::writeBytes;

namespace {

// Every file and folder below root with its size and modification time.
std::map<QString, QString> listing(const QString& root)
{
    std::map<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo& info = it.fileInfo();
        entries[QDir(root).relativeFilePath(path)] = QString::number(info.isDir() ? -1 : info.size()) + QLatin1Char(' ')
            + QString::number(info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch());
    }
    return entries;
}

// Takes the write permission from every file and folder below root, or gives it back.
void setWritable(const QString& root, bool writable)
{
    QStringList paths{root};
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths) {
        if (QFileInfo(path).isSymLink())
            continue;
        QFile::Permissions p = QFile::permissions(path);
        const QFile::Permissions write = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        QFile::setPermissions(path, writable ? (p | QFile::WriteOwner | QFile::WriteUser) : (p & ~write));
    }
}

QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
            int* exitCode = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(180000)) {
        p.kill();
        p.waitForFinished();
    }
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

} // namespace

// The program as a package installs it: `cmake --install` into a staging folder (DESTDIR, prefix
// /usr), then started from there offscreen with a home of its own, as a user would start it.
class InstalledProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        stage = temp.path() + QStringLiteral("/stage");
        usr = stage + QStringLiteral("/usr");
        home = temp.path() + QStringLiteral("/home");
        work = temp.path() + QStringLiteral("/work");
        for (const QString& folder : {home, work})
            QDir().mkpath(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), stage);
        int code = 0;
        const QString output = run(QStringLiteral(PELMOR_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(PELMOR_BUILD_FOLDER), QStringLiteral("--prefix"),
                                    QStringLiteral("/usr")},
                                   env, &code);
        ASSERT_EQ(code, 0) << output.toStdString();
    }

    void TearDown() override { setWritable(stage, true); }

    // Starts the installed program until its window is first idle; its exit code.
    int start(QString* output = nullptr)
    {
        // The sanitizers' options pass through; the user's folders do not.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("PELMOR_QUIT_WHEN_IDLE"), QStringLiteral("1"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(usr + QStringLiteral("/bin/pelmor"), {});
        // A question at start-up would wait for ever offscreen: that is a failure too.
        if (!p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
        }
        if (output)
            *output = QString::fromLocal8Bit(p.readAll());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QString installedData(const QString& name) const { return usr + QStringLiteral("/share/pelmor/resource/") + name; }
    QString usersData(const QString& name) const { return home + QStringLiteral("/.local/share/pelmor/resource/") + name; }

    QTemporaryDir temp;
    QTemporaryDir runtime;
    QString stage;
    QString usr;
    QString home;
    QString work;
};

// A first start copies the data files into the user's data folder and writes nowhere else; after
// an upgrade of the installation the copies the user left as they were follow it.
TEST_F(InstalledProgramTest, FindsItsDataWritesOnlyIntoTheUsersFoldersAndFollowsAnUpgrade)
{
    for (const QString& file : {QStringLiteral("bin/pelmor"), QStringLiteral("share/pelmor/resource/css.txt"),
                                QStringLiteral("share/pelmor/resource/pelmorindex.html"), QStringLiteral("share/applications/pelmor.desktop"),
                                QStringLiteral("share/icons/hicolor/scalable/apps/pelmor.svg"), QStringLiteral("share/mime/packages/pelmor.xml")})
        EXPECT_TRUE(QFileInfo(usr + QLatin1Char('/') + file).isFile()) << file.toStdString() << " is not installed";
    // As a system installation is; the superuser's writes would still show in the listing.
    setWritable(stage, false);
    auto before = listing(stage);

    QString output;
    ASSERT_EQ(start(&output), 0) << output.toStdString();
    EXPECT_EQ(listing(stage), before) << "the program wrote into its installation";
    EXPECT_TRUE(filetest::entries(work).isEmpty()) << "the program wrote into the folder it was started in";
    const QStringList shipped = QDir(usr + QStringLiteral("/share/pelmor/resource")).entryList(QDir::Files);
    ASSERT_TRUE(shipped.contains(QStringLiteral("css.txt")));
    for (const QString& name : shipped)
        EXPECT_EQ(readBytes(usersData(name)), readBytes(installedData(name))) << name.toStdString();

    // The user changes a data file; the next version changes it and two more.
    const QByteArray oldFavourites = readBytes(usersData(QStringLiteral("duvivurud.izi")));
    writeBytes(usersData(QStringLiteral("tag.txt")), "the user's own tags\r\n");
    setWritable(stage, true);
    const QDateTime later = QDateTime::currentDateTime().addDays(1);
    for (const QString& name : {QStringLiteral("css.txt"), QStringLiteral("tag.txt"), QStringLiteral("duvivurud.izi")}) {
        writeBytes(installedData(name), readBytes(installedData(name)) + "\r\n");
        QFile file(installedData(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(later, QFileDevice::FileModificationTime));
    }
    setWritable(stage, false);
    before = listing(stage);

    ASSERT_EQ(start(&output), 0) << output.toStdString();
    EXPECT_EQ(readBytes(usersData(QStringLiteral("css.txt"))), readBytes(installedData(QStringLiteral("css.txt"))));
    EXPECT_EQ(readBytes(usersData(QStringLiteral("tag.txt"))), "the user's own tags\r\n");
    EXPECT_EQ(readBytes(usersData(QStringLiteral("duvivurud.izi"))), oldFavourites);
    EXPECT_EQ(listing(stage), before);
}

// The desktop's files: the entry passes desktop-file-validate and names the icon and the project
// type, and the MIME package gives projects that type.
TEST(DesktopFiles, TheEntryIsValidAndProjectsHaveTheirType)
{
    const QString desktop = QStringLiteral(PELMOR_DESKTOP_FILES);
    const QString entry = desktop + QStringLiteral("/pelmor.desktop");
    const QByteArray text = readBytes(entry);
    EXPECT_TRUE(text.contains("\nExec=pelmor %f\n"));
    EXPECT_TRUE(text.contains("\nIcon=pelmor\n") && QFileInfo::exists(desktop + QStringLiteral("/pelmor.svg")));
    EXPECT_TRUE(text.contains("application/x-pelmor-project;"));
    EXPECT_TRUE(text.contains("\nName[ja]=") && text.contains("\nComment[ja]="));

    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString mimeDatabase = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (validate.isEmpty() || mimeDatabase.isEmpty())
        GTEST_SKIP() << "needs desktop-file-validate and update-mime-database (desktop-file-utils and shared-mime-info), "
                        "which scripts/setup.sh installs";
    int code = 0;
    const QString said = run(validate, {entry}, QProcessEnvironment::systemEnvironment(), &code);
    EXPECT_EQ(code, 0) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("error:"))) << said.toStdString();

    QTemporaryDir temp;
    const QString mime = temp.path() + QStringLiteral("/mime");
    QDir().mkpath(mime + QStringLiteral("/packages"));
    ASSERT_TRUE(QFile::copy(desktop + QStringLiteral("/pelmor-mime.xml"), mime + QStringLiteral("/packages/pelmor.xml")));
    const QString built = run(mimeDatabase, {mime}, QProcessEnvironment::systemEnvironment(), &code);
    ASSERT_EQ(code, 0) << built.toStdString();
    // It says what it could not read, and still succeeds.
    EXPECT_FALSE(built.contains(QStringLiteral("failed"), Qt::CaseInsensitive) || built.contains(QStringLiteral("error"), Qt::CaseInsensitive))
        << built.toStdString();
    EXPECT_TRUE(readBytes(mime + QStringLiteral("/globs")).contains("application/x-pelmor-project:*.tur"));
    const QByteArray type = readBytes(mime + QStringLiteral("/application/x-pelmor-project.xml"));
    EXPECT_TRUE(type.contains("xml:lang=\"ja\"")) << type.toStdString();
}

// The window icon draws at the sizes a desktop asks for: something in the middle, nothing at the
// very corner.
TEST(ApplicationIcon, DrawsFromSixteenTo256Pixels)
{
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull()) << "the icon or the SVG plugins of Qt (libqt6svg6) are missing";
    for (const int size : {16, 24, 32, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 200) << size;
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 100) << size;
    }
}

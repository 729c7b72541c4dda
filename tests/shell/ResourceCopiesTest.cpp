#include "shell/ResourceCopies.h"
#include "shell/Startup.h"
#include "support/FileTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using filetest::readBytes;
using filetest::writeBytes;

// An installed resource folder and the user's copy folder; each installed version of a file
// gets a modification time of its own, later than the one before, as an upgrade brings.
class ResourceCopiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        installed = temp.path() + QStringLiteral("/usr/share/pelmor/resource");
        copies = temp.path() + QStringLiteral("/data/pelmor/resource");
        QDir().mkpath(installed);
        QDir().mkpath(copies);
    }

    void install(const QString& name, const QByteArray& bytes)
    {
        const QString path = installed + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        writeBytes(path, bytes);
        version += 1;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(1700000000 + version * 86400), QFileDevice::FileModificationTime));
    }
    QString copy(const QString& name) const { return copies + QLatin1Char('/') + name; }
    QString refresh() const { return refreshResourceCopies(installed, copies); }

    QTemporaryDir temp;
    QString installed;
    QString copies;
    int version = 0;
};

TEST_F(ResourceCopiesTest, AnUnchangedCopyFollowsTheInstalledFileAndOneTheUserChangedIsKept)
{
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("tag.txt"), "tag 1");
    install(QStringLiteral("help/index.html"), "help 1");
    ASSERT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 1");
    EXPECT_EQ(readBytes(copy(QStringLiteral("help/index.html"))), "help 1");
    writeBytes(copy(QStringLiteral("tag.txt")), "tag of the user's");

    // An upgrade.
    install(QStringLiteral("css.txt"), "css 2");
    install(QStringLiteral("tag.txt"), "tag 2");
    install(QStringLiteral("help/index.html"), "help 2");
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 2");
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag of the user's");
    EXPECT_EQ(readBytes(copy(QStringLiteral("help/index.html"))), "help 2");

    // The next upgrade still keeps the user's file; a copy the user deleted is made anew.
    install(QStringLiteral("css.txt"), "css 3");
    install(QStringLiteral("tag.txt"), "tag 3");
    QFile::remove(copy(QStringLiteral("help/index.html")));
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 3");
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag of the user's");
    EXPECT_EQ(readBytes(copy(QStringLiteral("help/index.html"))), "help 2");

    // A user who deletes a changed file gets the installed one back, and it follows again.
    QFile::remove(copy(QStringLiteral("tag.txt")));
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag 3");
    install(QStringLiteral("tag.txt"), "tag 4");
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag 4");
}

TEST_F(ResourceCopiesTest, TheFavouritesListIsSeededWhenMissingAndNeverReplaced)
{
    install(QStringLiteral("duvivurud.izi"), "resource/helphelp.html\r\n");
    ASSERT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("duvivurud.izi"))), "resource/helphelp.html\r\n");

    // Not even a copy the user left as it was.
    install(QStringLiteral("duvivurud.izi"), "resource/pelmorindex.html\r\n");
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("duvivurud.izi"))), "resource/helphelp.html\r\n");

    // The list is found in any case of its name, as the browser finds it.
    QFile::rename(copy(QStringLiteral("duvivurud.izi")), copy(QStringLiteral("Duvivurud.IZI")));
    EXPECT_EQ(refresh(), QString());
    EXPECT_FALSE(QFileInfo::exists(copy(QStringLiteral("duvivurud.izi"))));

    QFile::remove(copy(QStringLiteral("Duvivurud.IZI")));
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("duvivurud.izi"))), "resource/pelmorindex.html\r\n");
}

// Copies that an earlier version made once, without records: one that is like the installed file
// follows it from now on; one that differs may be the user's work and is kept.
TEST_F(ResourceCopiesTest, CopiesMadeWithoutRecordsAreKeptUnlessTheyAreTheInstalledFile)
{
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("tag.txt"), "tag 1");
    writeBytes(copy(QStringLiteral("css.txt")), "css 1");
    writeBytes(copy(QStringLiteral("tag.txt")), "tag 0 or the user's");
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag 0 or the user's");

    install(QStringLiteral("css.txt"), "css 2");
    install(QStringLiteral("tag.txt"), "tag 2");
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 2");
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag 0 or the user's");
}

TEST_F(ResourceCopiesTest, ADamagedRecordReplacesNoChangedCopyAndIsReported)
{
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("tag.txt"), "tag 1");
    ASSERT_EQ(refresh(), QString());
    writeBytes(copy(QStringLiteral("tag.txt")), "tag of the user's");
    writeBytes(copy(ResourceCopyRecordFile), "garbage\n\x01\x02\n");

    install(QStringLiteral("css.txt"), "css 2");
    install(QStringLiteral("tag.txt"), "tag 2");
    const QString message = refresh();
    EXPECT_TRUE(message.startsWith(QStringLiteral("データフォルダーの resource にあるコピーの記録が壊れていました。"))) << message.toStdString();
    EXPECT_TRUE(message.contains(copy(ResourceCopyRecordFile)));
    EXPECT_EQ(readBytes(copy(QStringLiteral("tag.txt"))), "tag of the user's");
    // Its copy differs too and cannot be told from the user's.
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 1");
    // The records are made anew, and the next start has nothing to say.
    EXPECT_EQ(refresh(), QString());
}

TEST_F(ResourceCopiesTest, ACopyThatCannotBeWrittenIsReportedAndMadeAtTheNextStart)
{
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("help/index.html"), "help 1");
    // A file where the folder of a copy would go.
    writeBytes(copy(QStringLiteral("help")), "in the way");
    const QString message = refresh();
    EXPECT_TRUE(message.startsWith(QStringLiteral("インストールされたデータファイルをデータフォルダーにコピーできませんでした。")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(copy(QStringLiteral("help/index.html"))));
    EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 1");

    QFile::remove(copy(QStringLiteral("help")));
    EXPECT_EQ(refresh(), QString());
    EXPECT_EQ(readBytes(copy(QStringLiteral("help/index.html"))), "help 1");
}

// The build tree (the executable beside resource/) is its own program folder and no copies are
// made; an installed executable gets the user's data folder with copies of its installed files.
TEST(ProgramFolder, TheBuildTreeIsItsOwnAndAnInstalledProgramUsesTheUsersDataFolder)
{
    QTemporaryDir temp;
    const QString data = temp.path() + QStringLiteral("/home/.local/share");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());

    const QString build = temp.path() + QStringLiteral("/build");
    QDir().mkpath(build + QStringLiteral("/resource"));
    const ProgramFolder buildTree = resolveProgramFolder(build);
    EXPECT_EQ(buildTree.path, build);
    EXPECT_EQ(buildTree.message, QString());
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/pelmor")));

    const QString bin = temp.path() + QStringLiteral("/usr/bin");
    QDir().mkpath(bin);
    QDir().mkpath(temp.path() + QStringLiteral("/usr/share/pelmor/resource"));
    writeBytes(temp.path() + QStringLiteral("/usr/share/pelmor/resource/css.txt"), "css");
    EXPECT_EQ(findInstalledResource(bin), temp.path() + QStringLiteral("/usr/share/pelmor/resource"));
    const ProgramFolder installedProgram = resolveProgramFolder(bin);
    EXPECT_EQ(installedProgram.path, data + QStringLiteral("/pelmor"));
    EXPECT_EQ(installedProgram.message, QString());
    EXPECT_EQ(readBytes(data + QStringLiteral("/pelmor/resource/css.txt")), "css");

    if (oldData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData);
}

#include "shell/ResourceCopies.h"
#include "shell/Startup.h"
#include "platform/SharedConstants.h"
#include "support/FileTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// What stands at the record's name instead of a plain file is set aside, neither read nor written
// through; the records are made anew as a file of their own.
TEST_F(ResourceCopiesTest, ARecordThatIsNoPlainFileIsSetAsideAndMadeAnew)
{
    const QString home = temp.path() + QStringLiteral("/home");
    QDir().mkpath(home);
    const QString bashrc = home + QStringLiteral("/.bashrc");
    const QString recordsOutside = home + QStringLiteral("/records");
    const QString record = copy(ResourceCopyRecordFile);
    install(QStringLiteral("css.txt"), "css 1");
    ASSERT_EQ(refresh(), QString());
    ASSERT_TRUE(QFile::rename(record, recordsOutside));

    struct Case {
        const char* what;
        std::function<bool()> make;
        QString kind;
        std::function<bool(const QFileInfo&)> setAsideIsIt;
    };
    const auto isLink = [](const QFileInfo& f) { return f.isSymLink(); };
    const Case cases[] = {
        {"a link to a file outside", [&] { return QFile::link(bashrc, record); }, QStringLiteral("シンボリックリンク"), isLink},
        {"a link to records outside", [&] { return QFile::link(recordsOutside, record); }, QStringLiteral("シンボリックリンク"), isLink},
        {"a link to no file", [&] { return QFile::link(home + QStringLiteral("/.profile"), record); }, QStringLiteral("シンボリックリンク"), isLink},
        {"a folder", [&] { return QDir().mkdir(record) && QFile(record + QStringLiteral("/inside")).open(QIODevice::WriteOnly); },
         QStringLiteral("フォルダー"), [](const QFileInfo& f) { return f.isDir() && QFileInfo::exists(f.filePath() + QStringLiteral("/inside")); }},
        {"a pipe", [&] { return ::mkfifo(QFile::encodeName(record).constData(), 0600) == 0; }, QStringLiteral("特殊なファイル"),
         [](const QFileInfo& f) { return f.exists() && !f.isFile() && !f.isDir() && !f.isSymLink(); }},
    };
    const QByteArray recordsBytes = readBytes(recordsOutside);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(bashrc, "export PATH=$HOME/bin:$PATH\n");
        writeBytes(copy(QStringLiteral("css.txt")), "css 1");
        QFile::remove(record + QStringLiteral(".bak"));
        QDir(record + QStringLiteral(".bak")).removeRecursively();
        ASSERT_TRUE(c.make());
        // An upgrade: with the records read, the unchanged copy would follow it; without them it
        // cannot be told from the user's and is kept.
        install(QStringLiteral("css.txt"), "css " + QByteArray::number(version + 1));

        const QString message = refresh();
        EXPECT_TRUE(message.startsWith(QStringLiteral("データフォルダーの resource にあるコピーの記録が、ファイルではなく") + c.kind
                                       + QStringLiteral("になっていました。記録は作り直しました。")))
            << message.toStdString();
        EXPECT_TRUE(message.contains(record + CrLf));
        EXPECT_TRUE(message.contains(QStringLiteral("名前を変えて残しました。") + CrLf + record + QStringLiteral(".bak")));
        EXPECT_FALSE(message.contains(QStringLiteral("コピーできませんでした"))) << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("書き込めませんでした"))) << message.toStdString();

        EXPECT_TRUE(c.setAsideIsIt(QFileInfo(record + QStringLiteral(".bak"))));
        EXPECT_EQ(readBytes(bashrc), "export PATH=$HOME/bin:$PATH\n");
        EXPECT_EQ(readBytes(recordsOutside), recordsBytes);
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/.profile")));
        EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 1");
        const QFileInfo made(record);
        EXPECT_TRUE(made.isFile() && !made.isSymLink());
        const ResourceCopyRecordsRead records = parseResourceCopyRecords(readBytes(record));
        EXPECT_FALSE(records.damaged);
        EXPECT_EQ(records.records.count(QStringLiteral("css.txt")), 1u);
        EXPECT_EQ(refresh(), QString());
        QFile::remove(record);
    }
}

// The records cannot be written where the copies are in place and up to date: the message says
// that of the records, not that the data files were not copied.
TEST_F(ResourceCopiesTest, ARecordThatCannotBeWrittenIsReportedAsTheRecord)
{
    ASSERT_EQ(::chmod(QFile::encodeName(temp.path()).constData(), 0755), 0);
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("help/index.html"), "help 1");
    ASSERT_EQ(refresh(), QString());
    const QString record = copy(ResourceCopyRecordFile);

    struct Case {
        const char* what;
        std::function<bool()> make;
        QString said;
    };
    const Case cases[] = {
        {"no record", [&] { return QFile::remove(record); },
         QStringLiteral("データフォルダーの resource にあるコピーの記録を書き込めませんでした。このフォルダーかファイルには書き込む許可がありません。")},
        {"a folder that cannot be set aside", [&] { return QFile::remove(record) && QDir().mkdir(record); },
         QStringLiteral("データフォルダーの resource にあるコピーの記録を書き込めませんでした。同じ名前のフォルダーがあります。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(::chmod(QFile::encodeName(copies).constData(), 0755), 0);
        QDir(record).removeRecursively();
        writeBytes(record, "");
        ASSERT_TRUE(c.make());
        ASSERT_EQ(::chmod(QFile::encodeName(copies).constData(), 0555), 0);
        QString message;
        {
            filetest::AsNobody nobody;
            ASSERT_TRUE(nobody.ok());
            message = refresh();
        }
        EXPECT_TRUE(message.contains(c.said + QStringLiteral("ディスク上のファイルは変わっていません。データファイルのコピーは済んでいます。")))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(CrLf + record));
        EXPECT_FALSE(message.contains(QStringLiteral("コピーできませんでした"))) << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("作り直しました"))) << message.toStdString();
        EXPECT_EQ(readBytes(copy(QStringLiteral("css.txt"))), "css 1");
        EXPECT_EQ(readBytes(copy(QStringLiteral("help/index.html"))), "help 1");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(copies).constData(), 0755), 0);
}

// A copy, or a folder of copies, that is a link takes no write out of the copy folder.
TEST_F(ResourceCopiesTest, CopiesThatAreLinksTakeNoWriteOutside)
{
    const QString home = temp.path() + QStringLiteral("/home");
    QDir().mkpath(home + QStringLiteral("/help"));
    install(QStringLiteral("css.txt"), "css 1");
    install(QStringLiteral("tag.txt"), "tag 1");
    ASSERT_EQ(refresh(), QString());

    // A link to no file where a copy is missing; a link to a file outside that holds what the
    // program copied; a folder of copies that is a link to a folder outside.
    ASSERT_TRUE(QFile::remove(copy(QStringLiteral("css.txt"))));
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/made.txt"), copy(QStringLiteral("css.txt"))));
    ASSERT_TRUE(QFile::rename(copy(QStringLiteral("tag.txt")), home + QStringLiteral("/tag.txt")));
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/tag.txt"), copy(QStringLiteral("tag.txt"))));
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/help"), copy(QStringLiteral("help"))));
    install(QStringLiteral("tag.txt"), "tag 2");
    install(QStringLiteral("help/index.html"), "help 1");

    const QString message = refresh();
    EXPECT_EQ(message, QStringLiteral("インストールされたデータファイルをデータフォルダーにコピーできませんでした。")
                           + QStringLiteral("保存先の途中のフォルダーがシンボリックリンクです。ディスク上のファイルは変わっていません。") + CrLf
                           + copy(QStringLiteral("help/index.html")));
    EXPECT_EQ(filetest::entries(home), (QStringList{QStringLiteral("help"), QStringLiteral("tag.txt")}));
    EXPECT_EQ(filetest::entries(home + QStringLiteral("/help")), QStringList());
    EXPECT_EQ(readBytes(home + QStringLiteral("/tag.txt")), "tag 1");
    for (const auto& [name, bytes] : {std::pair{"css.txt", "css 1"}, std::pair{"tag.txt", "tag 2"}}) {
        const QFileInfo made(copy(QString::fromLatin1(name)));
        EXPECT_TRUE(made.isFile() && !made.isSymLink()) << name;
        EXPECT_EQ(readBytes(made.filePath()), bytes);
    }
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

#include "support/FileTestSupport.h"
#include "workspace/SettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString App = QStringLiteral("Pelmor");
const QString Section = QStringLiteral("Settings");

using filetest::readBytes;
using filetest::writeBytes;

QStringList keys(const SettingsStore& store)
{
    QStringList out;
    for (int i = 0; i < store.count(); ++i)
        out << store.entry(i).key;
    return out;
}

class SettingsStoreFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString iniPath() const { return dir_.filePath("Pelmor.ini"); }

    QTemporaryDir dir_;
    SettingsStore store_;
};

TEST(SettingsStoreTable, KeepsTheOrderOfFirstStoring)
{
    SettingsStore store;
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(store.value(App, Section, "MainLeft", "100"), "100");

    EXPECT_TRUE(store.setValue(App, Section, "MainLeft", "500"));
    EXPECT_TRUE(store.setValue(App, Section, "MainTop", "300"));
    EXPECT_TRUE(store.setValue(App, Section, "Font", "MS Gothic"));
    EXPECT_TRUE(store.setValue(App, Section, "MainLeft", "600"));
    EXPECT_EQ(keys(store), (QStringList{"MainLeft", "MainTop", "Font"}));
    EXPECT_EQ(store.value(App, Section, "MainLeft", ""), "600");
    // The application and section names play no part.
    EXPECT_EQ(store.value("Other", "Elsewhere", "MainTop", ""), "300");

    EXPECT_TRUE(store.setValue(App, Section, "Empty", ""));
    EXPECT_EQ(store.value(App, Section, "Empty", "default"), "") << "a stored empty value is a value";
    EXPECT_EQ(store.count(), 4);

    EXPECT_FALSE(store.setValue(App, Section, "", "x"));
    EXPECT_EQ(store.count(), 4);
    EXPECT_EQ(store.value(App, Section, "", "default"), "default");

    store.removeAll();
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(store.value(App, Section, "MainLeft", "none"), "none");
}

TEST(SettingsStoreTable, KeysCompareExactly)
{
    SettingsStore store;
    store.setValue(App, Section, "Font", "a");
    store.setValue(App, Section, "font", "b");
    store.setValue(App, Section, "Font ", "c");
    store.setValue(App, Section, QStringLiteral("Ｆｏｎｔ"), "d");
    EXPECT_EQ(store.count(), 4);
    EXPECT_EQ(store.value(App, Section, "Font", ""), "a");
    EXPECT_EQ(store.value(App, Section, "font", ""), "b");
    EXPECT_EQ(store.value(App, Section, "Font ", ""), "c");
    EXPECT_EQ(store.value(App, Section, "FONT", "none"), "none");
}

TEST(SettingsStoreTable, HasNoFixedSize)
{
    SettingsStore store;
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(store.setValue(App, Section, QStringLiteral("Key%1").arg(i), QString::number(i)));
    EXPECT_EQ(store.count(), 60);
    EXPECT_EQ(store.value(App, Section, "Key59", "none"), "59");
    EXPECT_EQ(store.entry(59).key, "Key59");
    EXPECT_TRUE(store.setValue(App, Section, "Key50", "changed"));
    EXPECT_EQ(store.value(App, Section, "Key50", ""), "changed");
    EXPECT_EQ(store.count(), 60);
    EXPECT_TRUE(store.entry(60).key.isEmpty());
    EXPECT_TRUE(store.entry(-1).key.isEmpty());
    EXPECT_FALSE(store.setValue(App, Section, "", "x")) << "an empty key is never stored";
}

TEST_F(SettingsStoreFile, WriteGivesExactLines)
{
    store_.setValue(App, Section, "MainLeft", "500");
    store_.setValue(App, Section, "Path", "/home/user/web,site/index.html");
    store_.setValue(App, Section, "Font", QStringLiteral("ＭＳ ゴシック"));
    store_.setValue(App, Section, "Blank", "");
    store_.setValue(App, Section, "FontColor", " 2");
    ASSERT_TRUE(store_.writeFile(iniPath()));
    EXPECT_EQ(readBytes(iniPath()),
              QStringLiteral("MainLeft,500\r\nPath,/home/user/web,site/index.html\r\nFont,ＭＳ ゴシック\r\n"
                             "Blank,\r\nFontColor, 2\r\n").toUtf8());

    SettingsStore single;
    single.setValue(App, Section, "k", "v");
    ASSERT_TRUE(single.writeFile(iniPath()));
    EXPECT_EQ(readBytes(iniPath()), QByteArray("k,v\r\n"));

    SettingsStore empty;
    ASSERT_TRUE(empty.writeFile(iniPath()));
    EXPECT_EQ(readBytes(iniPath()), QByteArray());
}

TEST_F(SettingsStoreFile, RoundTripKeepsTheTable)
{
    store_.setValue(App, Section, "MainLeft", "500");
    store_.setValue(App, Section, "LastFile", "/home/user/a,b,c.html");
    store_.setValue(App, Section, "FontColor", " 2");
    store_.setValue(App, Section, "Title", QStringLiteral("はじめての ページ "));
    store_.setValue(App, Section, "NoValue", "");
    ASSERT_TRUE(store_.writeFile(iniPath()));

    SettingsStore back;
    EXPECT_EQ(back.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(keys(back), keys(store_));
    EXPECT_EQ(back.value(App, Section, "MainLeft", ""), "500");
    EXPECT_EQ(back.value(App, Section, "LastFile", ""), "/home/user/a,b,c.html");
    EXPECT_EQ(back.value(App, Section, "FontColor", ""), "2") << "the blank after the comma is skipped";
    EXPECT_EQ(back.value(App, Section, "Title", ""), QStringLiteral("はじめての ページ "));
    EXPECT_EQ(back.value(App, Section, "NoValue", "x"), "");

    // Written again, the file is the same apart from the blank that was read away.
    ASSERT_TRUE(back.writeFile(iniPath()));
    EXPECT_EQ(readBytes(iniPath()),
              QStringLiteral("MainLeft,500\r\nLastFile,/home/user/a,b,c.html\r\nFontColor,2\r\n"
                             "Title,はじめての ページ \r\nNoValue,\r\n").toUtf8());
}

TEST_F(SettingsStoreFile, LineSyntax)
{
    writeBytes(iniPath(), QByteArray("  Indented,  value with blanks  \r\n"
                                     "\r\n"
                                     "NoComma\r\n"
                                     ",orphan value\r\n"
                                     "   \r\n"
                                     "Tab,\tx\r\n"
                                     "LfOnly,1\n"
                                     "Inner\rCr,2\r\n"
                                     "Last,no line end"));
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(keys(store_), (QStringList{"Indented", "NoComma", "Tab", "LfOnly", "Inner\rCr", "Last"}));
    EXPECT_EQ(store_.value(App, Section, "Indented", ""), "value with blanks  ");
    EXPECT_EQ(store_.value(App, Section, "NoComma", "x"), "");
    EXPECT_EQ(store_.value(App, Section, "Tab", ""), "\tx");
    EXPECT_EQ(store_.value(App, Section, "LfOnly", ""), "1");
    EXPECT_EQ(store_.value(App, Section, "Last", ""), "no line end");
}

TEST_F(SettingsStoreFile, FileOrderThenNewKeys)
{
    store_.setValue(App, Section, "A", "old a");
    store_.setValue(App, Section, "B", "old b");
    store_.setValue(App, Section, "C", "old c");
    writeBytes(iniPath(), "MainTop,300\r\nMainLeft,500\r\n");

    // The file's lines go into the first slots; what the table held after them stays.
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(keys(store_), (QStringList{"MainTop", "MainLeft", "C"}));
    EXPECT_EQ(store_.value(App, Section, "C", ""), "old c");

    store_.setValue(App, Section, "Font", "x");
    store_.setValue(App, Section, "MainLeft", "600");
    EXPECT_EQ(keys(store_), (QStringList{"MainTop", "MainLeft", "C", "Font"}));
    EXPECT_EQ(store_.value(App, Section, "MainLeft", ""), "600");
}

TEST_F(SettingsStoreFile, CodePage932AndBomFiles)
{
    writeBytes(iniPath(), QByteArray("Font,\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\r\n"));
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(store_.value(App, Section, "Font", ""), QStringLiteral("ＭＳ ゴシック"));

    writeBytes(iniPath(), QByteArray("\xEF\xBB\xBF" "Font,\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA\r\n"));
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(store_.entry(0).key, "Font") << "the BOM is not part of the first key";
    EXPECT_EQ(store_.value(App, Section, "Font", ""), QStringLiteral("メイリオ"));
}

TEST_F(SettingsStoreFile, ManyRecordsAreReadWholeInOrder)
{
    QByteArray file;
    for (int i = 0; i < 60; ++i)
        file += "Key" + QByteArray::number(i) + "," + QByteArray::number(i * 10) + "\r\n";
    writeBytes(iniPath(), file);
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Ok) << "a long file is not a damaged one";
    EXPECT_EQ(store_.count(), 60);
    EXPECT_EQ(store_.entry(50).key, "Key50");
    EXPECT_EQ(store_.value(App, Section, "Key59", ""), "590");
    EXPECT_TRUE(store_.setValue(App, Section, "New", "x"));
    ASSERT_TRUE(store_.writeFile(iniPath()));
    EXPECT_EQ(readBytes(iniPath()), file + "New,x\r\n");
}

TEST_F(SettingsStoreFile, DamagedFilesKeepTheGoodLines)
{
    struct Case { QByteArray garbage; const char* why; };
    const Case cases[] = {
        {QByteArray("Bad,\x00\x01\x02\xFF\xFE", 9), "NUL and binary bytes"},
        {QByteArray("Bad,a\x1B[0m"), "escape character"},
        {QByteArray("Bad,\x82"), "cut-off code page 932 pair"},
        {QByteArray("Bad,\xA0\xFD"), "bytes code page 932 does not use"},
        {QByteArray("Bad,\x85\x40"), "unassigned code page 932 code"},
        {QByteArray("Bad,\x7F"), "DEL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        writeBytes(iniPath(), "MainLeft,500\r\n" + c.garbage + "\r\nMainTop,300\r\n");
        SettingsStore store;
        EXPECT_EQ(store.readFile(iniPath()), IniReadStatus::Damaged);
        EXPECT_EQ(store.value(App, Section, "MainLeft", ""), "500");
        EXPECT_EQ(store.value(App, Section, "MainTop", ""), "300");
        EXPECT_EQ(store.value(App, Section, "Bad", "none"), "none");
    }

    // Code page 932 whose codes are valid but have two readings is not damage.
    writeBytes(iniPath(), QByteArray("Mark,\x87\x90\r\n"));
    SettingsStore nec;
    EXPECT_EQ(nec.readFile(iniPath()), IniReadStatus::Ok);
    EXPECT_EQ(nec.value(App, Section, "Mark", ""), QStringLiteral("≒"));
}

TEST_F(SettingsStoreFile, MissingOrUnreadableLeavesTheTable)
{
    store_.setValue(App, Section, "MainLeft", "500");
    EXPECT_EQ(store_.readFile(dir_.filePath("absent.ini")), IniReadStatus::Missing);
    EXPECT_EQ(store_.count(), 1);

    ASSERT_TRUE(QDir().mkdir(dir_.filePath("folder.ini")));
    EXPECT_EQ(store_.readFile(dir_.filePath("folder.ini")), IniReadStatus::Unreadable);
    EXPECT_EQ(store_.count(), 1);
    EXPECT_EQ(store_.value(App, Section, "MainLeft", ""), "500");
}

TEST_F(SettingsStoreFile, UnreadableAndUnwritablePlaces)
{
    // Places that stop every user, the administrator included.
    store_.setValue(App, Section, "MainLeft", "500");
    ASSERT_TRUE(QDir().mkdir(dir_.filePath("Pelmor.ini")));
    EXPECT_EQ(store_.readFile(iniPath()), IniReadStatus::Unreadable) << "a folder where the file should be";
    EXPECT_EQ(keys(store_), QStringList{"MainLeft"});
    EXPECT_FALSE(store_.writeFile(iniPath()));

    writeBytes(dir_.filePath("plain"), "not a folder");
    EXPECT_FALSE(store_.writeFile(dir_.filePath("plain/Pelmor.ini"))) << "a file where the folder should be";
    EXPECT_EQ(readBytes(dir_.filePath("plain")), QByteArray("not a folder"));
}

TEST_F(SettingsStoreFile, WriteIntoMissingFolderFails)
{
    store_.setValue(App, Section, "k", "v");
    EXPECT_FALSE(store_.writeFile(dir_.filePath("gone/Pelmor.ini")));
}

} // namespace

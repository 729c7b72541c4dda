#include "workspace/PathHelpers.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

TEST(PathHelpersColour, HexColourIsRedGreenBlue)
{
    struct Case { long colour; const char* expected; };
    const Case cases[] = {
        {0, "000000"},
        {255, "FF0000"},
        {65280, "00FF00"},
        {16711680, "0000FF"},
        {16777215, "FFFFFF"},
        {0x123456, "563412"},
        {0x0A0B0C, "0C0B0A"},
        {1, "010000"},
        {256, "000100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rgbHex(c.colour), QLatin1String(c.expected)) << c.colour;
}

TEST(PathHelpersText, RemoveCrLfAndPadZero3)
{
    EXPECT_EQ(withoutLineBreaks("a\r\nb\nc\rd"), "abcd");
    EXPECT_EQ(withoutLineBreaks("\r\n\r\n"), "");
    EXPECT_EQ(withoutLineBreaks("a\tb c"), "a\tb c");

    struct Case { int n; const char* expected; };
    const Case cases[] = {{0, "000"}, {7, "007"}, {12, "012"}, {50, "050"}, {999, "999"}, {1000, "1000"}, {123456, "123456"}};
    for (const Case& c : cases)
        EXPECT_EQ(threeDigits(c.n), QLatin1String(c.expected)) << c.n;
}

TEST(PathHelpersSplit, SplitPath)
{
    struct Case { const char* full; const char* name; const char* folder; };
    const Case cases[] = {
        {"/web/site/index.html", "index.html", "/web/site/"},
        {"/index.html", "index.html", "/"},
        {"index.html", "index.html", ""},
        {"/web/site/", "", "/web/site/"},
        {"/", "", "/"},
        {"C:\\site\\index.html", "C:\\site\\index.html", ""},
        {"/web/a\\b.html", "a\\b.html", "/web/"},
    };
    for (const Case& c : cases) {
        QString name = "stale";
        QString folder = "stale";
        splitPath(QString::fromLatin1(c.full), name, folder, "/docs");
        EXPECT_EQ(name, QLatin1String(c.name)) << c.full;
        EXPECT_EQ(folder, QLatin1String(c.folder)) << c.full;
    }

    QString name = "stale";
    QString folder = "stale";
    splitPath("", name, folder, "/home/user/ページ");
    EXPECT_EQ(name, "");
    EXPECT_EQ(folder, QStringLiteral("/home/user/ページ/"));
}

TEST(PathHelpersNames, FileNameAndFilePath)
{
    struct Case { const char* path; const char* fileName; const char* filePath; };
    const Case cases[] = {
        {"/web/index.html", "index.html", "/web"},
        // A backslash is part of a name, not a folder separator.
        {"C:\\index.html", "C:\\index.html", ""},
        {"C:\\web\\sub/index.html", "index.html", "C:\\web\\sub"},
        {"/web/a\\b.html", "a\\b.html", "/web"},
        {"index.html", "index.html", ""},
        {"/index.html", "index.html", ""},
        {"/web/", "", "/web"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileNameOf(QString::fromLatin1(c.path)), QLatin1String(c.fileName)) << c.path;
        EXPECT_EQ(folderOf(QString::fromLatin1(c.path)), QLatin1String(c.filePath)) << c.path;
    }
}

TEST(PathHelpersNames, NamePart)
{
    struct Case { const char* path; const char* namePart; };
    const Case cases[] = {
        {"$$$000.html", "$$$000.html"},
        {"index.html", "index.html"},
        {"top.html", "top.html"},
        {"/web/site/index.html", "index.html"},
        {"a/b\\c.html", "b\\c.html"},
        {"C:\\web\\index.html", "C:\\web\\index.html"},
        {"/web/", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileNameOf(QString::fromLatin1(c.path)), QLatin1String(c.namePart)) << c.path;
    EXPECT_EQ(fileNameOf(QStringLiteral("/サイト/はじめてのページ.html")), QStringLiteral("はじめてのページ.html"));
}

TEST(PathHelpersTemp, OwnTempPageNames)
{
    struct Case { const char* name; bool own; };
    const Case cases[] = {
        {"$$$000.html", true},
        {"$$$050.html", true},
        {"$$$999.html", true},
        {"$$$notes.txt", false},
        {"$$$0001.html", false},
        {"$$$00.html", false},
        {"$$$000.htm", false},
        {"$$$000.HTML", false},
        {"$$$00a.html", false},
        {"$$$000.html.bak", false},
        {"x$$$000.html", false},
        {"/tmp/$$$000.html", false},
        {"$$000.html", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isOwnTempPageName(QString::fromLatin1(c.name)), c.own) << c.name;
    EXPECT_FALSE(isOwnTempPageName(QStringLiteral("$$$０００.html"))) << "full-width digits";

    EXPECT_EQ(tempPageName(0), "$$$000.html");
    EXPECT_EQ(tempPageName(50), "$$$050.html");
    for (int n : {0, 7, 42, 999})
        EXPECT_TRUE(isOwnTempPageName(tempPageName(n))) << n;
}

} // namespace

#include "wizards/generators/RelativePath.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(RelativePath, LocalPathsBecomeRelativeToTheDocumentFolder)
{
    struct Case { const char* path; const char* expected; };
    const Case cases[] = {
        {"/site/img/a.gif", "../img/a.gif"},
        {"/site/pages/b.gif", "b.gif"},
        {"/site/pages/img/c.gif", "img/c.gif"},
        {"/site/d.gif", "../d.gif"},
        // The common beginning ends inside a folder name: the whole folder differs.
        {"/site2/e.gif", "../../site2/e.gif"},
        // Letter case counts.
        {"/Site/pages/f.gif", "../../Site/pages/f.gif"},
        {"/site/pages/../img/h.gif", "../img/h.gif"},
        {"  /site/pages/b.gif  ", "b.gif"},
        {"file:///site/img/a.gif", "../img/a.gif"},
        {"file:///site/pages/My%20Picture.gif", "My Picture.gif"},
        {"/site/pages/写真/犬.jpg", "写真/犬.jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gen::MakeRelativePath(QString::fromUtf8(c.path), "/site/pages"), QString::fromUtf8(c.expected)) << c.path;
        EXPECT_EQ(gen::MakeRelativePath(QString::fromUtf8(c.path), "/site/pages/"), QString::fromUtf8(c.expected)) << c.path;
    }
    EXPECT_EQ(gen::MakeRelativePath("/a/b.gif", "/"), "a/b.gif");
}

TEST(RelativePath, AddressesAndRelativeNamesStayAsTheyAre)
{
    struct Case { const char* path; const char* expected; };
    const Case cases[] = {
        {"http://example.com/a.gif", "http://example.com/a.gif"},
        {"HTTPS://example.com/a.gif", "HTTPS://example.com/a.gif"},
        {"mailto:someone@example.com", "mailto:someone@example.com"},
        {"//cdn.example.com/x.gif", "//cdn.example.com/x.gif"},
        {"img/g.gif", "img/g.gif"},
        {"../g.gif", "../g.gif"},
        {"  g.gif  ", "g.gif"},
        {"#top", "#top"},
        {"C:\\site\\a.gif", "C:\\site\\a.gif"},
        {"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gen::MakeRelativePath(QString::fromUtf8(c.path), "/site/pages"), QString::fromUtf8(c.expected)) << c.path;
}

TEST(RelativePath, WithoutAFolderAnAbsolutePathStaysAbsolute)
{
    EXPECT_EQ(gen::MakeRelativePath(" /site/a.gif ", ""), "/site/a.gif");
    EXPECT_EQ(gen::MakeRelativePath("/site/a.gif", "site"), "/site/a.gif");
    EXPECT_EQ(gen::MakeRelativePath("file:///site/a.gif", ""), "file:///site/a.gif");
}

} // namespace

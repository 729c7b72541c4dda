#include "preview/LinkScan.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LinkScan, CollectsTheTargetsOfAnchorsInOrder)
{
    struct Case {
        const char* name;
        QString source;
        QStringList links;
    } cases[] = {
        {"quoted, both cases, repeats kept",
         QStringLiteral("<A HREF=\"a.html\">a</A><a href=\"b.html\">b</a><A hReF=\"a.html\">again</A>"),
         {QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("a.html")}},
        {"an in-page anchor and an address", QStringLiteral("<A HREF=\"#top\">上へ</A> <A HREF=\"http://www.example.com/\">x</A>"),
         {QStringLiteral("#top"), QStringLiteral("http://www.example.com/")}},
        {"blanks before the quote are skipped", QStringLiteral("<A HREF = \"c.html\">c</A>"), {QStringLiteral("c.html")}},
        {"an empty target adds nothing", QStringLiteral("<A HREF=\"\">e</A><A HREF=\"d.html\">d</A>"), {QStringLiteral("d.html")}},
        {"a later quoted attribute is not taken", QStringLiteral("<A HREF=\"e.html\" title=\"説明\">e</A>"), {QStringLiteral("e.html")}},
        {"two blanks or an attribute in between are not a link",
         QStringLiteral("<A  HREF=\"no1.html\">1</A><A target=\"_blank\" HREF=\"no2.html\">2</A>"), {}},
        {"unquoted, up to the end of its tag", QStringLiteral("<A HREF=f.html>f</A>"), {QStringLiteral("f.html")}},
        {"an unquoted target lists no later SRC", QStringLiteral("<A HREF=g.html><IMG SRC=\"pic.gif\"></A>"),
         {QStringLiteral("g.html")}},
        {"an unquoted target ends at a blank", QStringLiteral("<A HREF=h.html target=\"_top\">h</A>"),
         {QStringLiteral("h.html")}},
        {"single quotes", QStringLiteral("<A HREF='i j.html'>i</A>"), {QStringLiteral("i j.html")}},
        {"Japanese targets and text", QStringLiteral("<P>前</P><A HREF=\"日本語.html\">日本</A>"), {QStringLiteral("日本語.html")}},
        {"no anchors", QStringLiteral("<P>A HREF is only text here</P>"), {}},
        {"the marker inside a target", QStringLiteral("<A HREF=\"DATA HREF.html\">x</A><A HREF=\"k.html\">k</A>"),
         {QStringLiteral("DATA HREF.html"), QStringLiteral("k.html")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(collectLinks(c.source), c.links) << c.name;
}

TEST(LinkScan, ResolvesTargetsAgainstThePageTheyWereListedFrom)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QDir(program.path()).mkpath(QStringLiteral("resource"));
    const QString helpPage = program.path() + QStringLiteral("/resource/help.html");
    QFile(helpPage).open(QIODevice::WriteOnly);
    const QString folder = QUrl::fromLocalFile(program.path()).toString();

    struct Case {
        QString page;
        QString link;
        QString address;
    } cases[] = {
        {folder + QStringLiteral("/site/page.html"), QStringLiteral("a.html"), folder + QStringLiteral("/site/a.html")},
        {folder + QStringLiteral("/site/page.html"), QStringLiteral("../up.html"), folder + QStringLiteral("/up.html")},
        {folder + QStringLiteral("/site/page.html"), QStringLiteral("#top"), folder + QStringLiteral("/site/page.html#top")},
        {QStringLiteral("http://www.example.com/dir/page.html"), QStringLiteral("/root.html"),
         QStringLiteral("http://www.example.com/root.html")},
        {QStringLiteral("http://www.example.com/dir/"), QStringLiteral("b.html"), QStringLiteral("http://www.example.com/dir/b.html")},
        {QStringLiteral("http://www.example.com/dir/page.html"), QStringLiteral("http://other.example.jp/x"),
         QStringLiteral("http://other.example.jp/x")},
        // A favourite that names a page below the program folder.
        {QStringLiteral("resource/help.html"), QStringLiteral("next.html"), folder + QStringLiteral("/resource/next.html")},
        // Nothing listed yet: the link stands on its own.
        {QString(), QStringLiteral("resource/help.html"), QUrl::fromLocalFile(helpPage).toString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resolveLink(c.page, c.link, program.path()).toString(), c.address) << c.page.toStdString() << " + " << c.link.toStdString();
}

#include "workspace/DocumentText.h"
#include "editor/Reindent.h"
#include "EditPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    const char* text;
    const char* indented;
};

const Case Cases[] = {
    {"blanks only", "   ", "   "},
    {"empty", "", ""},
    {"a table on one line",
     "<TABLE><TR><TD>word</TD></TR></TABLE>",
     "\r\n<TABLE>\r\n\t<TR>\r\n\t\t<TD>word</TD>\r\n\t</TR>\r\n</TABLE>"},
    {"nested tables",
     "<TABLE>\r\n<TR><TD>\r\n<TABLE><TR><TD>in</TD></TR></TABLE>\r\n</TD></TR>\r\n</TABLE>",
     "\r\n<TABLE>\r\n\t<TR>\r\n\t\t<TD>\r\n\t\t<TABLE>\r\n\t\t\t<TR>\r\n\t\t\t\t<TD>in</TD>\r\n\t\t\t</TR>\r\n"
     "\t\t</TABLE>\r\n\t\t</TD>\r\n\t</TR>\r\n</TABLE>"},
    {"a page with inline tags",
     "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\n<P>para <B>bold</B> text</P>\r\n<UL><LI>one<LI>two</UL>\r\n"
     "</BODY></HTML>",
     "\r\n<HTML>\r\n\t<HEAD>\r\n\t\t<TITLE>t</TITLE>\r\n\t</HEAD>\r\n\t<BODY>\r\n\t\t<P>\r\n\t\t\tpara <B>bold</B> text\r\n"
     "\t\t</P>\r\n\t\t<UL><LI>one<LI>two</UL>\r\n\t</BODY>\r\n</HTML>"},
    {"a list in a lower-case div",
     "<div>\r\n<ul>\r\n<li>one <b>b</b><br>\r\n<li>two\r\n</ul>\r\n</div>",
     "\r\n<div>\r\n\t<ul>\r\n\t<li>one <b>b</b><br>\r\n\t<li>two\r\n\t</ul>\r\n</div>"},
    {"line-break marks are drawn up", "word\r\n<BR>next\r\na \t　\r\n<br>", "word<BR>next\r\na<br>"},
    {"a rule has no end tag", "<HR>\r\na\r\nb\r\n</H2>c", "\r\n<HR>\r\n\ta\r\n\tb\r\n</H2>\r\nc"},
    {"a paragraph left open", "<P>a\r\nb", "\r\n<P>\r\n\ta\r\n\tb"},
    {"more end tags than start tags",
     "</P>\r\na\r\n<P>\r\nb\r\n<P>\r\nc",
     "\r\n</P>\r\na\r\n<P>\r\nb\r\n<P>\r\n\tc"},
    {"mixed case is not split but counts at a line start",
     "<Table>\r\nx<Tr>y\r\n</Table>",
     "<Table>\r\n\tx<Tr>y\r\n</Table>"},
    {"old indentation and blank lines go", "<P>\r\n\r\n \t  text  \r\n\t\t\r\n</P>", "\r\n<P>\r\n\ttext\r\n</P>"},
    {"full-width blanks at a line start are text", "<P>\r\n　字下げ\r\n</P>", "\r\n<P>\r\n\t　字下げ\r\n</P>"},
    {"region markers stay whole",
     "<P><!--Reg001-->\r\n<!--Reg002--></P>\r\n<P <!--Reg003-->>x",
     "\r\n<P>\r\n\t<!--Reg001-->\r\n\t<!--Reg002-->\r\n</P>\r\n<P <!--Reg003-->\r\n\t>x"},
};

} // namespace

TEST(Reindent, GivesEachLineTheTabsOfItsBlocks)
{
    for (const Case& c : Cases)
        EXPECT_EQ(indentHtml(u(c.text)), u(c.indented)) << c.what;
}

TEST(Reindent, TwiceGivesTheSameText)
{
    for (const Case& c : Cases)
        EXPECT_EQ(indentHtml(u(c.indented)), u(c.indented)) << c.what;
    const QString messy = u("<html>\r\n  <body>\r\n\t\t<table border=1><tr><td>a</td>\r\n   <td>b</td></tr></table>\r\n"
                            "  <p>x<br>\r\n\ty <Div>z</Div>\r\n\t\t\t</p>\r\n<Table>\r\n\t\tq\r\n</Table>\r\n</body>\r\n</html>");
    const QString once = indentHtml(messy);
    EXPECT_EQ(indentHtml(once), once);
}

TEST(Reindent, FoldedRegionsExpandAfterwards)
{
    std::array<QString, 101> regions{};
    regions[1] = u("<TD>one</TD>");
    regions[2] = u("two\r\nlines");
    regions[3] = u(" class=\"a\"");
    const QString text = u("<TABLE><TR><!--Reg001--></TR></TABLE>\r\n<P><!--Reg002-->\r\n</P><DIV<!--Reg003-->>");
    const QString indented = indentHtml(text);
    const QString expanded = expandRegions(indented, regions);
    EXPECT_FALSE(expanded.contains(u("<!--Reg"))) << expanded.toStdString();
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(expanded.contains(regions[static_cast<size_t>(k)])) << k;
}

TEST(Reindent, TabHelpers)
{
    EXPECT_EQ(MakeTabs(3), u("\t\t\t"));
    EXPECT_EQ(MakeTabs(0), QString());
    EXPECT_EQ(MakeTabs(-2), QString());
    EXPECT_EQ(CountTabs(u("\t\tx\t")), 2);
    EXPECT_EQ(CountTabs(u(" \tx")), 0);
}

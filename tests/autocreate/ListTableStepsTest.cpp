#include "autocreate/ListTableSteps.h"

#include "autocreate/StandInGenerators.h"
#include "autocreate/StepCases.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

const QString Open = "&lt;項目&gt;<BR>\r\n";
const QString Close = "&lt;/項目&gt;<BR>\r\n";

using Case = stepcases::TextCase;

TEST(AutoItems, MakesAListOfTheLinesBetweenThePseudoTags)
{
    const Case cases[] = {
        {"the lines between, the pseudo-tag lines removed",
         "x<BR>\r\n" + Open + "apple<BR>\r\norange<BR>\r\n" + Close + "y<BR>\r\n",
         "x<BR>\r\n<UL>\r\n<LI>apple<BR>\r\n<LI>orange<BR>\r\n</UL>\r\ny<BR>\r\n"},
        {"entities in any case, pseudo-tags without a line-break tag",
         "&LT;項目&GT;\r\na\r\n&lt;/項目&Gt;\r\n", "<UL>\r\n<LI>a\r\n</UL>\r\n"},
        {"an escaped opening stays with its backslash and the next one is made",
         "\\" + Open + Open + "a<BR>\r\n" + Close,
         "\\" + Open + "<UL>\r\n<LI>a<BR>\r\n</UL>\r\n"},
        {"an escaped closing does not close the list",
         Open + "a \\&lt;/項目&gt;<BR>\r\n" + Close,
         "<UL>\r\n<LI>a \\&lt;/項目&gt;<BR>\r\n</UL>\r\n"},
        {"an opening without a closing leaves it and the rest, rules included",
         Open + "a<BR>\r\nb<HR>\r\n", Open + "a<BR>\r\nb<HR>\r\n"},
        {"other text on the pseudo-tags' lines stays there",
         "Fruits&lt;項目&gt;<BR>\r\na<BR>\r\nb&lt;/項目&gt;<BR>\r\n",
         "Fruits<BR>\r\n<UL>\r\n<LI>a<BR>\r\n</UL>\r\nb<BR>\r\n"},
        {"an opening inside a heading line leaves the heading's tags whole",
         "<B><A name=\"Pelmor1\">&lt;項目&gt;</A></B><BR>\r\na<BR>\r\n" + Close,
         "<B><A name=\"Pelmor1\"></A></B><BR>\r\n<UL>\r\n<LI>a<BR>\r\n</UL>\r\n"},
        {"both pseudo-tags on one line", "x&lt;項目&gt;a&lt;/項目&gt;<BR>\r\n",
         "x<UL>\r\n<LI>a\r\n</UL>\r\n"},
        {"half-width, ideographic and mixed blanks in front of items are not part of them",
         Open + " apple<BR>\r\n　orange<BR>\r\n　 　pear<BR>\r\n <B>kiwi</B>\r\n" + Close,
         "<UL>\r\n<LI>apple<BR>\r\n<LI>orange<BR>\r\n<LI>pear<BR>\r\n<LI><B>kiwi</B>\r\n</UL>\r\n"},
        {"blanks inside an item and behind it stay",
         Open + "　a　b c 　<BR>\r\n" + Close, "<UL>\r\n<LI>a　b c 　<BR>\r\n</UL>\r\n"},
        {"an item between pseudo-tags on one line loses its blanks in front",
         "x&lt;項目&gt;　 a&lt;/項目&gt;<BR>\r\n", "x<UL>\r\n<LI>a\r\n</UL>\r\n"},
        {"nothing between the pseudo-tags leaves nothing", "a\r\n" + Open + Close + "b\r\n",
         "a\r\nb\r\n"},
        {"a rule after other text gets its own line, one at a line start stays",
         "text<HR size=\"3\">\r\n<hr>\r\nmore<hr>", "text\r\n<HR size=\"3\">\r\n<hr>\r\nmore\r\n<hr>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoItems(c.in, standin::list), c.out) << c.name;
}

TEST(AutoItems, HandsEachListsLinesToTheGeneratorInTextOrder)
{
    QStringList blocks;
    const auto record = [&blocks](const QString& lines) {
        blocks.append(lines);
        return QStringLiteral("[list]\r\n");
    };
    const QString text = Open + "a<BR>\r\nb<BR>\r\n" + Close + "between<BR>\r\n" + Open +
                         "c<BR>\r\n" + Close;
    EXPECT_EQ(autoItems(text, record), "[list]\r\nbetween<BR>\r\n[list]\r\n");
    EXPECT_EQ(blocks, QStringList({"a<BR>\r\nb<BR>\r\n", "c<BR>\r\n"}));
}

TEST(AutoTables, MakesATableAndClosesTheParagraphItStandsIn)
{
    const QString TOpen = "&lt;表&gt;<BR>\r\n";
    const QString TClose = "&lt;/表&gt;<BR>\r\n";
    const QString table = "<TABLE>\r\n<TR><TD>a</TD><TD>b<BR></TD></TR>\r\n</TABLE>\r\n";
    const Case cases[] = {
        {"a table outside paragraphs", TOpen + "a,b<BR>\r\n" + TClose, table},
        {"a table inside a paragraph: closed in front, its end tag dropped behind",
         "<P>\r\nhead<BR>\r\n" + TOpen + "a,b<BR>\r\n" + TClose + "more<BR>\r\n</P>\r\n<P>\r\n"
             "next\r\n</P>\r\n",
         "<P>\r\nhead<BR>\r\n\r\n</P>\r\n" + table + "more<BR>\r\n\r\n<P>\r\nnext\r\n</P>\r\n"},
        {"two tables in one paragraph leave the next paragraph's end tag alone",
         "<P>\r\nh\r\n" + TOpen + "a,b<BR>\r\n" + TClose + TOpen + "a,b<BR>\r\n" + TClose +
             "</P>\r\n<P>\r\nnext\r\n</P>\r\n",
         "<P>\r\nh\r\n\r\n</P>\r\n" + table + table + "\r\n<P>\r\nnext\r\n</P>\r\n"},
        {"blanks in front of a row are not part of its first cell; the other cells keep theirs",
         TOpen + "　 a,　b<BR>\r\n c、 d<BR>\r\n" + TClose,
         "<TABLE>\r\n<TR><TD>a</TD><TD>　b<BR></TD></TR>\r\n<TR><TD>c</TD><TD> d<BR></TD></TR>\r\n"
         "</TABLE>\r\n"},
        {"an opening without a closing leaves the rest, an open paragraph included",
         "<P>\r\n" + TOpen + "a\r\n<TABLE>", "<P>\r\n" + TOpen + "a\r\n<TABLE>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoTables(c.in, standin::table), c.out) << c.name;
}

} // namespace

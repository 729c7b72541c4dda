#include "wizards/generators/TableGenerator.h"
#include "wizards/EasyPanelControls.h"

#include "ApplyEdit.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

gen::TableInput shippedTable(const QString& source = QString())
{
    gen::TableInput in;
    in.source = source;
    in.border = "1";
    in.borderColour = "#008040";
    in.lightColour = "#0000FF";
    in.darkColour = "#0000A0";
    in.background = "#CEFFCE";
    return in;
}

const QString shippedStartTag = "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\" frame=\"box\" rules=\"all\">\r\n";

TEST(TableGenerator, TheShippedPanel)
{
    const gen::GeneratedEdit e = gen::makeTable(shippedTable("a,b\r\nc,d"));
    EXPECT_EQ(e.primitive, gen::Primitive::WrapMarked);
    EXPECT_EQ(e.before, shippedStartTag
                            + "<TR>\r\n<TH  align=\"center\">a</TH>\r\n<TH  align=\"center\">b</TH>\r\n</TR>\r\n"
                              "<TR>\r\n<TD  align=\"center\">c</TD>\r\n<TD  align=\"center\">d</TD>\r\n</TR>\r\n</TABLE>");
    EXPECT_EQ(e.after, "");
    EXPECT_EQ(e.hide, QList{ControlRef(table_panel::Panel)});
    EXPECT_TRUE(e.snapshot);
    EXPECT_TRUE(e.fields.isEmpty());
}

// The rows of the table text, without the start tag and the end tag.
QString rowsOf(const gen::GeneratedEdit& e)
{
    const qsizetype start = e.before.indexOf("<TR>");
    return start < 0 ? QString() : e.before.mid(start, e.before.size() - start - 8);
}

TEST(TableGenerator, CellsFromTheSource)
{
    struct Case { const char* source; int headers; const char* rows; };
    const Case cases[] = {
        // Lines with 1, 3 and 2 cells give three rows of three.
        {"a\r\nb,c、d\r\ne,f", 0,
         "<TR>\r\n<TD >a</TD>\r\n<TD ></TD>\r\n<TD ></TD>\r\n</TR>\r\n"
         "<TR>\r\n<TD >b</TD>\r\n<TD >c</TD>\r\n<TD >d</TD>\r\n</TR>\r\n"
         "<TR>\r\n<TD >e</TD>\r\n<TD >f</TD>\r\n<TD ></TD>\r\n</TR>\r\n"},
        // A blank line gives a row of empty cells; blanks around a separator stay; "，" separates nothing.
        {"a , b\r\n\r\nc，d", 0,
         "<TR>\r\n<TD >a </TD>\r\n<TD > b</TD>\r\n</TR>\r\n"
         "<TR>\r\n<TD ></TD>\r\n<TD ></TD>\r\n</TR>\r\n"
         "<TR>\r\n<TD >c，d</TD>\r\n<TD ></TD>\r\n</TR>\r\n"},
        {"a\r\n\r\n", 0, "<TR>\r\n<TD >a</TD>\r\n</TR>\r\n<TR>\r\n<TD ></TD>\r\n</TR>\r\n"},
        {"a,b\r\nc,d", 2, "<TR>\r\n<TH >a</TH>\r\n<TD >b</TD>\r\n</TR>\r\n<TR>\r\n<TH >c</TH>\r\n<TD >d</TD>\r\n</TR>\r\n"},
        {"a,b\r\nc,d", 3, "<TR>\r\n<TH >a</TH>\r\n<TH >b</TH>\r\n</TR>\r\n<TR>\r\n<TH >c</TH>\r\n<TD >d</TD>\r\n</TR>\r\n"},
    };
    for (const Case& c : cases) {
        gen::TableInput in = shippedTable(QString::fromUtf8(c.source));
        in.headers = c.headers;
        in.cellAlign = 0;
        EXPECT_EQ(rowsOf(gen::makeTable(in)), QString::fromUtf8(c.rows)) << c.source;
    }
}

TEST(TableGenerator, CellPositionCarriesBothAlignments)
{
    struct Case { int align; int valign; const char* piece; };
    const Case cases[] = {
        {0, 1, ""},
        {1, 1, " align=\"center\""},
        {2, 1, " align=\"right\""},
        {2, 0, " align=\"right\" valign=\"top\""},
        {0, 2, " valign=\"bottom\""},
        {1, 2, " align=\"center\" valign=\"bottom\""},
    };
    for (const Case& c : cases) {
        gen::TableInput in = shippedTable("x");
        in.headers = 0;
        in.cellAlign = c.align;
        in.cellValign = c.valign;
        EXPECT_EQ(rowsOf(gen::makeTable(in)), QStringLiteral("<TR>\r\n<TD %1>x</TD>\r\n</TR>\r\n").arg(c.piece)) << c.align << c.valign;
    }
}

TEST(TableGenerator, StartTagPieces)
{
    struct Case { void (*set)(gen::TableInput&); const char* startTag; };
    const Case cases[] = {
        {[](gen::TableInput& in) { in.border = "0"; in.frame = 8; in.rules = 3; },
         "<TABLE  align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\">"},
        {[](gen::TableInput& in) { in.border = "abc"; in.tableAlign = 0; in.background = "#000000"; in.borderColour = ""; in.frame = 0; in.rules = 1; },
         "<TABLE  align=\"left\" bordercolorlight=\"#0000FF\" bordercolordark=\"#0000A0\" frame=\"border\" rules=\"rows\">"},
        {[](gen::TableInput& in) { in.border = ""; in.tableAlign = 2; in.background = ""; in.borderColour = ""; in.lightColour = " "; in.darkColour = "#000080"; in.frame = 3; in.rules = 2; },
         "<TABLE  align=\"right\" bgcolor=\"\" frame=\"hsides\" rules=\"cols\">"},
        {[](gen::TableInput& in) { in.borderColour = " "; in.lightColour = ""; in.frame = 6; },
         "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\" \" frame=\"rhs\" rules=\"all\">"},
        // The horizontal spacing box gives hspace, the vertical one vspace, both as typed.
        {[](gen::TableInput& in) { in.horizontalSpacing = "5mm"; in.verticalSpacing = "7"; in.height = "100"; in.width = "0.1"; },
         "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\" frame=\"box\" rules=\"all\" hspace=\"5mm\" vspace=\"7\" height=\"286\">"},
        {[](gen::TableInput& in) { in.horizontalSpacing = "abc"; in.verticalSpacing = "0"; in.width = "0.875"; },
         "<TABLE  border=\"3\" align=\"center\" bgcolor=\"#CEFFCE\" bordercolor=\"#008040\" frame=\"box\" rules=\"all\" width=\"2\">"},
    };
    for (const Case& c : cases) {
        gen::TableInput in = shippedTable("x");
        c.set(in);
        const QString table = gen::makeTable(in).before;
        EXPECT_EQ(table.left(table.indexOf("\r\n")), QString::fromUtf8(c.startTag));
    }
}

TEST(TableGenerator, CaptionOnTopFor上AtTheBottomFor下)
{
    struct Case { int position; const char* caption; };
    const Case cases[] = {{1, "<CAPTION align=\"top\"> 時間割 </CAPTION>\r\n"}, {0, "<CAPTION align=\"bottom\"> 時間割 </CAPTION>\r\n"}};
    for (const Case& c : cases) {
        gen::TableInput in = shippedTable("x");
        in.title = QStringLiteral(" 時間割 ");
        in.captionPosition = c.position;
        EXPECT_TRUE(gen::makeTable(in).before.startsWith(shippedStartTag + QString::fromUtf8(c.caption) + "<TR>"));
    }
    gen::TableInput blank = shippedTable("x");
    blank.title = "   ";
    EXPECT_FALSE(gen::makeTable(blank).before.contains("CAPTION"));
}

TEST(TableGenerator, ASelectionIsTheSourceAndIsReplaced)
{
    const gen::EditorState ed = editorSelecting(QStringLiteral("前x、y後"), QStringLiteral("x、y"));
    gen::TableInput in = shippedTable("old");
    in.editor = ed;
    const gen::GeneratedEdit e = gen::makeTable(in);
    const AppliedText a = applyEdit(ed, e);
    const QString table = shippedStartTag + "<TR>\r\n<TH  align=\"center\">x</TH>\r\n<TH  align=\"center\">y</TH>\r\n</TR>\r\n</TABLE>";
    EXPECT_EQ(a.text, QStringLiteral("前") + table + QStringLiteral("後"));
    EXPECT_EQ(paintedPieces(a), QStringList{table});
    EXPECT_EQ(a.selStart, 1 + table.size());
    EXPECT_EQ(e.fields, (QList<gen::FieldWrite>{{ControlRef(table_panel::DataBox), QStringLiteral("x、y")}}));
}

TEST(TableGenerator, NothingToMakeChangesNothing)
{
    for (const gen::EditorState& ed : {editorWith("a   b", 1, 3), editorWith("ab", 1, 0)}) {
        gen::TableInput in = shippedTable(ed.selLength > 0 ? "x" : "  ");
        in.editor = ed;
        const gen::GeneratedEdit e = gen::makeTable(in);
        EXPECT_FALSE(e.changesText());
        EXPECT_FALSE(e.message.has_value());
        EXPECT_TRUE(e.fields.isEmpty());
        EXPECT_TRUE(e.hide.isEmpty());
    }
    gen::TableInput huge = shippedTable("x");
    huge.height = "1E10";
    EXPECT_EQ(gen::makeTable(huge).message->text, gen::tooLargeMessage());
    EXPECT_FALSE(gen::makeTable(huge).changesText());
}

TEST(TableGenerator, SampleRows)
{
    EXPECT_EQ(gen::sampleTableText(), QStringLiteral("曜日/時間 、月曜、火曜、水曜、木曜、金曜　\r\n"
                                                     "1時間目   、国語、算数、理科、社会、美術  \r\n"
                                                     "2時間目   、音楽、算数、理科、社会、英語  \r\n"
                                                     "3時間目   、算数、社会、理科、美術、国語  \r\n"
                                                     "4時間目   、社会、理科、音楽、美術、算数  \r\n"));
    const gen::GeneratedEdit e = gen::makeTable(shippedTable(gen::sampleTableText()));
    EXPECT_EQ(e.before.count("<TR>"), 5);
    EXPECT_EQ(e.before.count("<TH "), 6);
    EXPECT_TRUE(e.before.contains(QStringLiteral("<TD  align=\"center\">算数  </TD>")));
}

} // namespace

#include "EditingFixture.h"
#include "editor/EditorMenus.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"
#include "workspace/DocumentText.h"

#include <QTest>

class Edit2MenuTest : public EditingFixture {};

TEST_F(Edit2MenuTest, EachItemDoesItsWork)
{
    const CommandRow rows[] = {
        {edit2_menu::InsertSpace, "ab«»", "ab&nbsp;«»", {{2, 6}}},
        {edit2_menu::InsertLineBreak, "ab«cd»ef", "ab<BR>«»cdef"},
        {edit2_menu::InsertLineBreak, "«»ab", "«»ab"},
        // Paragraph and position, by their generators: the start tag's line, then the selection.
        {edit2_menu::InsertAlignedParagraph, "ab«cd»", "ab<P>\r\n«»cd</P>\r\n", {{2, 5}, {9, 6}}},
        {edit2_menu::InsertAlignedDivision, "ab«cd»", "ab<DIV>\r\n«»cd</DIV>\r\n", {{2, 7}, {11, 8}}},
        {edit2_menu::LargerText, "ab«cd»ef", "ab<FONT SIZE=\"+1\">«»cd</FONT>ef", {{2, 16}, {20, 7}}},
        {edit2_menu::SmallerText, "ab«cd»ef", "ab<FONT SIZE=\"-1\">«»cd</FONT>ef", {{2, 16}, {20, 7}}},
        {edit2_menu::Bold, "ab«cd\r\n»ef", "ab<B>«»cd</B>\r\nef", {{2, 3}, {7, 4}}},
        {edit2_menu::Bold, "ab«»ef", "ab«»ef"},
        {edit2_menu::ShowColourPicker, "ab«cd»", "ab«cd»"},
        {edit2_menu::ShowTagDictionary, "ab«cd»", "ab«cd»"},
        {edit2_menu::ShowRegionHelp, "ab«cd»", "ab«cd»"},
        {edit2_menu::HideSelection, "a«b»c", "«»a<!--Reg001-->c"},
        {edit2_menu::Indent, "«»<TABLE><TR><TD>セル</TD></TR></TABLE>", "«»\r\n<TABLE>\r\n\t<TR>\r\n\t\t<TD>セル</TD>\r\n\t</TR>\r\n</TABLE>"},
        {edit2_menu::RemoveIndent, "\t<P>\r\n\t\tx\t«»y", "<P>\r\nx«»y"},
        {edit2_menu::IndentSettings, "ab«»", "ab«»"}, // the line-length panel belongs to the construct panels
    };
    runRows(rows);
}

TEST_F(Edit2MenuTest, ReindentingIsExactAndTwiceGivesTheSameTextAndOneUndoTakesItBack)
{
    const QString page = QStringLiteral(
        "<HTML><BODY>\r\n<TABLE><TR><TD>\r\n<TABLE><TR><TD>内</TD></TR></TABLE>\r\n</TD></TR></TABLE>\r\n"
        "<DIV><UL><LI>一つ<LI><B>二つ</B></UL></DIV>\r\n</BODY></HTML>");
    const QString expected = QStringLiteral(
        "\r\n<HTML>\r\n\t<BODY>\r\n\t\t<TABLE>\r\n\t\t\t<TR>\r\n\t\t\t\t<TD>\r\n\t\t\t\t<TABLE>\r\n\t\t\t\t\t<TR>\r\n"
        "\t\t\t\t\t\t<TD>内</TD>\r\n\t\t\t\t\t</TR>\r\n\t\t\t\t</TABLE>\r\n\t\t\t\t</TD>\r\n\t\t\t</TR>\r\n\t\t</TABLE>\r\n"
        "\t\t<DIV>\r\n\t\t\t<UL><LI>一つ<LI><B>二つ</B></UL>\r\n\t\t</DIV>\r\n\t</BODY>\r\n</HTML>");
    setDocument(page, {0, 0});
    w().commands.invoke(edit2_menu::Indent);
    EXPECT_EQ(ed()->text(), expected);
    w().commands.invoke(edit2_menu::Indent);
    EXPECT_EQ(ed()->text(), expected);
    EXPECT_TRUE(red().isEmpty());

    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), page) << "the second run changed nothing, so one step goes back to the start";

    // Removing the indentation takes every tab, typed ones too, and can be undone.
    setDocument("a\tb«»");
    w().commands.invoke(edit2_menu::RemoveIndent);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("a\tb"));
}

TEST_F(Edit2MenuTest, ReindentingKeepsFoldedRegionsExpandable)
{
    Document& d = w().ws.current();
    d.regions[1] = QStringLiteral("<TD>一</TD>");
    setDocument(QStringLiteral("<TABLE><TR>") + regionMarker(1) + QStringLiteral("</TR></TABLE>"), {0, 0});
    w().commands.invoke(edit2_menu::Indent);
    EXPECT_EQ(expandRegions(ed()->text(), d.regions),
              QStringLiteral("\r\n<TABLE>\r\n\t<TR>\r\n\t\t<TD>一</TD>\r\n\t</TR>\r\n</TABLE>"));
}

TEST_F(Edit2MenuTest, RegionAndHeaderItemsFoldAndGiveBack)
{
    const QString page = QStringLiteral("<HTML><BODY>\r\n本文\r\n</BODY></HTML>");
    // Show the selection only (header and footer go first), then everything again.
    setDocument(page, {14, 2});
    w().commands.invoke(edit2_menu::ShowOnlySelection);
    EXPECT_EQ(ed()->text(), QStringLiteral("本文\r\n"));
    w().commands.invoke(edit2_menu::ShowAllRegions);
    EXPECT_EQ(ed()->text(), page);
    // Hide the selection, then unfold that one region by selecting its marker.
    setDocument(page, {14, 2});
    w().commands.invoke(edit2_menu::HideSelection);
    EXPECT_EQ(ed()->text(), QStringLiteral("<HTML><BODY>\r\n<!--Reg001-->\r\n</BODY></HTML>"));
    select(ed(), {14, 13});
    w().commands.invoke(edit2_menu::ShowHiddenPart);
    EXPECT_EQ(ed()->text(), page);
    // Header and footer away and back.
    setDocument(page, {0, 0});
    w().commands.invoke(edit2_menu::HideHeaderAndFooter);
    EXPECT_EQ(ed()->text(), QStringLiteral("本文\r\n"));
    w().commands.invoke(edit2_menu::ShowHeaderAndFooter);
    EXPECT_EQ(ed()->text(), page);
}

TEST_F(Edit2MenuTest, LineBreakLeavesNothingForTheEditorsOwnUndo)
{
    setDocument("ab«»");
    QTest::keyClicks(ed(), QStringLiteral("c"));
    w().commands.invoke(edit2_menu::InsertLineBreak);
    EXPECT_EQ(ed()->text(), QStringLiteral("abc<BR>"));
    EXPECT_FALSE(ed()->canUndo());
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("abc"));
}

TEST_F(Edit2MenuTest, IndexTenReappliesTheSchemeAndClearsTheMarks)
{
    setDocument("ab«cd»");
    w().commands.invoke(edit2_menu::Bold);
    ASSERT_FALSE(red().isEmpty());
    w().edit2.reapplyColourScheme();
    EXPECT_TRUE(red().isEmpty());
    EXPECT_EQ(ed()->text(), QStringLiteral("ab<B>cd</B>"));
}

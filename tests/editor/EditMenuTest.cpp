#include "EditingFixture.h"
#include "editor/EditorMenus.h"
#include "editor/EditorControls.h"

#include "editor/EditApply.h"
#include "editor/PasteMode.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "workspace/DocumentText.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {
const char* const NoSelection = "範囲が指定されていません";

} // namespace

class EditMenuTest : public EditingFixture {};

TEST_F(EditMenuTest, ItemsOnTheSourceTab)
{
    const char* const question = "このモードは　<  や  > を特殊なタグに変換します。";
    const CommandRow rows[] = {
        {edit_menu::Cut, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {edit_menu::Cut, "ab«»ef", "ab«»ef", {}, "old", "old"},
        {edit_menu::Copy, "ab«日本»ef", "ab«日本»ef", {}, "old", "日本"},
        {edit_menu::Paste, "ab«cd»ef", "abXY«»ef", {}, "XY"},
        {edit_menu::Paste, "ab«»ef", "ab行\r\n«»ef", {}, "行\n"}, // the clipboard's LF becomes the editor's CR LF
        {edit_menu::InsertLineBreak, "ab«cd»ef", "ab<BR>«»cdef"},
        {edit_menu::InsertLineBreak, "«»ab", "«»ab"},
        {edit_menu::RemoveLineBreakMarks, "x«a<BR>b<br>c<Br>»y", "xabc«»y"},
        {edit_menu::RemoveLineBreakMarks, "x«»y", "x«»y", {}, nullptr, nullptr, NoSelection},
        {edit_menu::InsertLineBreakMarks, "«a\r\nb\r\n»c", "a<BR>\r\nb<BR>\r\n«»c"},
        {edit_menu::InsertLineBreakMarks, "a«»b", "a«»b", {}, nullptr, nullptr, NoSelection},
        {edit_menu::InsertSpace, "ab«»", "ab&nbsp;«»", {{2, 6}}}, // the space generator
        {edit_menu::RemoveAllSpaces, "a\r\nb\r\n«»c\r\n", "ab«»c"},
        // Tag and attribute names change; quoted values, text and comments keep their letters.
        {edit_menu::TagsToUpperCase, "«»<a href=\"Page.html\">Text</a><!-- x -->", "«»<A HREF=\"Page.html\">Text</A><!-- x -->"},
        {edit_menu::TagsToLowerCase, "<P ALIGN=\"Right\">X«»</P>", "<p align=\"Right\">X«»</p>"},
        {edit_menu::ConvertSpecialCharacters, "«a<b>»", "a&lt;b&gt;«»"},
        {edit_menu::ConvertSpecialCharacters, "«&amp;»", "&amp;amp;«»"},
        {edit_menu::ConvertSpecialCharacters, "«»a < b", "«»a < b"}, // no selection and nothing like HTML: nothing
        {edit_menu::ConvertSpecialCharacters, "«»<BR>&", "«»&lt;BR&gt;&amp;", {}, nullptr, nullptr, question, MsgResult::Yes},
        {edit_menu::ConvertSpecialCharacters, "«»<BR>&", "«»<BR>&", {}, nullptr, nullptr, question, MsgResult::No},
        {edit_menu::Recolour, "<B>«»x</B>", "<B>«»x</B>"},
        {edit_menu::SelectAll, "ab«»cd", "«abcd»"},
        {edit_menu::ClearAll, "ab«c»d", "«»", {}, nullptr, nullptr, "全てのテキストを削除します。", MsgResult::Yes},
        {edit_menu::ClearAll, "ab«c»d", "ab«c»d", {}, nullptr, nullptr, "全てのテキストを削除します。", MsgResult::No},
        {edit_menu::DirectSearch, "ab«»cd", "ab«»cd", {}, "cd"}, // the direct search runs from the preview only
        {edit_menu::ShowEditingHelp, "ab«»cd", "ab«»cd"},
    };
    runRows(rows);

    // The header and footer item wraps a text that has no page around it in one.
    setDocument("ab«»cd");
    w().commands.invoke(edit_menu::InsertHeaderAndFooter);
    const QString version = QStringLiteral("%1.%2.%3").arg(PELMOR_VERSION_MAJOR).arg(PELMOR_VERSION_MINOR).arg(PELMOR_VERSION_PATCH);
    EXPECT_EQ(ed()->text(), QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<HTML lang=\"ja\">\r\n"
                                          "<HEAD>\r\n<META name=\"GENERATOR\" content=\"ZUDOzediva ")
                                + version
                                + QStringLiteral(" for Windows\">\r\n<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" >\r\n"
                                                 "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n<TITLE></TITLE>\r\n"
                                                 "</HEAD>\r\n<BODY>\r\nabcd\r\n</BODY>\r\n</HTML>"));
    setDocument("<HTML><BODY>x«»</BODY></HTML>");
    w().commands.invoke(edit_menu::InsertHeaderAndFooter);
    EXPECT_EQ(ed()->text(), QStringLiteral("<HTML><BODY>x</BODY></HTML>")) << "a page stays as it is";
}

TEST_F(EditMenuTest, EveryItemEmptiesTheEditorsUndoAndThePopupsDoNot)
{
    for (CommandId item : {edit_menu::Cut, edit_menu::InsertLineBreak, edit_menu::Recolour, edit_menu::SelectAll}) {
        setDocument("ab«cd»");
        QTest::keyClicks(ed(), QStringLiteral("x"));
        select(ed(), {0, 1});
        w().commands.invoke(item);
        EXPECT_FALSE(ed()->canUndo()) << item.key;
    }
    setDocument("ab«cd»");
    QTest::keyClicks(ed(), QStringLiteral("x"));
    select(ed(), {0, 1});
    w().commands.invoke(editor_popup::Recolour);
    EXPECT_TRUE(ed()->canUndo());
}

TEST_F(EditMenuTest, OnThePreviewTabOnlyTheDirectSearchActs)
{
    setDocument("ab«cd»ef");
    w().ws.selectPreviewTab(0);
    for (CommandId item : {edit_menu::Cut, edit_menu::InsertLineBreak, edit_menu::RemoveAllSpaces, edit_menu::SelectAll})
        w().commands.invoke(item);
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
    EXPECT_TRUE(w().ws.previewTabSelected());
}

TEST_F(EditMenuTest, DirectSearchFindsTheCopiedPassageInTheSource)
{
    setDocument("<P>一行目\r\n二行目</P>\r\n<P>一行目二行目</P>«»");
    w().ws.selectPreviewTab(0);
    QApplication::clipboard()->setText(QStringLiteral("一行目\r\n二行目"));
    w().commands.invoke(edit_menu::DirectSearch);
    // Found without its line break: where the source holds it on one line.
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
    EXPECT_EQ(selectionOf(ed()), (Selection{20, 6}));
    EXPECT_EQ(w().controls.get<QLineEdit>(search_panel::Word)->text(), QStringLiteral("一行目二行目"));
    EXPECT_TRUE(w().controls.get<QRadioButton>(search_panel::OneAtATime)->isChecked());
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());


    w().ws.selectPreviewTab(0);
    QApplication::clipboard()->setText(QStringLiteral("ない"));
    dialogs.expectMsg(QStringLiteral("検索文字が見つかりません。 検索文字 = ない"));
    w().commands.invoke(edit_menu::DirectSearch);
    QApplication::clipboard()->clear();
    dialogs.expectMsg(QStringLiteral("文字を選択して、コピーをして下さい。"));
    w().commands.invoke(edit_menu::DirectSearch);
    EXPECT_TRUE(w().ws.previewTabSelected());
}

// The desktop's clipboard carries a line break copied out of the preview as LF alone.
TEST_F(EditMenuTest, DirectSearchFindsAPassageCopiedWithALineFeed)
{
    setDocument("<P>一行目\r\n二行目</P>\r\n<P>一行目二行目</P>«»");
    w().ws.selectPreviewTab(0);
    QApplication::clipboard()->setText(QStringLiteral("一行目\n二行目"));
    w().commands.invoke(edit_menu::DirectSearch);
    EXPECT_EQ(w().ws.tabStrip().currentIndex(), 1);
    EXPECT_EQ(selectionOf(ed()), (Selection{20, 6}));
    EXPECT_EQ(w().controls.get<QLineEdit>(search_panel::Word)->text(), QStringLiteral("一行目二行目"));
}

TEST_F(EditMenuTest, UndoStepsBackThroughTheCommandsAndEndsPasteMode)
{
    setDocument("«<a>»");
    w().commands.invoke(edit_menu::TagsToUpperCase);
    ASSERT_EQ(ed()->text(), QStringLiteral("<A>"));
    w().pasteMode.active.set(true);
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("<a>")) << "tag case can be undone";
    EXPECT_FALSE(w().pasteMode.active.value());

    setDocument("«a\r\nb»");
    w().commands.invoke(edit_menu::InsertLineBreakMarks);
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("a\r\nb")) << "line-break marks can be undone";

    setDocument("a«»");
    dialogs.expectMsg(QStringLiteral("全てのテキストを削除します。"), MsgResult::Yes);
    w().commands.invoke(edit_menu::ClearAll);
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("a")) << "clearing can be undone";
}

TEST_F(EditMenuTest, CtrlVPastesOnce)
{
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    setDocument("ab«»");
    QApplication::clipboard()->setText(QStringLiteral("貼"));
    QTest::keyClick(ed(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab貼"));
    // The paste came through the menu: one undo step takes it back.
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
}

TEST_F(EditMenuTest, CtrlVInAPanelsExplanationPastesNothing)
{
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    setDocument("ab«»");
    w().commands.invoke(edit_menu::Search);
    auto* explanation = w().controls.get<QPlainTextEdit>(search_panel::Explanation);
    const QString before = explanation->toPlainText();
    explanation->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("貼"));
    w().commands.invoke(edit_menu::Paste);
    EXPECT_EQ(explanation->toPlainText(), before);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
}

TEST_F(EditMenuTest, CutAndCopyTakeTheSelectionOfTheFocusedTextBox)
{
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    w().commands.invoke(edit_menu::Search);
    auto* box = w().controls.get<QLineEdit>(search_panel::Word);
    setDocument("ab«cd»ef");
    box->setText(QStringLiteral("検索語"));
    box->setFocus();
    box->setSelection(0, 2);
    ASSERT_EQ(QApplication::focusWidget(), box);
    w().editMenu.cutSelection();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("検索"));
    EXPECT_EQ(box->text(), QStringLiteral("語"));
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
}

TEST_F(EditMenuTest, LineBreakMarksKeepRegionMarkersWhole)
{
    Document& d = w().ws.current();
    d.regions[1] = QStringLiteral("folded");
    // The caret inside the marker: the mark goes behind it.
    setDocument(QStringLiteral("a") + regionMarker(1) + QStringLiteral("b"), {5, 0});
    w().commands.invoke(edit_menu::InsertLineBreak);
    EXPECT_EQ(ed()->text(), QStringLiteral("a") + regionMarker(1) + QStringLiteral("<BR>b"));
    EXPECT_EQ(expandRegions(ed()->text(), d.regions), QStringLiteral("afolded<BR>b"));
}

TEST_F(EditMenuTest, SelectBodySelectsInsideTheBody)
{
    setDocument("<html><body bgcolor=red>\r\nabc\r\n</body></html>«»");
    w().editMenu.selectBody();
    EXPECT_EQ(selectionOf(ed()), (Selection{24, 7}));
    setDocument("</BODY><BODY>x«»");
    w().editMenu.selectBody();
    EXPECT_EQ(selectionOf(ed()), (Selection{0, 14}));
}

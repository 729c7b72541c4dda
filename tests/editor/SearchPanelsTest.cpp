#include "EditingFixture.h"
#include "editor/EditorMenus.h"
#include "editor/EditorControls.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// A Japanese text with line breaks; "ｈｔｍｌ" and "HTML" differ in width, "html" and "HTML" only in case.
const char* const Page = "日本語のHTML\r\nテキストとhtml\r\n最後はHtml";

} // namespace

class SearchPanelsTest : public EditingFixture {
protected:
    void press(ExecuteButton button) { w().dispatcher.press(button); }
    QLineEdit* box(ControlId id) { return w().controls.get<QLineEdit>(id); }
    QRadioButton* option(ControlId id) { return w().controls.get<QRadioButton>(id); }
    QWidget* button(int number) { return w().controls.get<QWidget>(ExecuteButtons, number); }
    QWidget* panel(ControlId id) { return w().controls.get<QWidget>(id); }
    void searchFor(const QString& word)
    {
        w().commands.invoke(edit_menu::Search);
        box(search_panel::Word)->setText(word);
    }
    void replace(const QString& find, const QString& by)
    {
        w().commands.invoke(edit_menu::Replace);
        box(replace_panel::FindBox)->setText(find);
        box(replace_panel::ReplacementBox)->setText(by);
    }
};

TEST_F(SearchPanelsTest, OneAtATimeIgnoresCaseFromTheTopAndStartsAgainAfterTheLast)
{
    setDocument(Page);
    searchFor(QStringLiteral("html"));
    EXPECT_TRUE(panel(search_panel::Panel)->isVisible());
    EXPECT_EQ(w().controls.get<QPlainTextEdit>(search_panel::Explanation)->toPlainText(),
              QStringLiteral("テキストボックスの中の文字を検索します「一つずつ検索」は見つかった文字を一つずつ選択します。\n"
                             "「全部検索」は見つかった文字を全て赤で表示します。"));
    const Selection expected[] = {{4, 4}, {15, 4}, {24, 4}};
    for (const Selection& s : expected) {
        press(ExecuteButton::Search);
        EXPECT_EQ(selectionOf(ed()), s);
    }
    press(ExecuteButton::Search); // after the last one: nothing changes
    EXPECT_EQ(selectionOf(ed()), expected[2]);
    press(ExecuteButton::Search); // and then the top again
    EXPECT_EQ(selectionOf(ed()), expected[0]);
    // A changed word starts at the top.
    box(search_panel::Word)->setText(QStringLiteral("テキスト"));
    press(ExecuteButton::Search);
    EXPECT_EQ(selectionOf(ed()), (Selection{10, 4}));
}

TEST_F(SearchPanelsTest, AWordAtTheVeryEndIsFoundEachTime)
{
    setDocument("«»xaa");
    searchFor(QStringLiteral("a"));
    press(ExecuteButton::Search);
    EXPECT_EQ(selectionOf(ed()), (Selection{1, 1}));
    press(ExecuteButton::Search);
    EXPECT_EQ(selectionOf(ed()), (Selection{2, 1}));
}

TEST_F(SearchPanelsTest, HighlightAllPaintsBlueAndEveryOccurrenceRed)
{
    setDocument("abcXabcXab«»");
    searchFor(QStringLiteral("abc"));
    option(search_panel::EveryOccurrence)->setChecked(true);
    press(ExecuteButton::Search);
    EXPECT_FALSE(panel(search_panel::Panel)->isVisible());
    EXPECT_EQ(red(), (QList<MarkRange>{{0, 3}, {4, 3}}));
    EXPECT_EQ(blue(), (QList<MarkRange>{{3, 1}, {7, 3}}));
    EXPECT_EQ(selectionOf(ed()), (Selection{4, 3}));

    searchFor(QStringLiteral("  "));
    press(ExecuteButton::Search);
    EXPECT_TRUE(red().isEmpty());
    EXPECT_EQ(blue(), (QList<MarkRange>{{0, 10}}));
    EXPECT_EQ(selectionOf(ed()), (Selection{0, 10}));
}

TEST_F(SearchPanelsTest, AnEmptySearchWordDoesNothing)
{
    setDocument("ab«»cd");
    searchFor(QString());
    press(ExecuteButton::Search);
    EXPECT_EQ(marked(ed()), QStringLiteral("ab«»cd"));
}

TEST_F(SearchPanelsTest, ReplacePanelShowsTheOneAtATimeButtonsAndSwitches)
{
    setDocument("x«日本»y");
    w().commands.invoke(edit_menu::Replace);
    EXPECT_TRUE(panel(replace_panel::Panel)->isVisible());
    EXPECT_EQ(box(replace_panel::FindBox)->text(), QStringLiteral("日本"));
    EXPECT_TRUE(box(replace_panel::ReplacementBox)->text().isEmpty());
    EXPECT_TRUE(option(replace_panel::OneAtATime)->isChecked());
    const auto shown = [this] {
        std::vector<int> out;
        for (int i : {83, 85, 86, 87}) {
            if (!button(i)->isHidden())
                out.push_back(i);
        }
        return out;
    };
    EXPECT_EQ(shown(), (std::vector<int>{85, 86}));
    option(replace_panel::AllAtOnce)->setChecked(true);
    EXPECT_EQ(shown(), (std::vector<int>{87}));
    w().commands.invoke(edit_menu::Replace);
    EXPECT_EQ(shown(), (std::vector<int>{85, 86}));
}

TEST_F(SearchPanelsTest, FindNextIsExactAndMovesOnFromAMatchAtTheStart)
{
    setDocument("«»abAbab");
    replace(QStringLiteral("ab"), QStringLiteral("x"));
    select(ed(), {0, 0});
    press(ExecuteButton::FindNext);
    EXPECT_EQ(selectionOf(ed()), (Selection{0, 2})) << "the caret at the very start finds a match there";
    press(ExecuteButton::FindNext);
    EXPECT_EQ(selectionOf(ed()), (Selection{4, 2})) << "Ab differs in case";
    press(ExecuteButton::FindNext);
    EXPECT_EQ(selectionOf(ed()), (Selection{4, 2})) << "nothing further";

    // From a caret inside the text, the character at the caret is skipped.
    setDocument("日本\r\n日本語");
    replace(QStringLiteral("日本"), QString());
    select(ed(), {2, 0});
    press(ExecuteButton::FindNext);
    EXPECT_EQ(selectionOf(ed()), (Selection{4, 2}));
    select(ed(), {4, 0});
    press(ExecuteButton::FindNext);
    EXPECT_EQ(selectionOf(ed()), (Selection{4, 0})) << "the match at the caret is passed over";
}

TEST_F(SearchPanelsTest, ReplaceOneGoesOnFromTheEndOfTheReplacement)
{
    setDocument("«»aaaa");
    replace(QStringLiteral("a"), QStringLiteral("XYZ"));
    select(ed(), {0, 0});
    press(ExecuteButton::FindNext);
    for (int i = 0; i < 4; ++i)
        press(ExecuteButton::ReplaceOne);
    EXPECT_EQ(ed()->text(), QStringLiteral("XYZXYZXYZXYZ"));
    press(ExecuteButton::ReplaceOne); // nothing selected any more: nothing happens
    EXPECT_EQ(ed()->text(), QStringLiteral("XYZXYZXYZXYZ"));

    // A selection that is no occurrence is replaced all the same.
    setDocument("«bb»ab");
    replace(QStringLiteral("a"), QStringLiteral("日"));
    select(ed(), {0, 2});
    press(ExecuteButton::ReplaceOne);
    EXPECT_EQ(marked(ed()), QStringLiteral("日«a»b"));
}

TEST_F(SearchPanelsTest, ReplaceAllIsExactOneStepAndClosesThePanel)
{
    setDocument("日本語と日本\r\nにほん日本«»");
    replace(QStringLiteral("日本"), QStringLiteral("ニッポン"));
    press(ExecuteButton::ReplaceAll);
    EXPECT_EQ(ed()->text(), QStringLiteral("日本語と日本\r\nにほん日本")) << "one at a time is chosen";
    option(replace_panel::AllAtOnce)->setChecked(true);
    press(ExecuteButton::ReplaceAll);
    EXPECT_EQ(ed()->text(), QStringLiteral("ニッポン語とニッポン\r\nにほんニッポン"));
    EXPECT_FALSE(panel(replace_panel::Panel)->isVisible());
    EXPECT_EQ(ed()->styleAt(0), 0) << "coloured afresh";
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("日本語と日本\r\nにほん日本"));

    replace(QString(), QStringLiteral("x"));
    option(replace_panel::AllAtOnce)->setChecked(true);
    press(ExecuteButton::ReplaceAll);
    EXPECT_EQ(ed()->text(), QStringLiteral("日本語と日本\r\nにほん日本")) << "an empty find text does nothing";
}

TEST_F(SearchPanelsTest, CloseButtonsHideTheirPanels)
{
    for (const auto& [opener, frame, closers] :
         {std::tuple{edit_menu::Search, search_panel::Panel, std::vector<ExecuteButton>{ExecuteButton::CloseSearchPanel, ExecuteButton::SearchPanelCloseBox}},
          std::tuple{edit_menu::Replace, replace_panel::Panel, std::vector<ExecuteButton>{ExecuteButton::ReplacePanelCloseBox, ExecuteButton::CloseReplacePanel}}}) {
        for (ExecuteButton closer : closers) {
            w().commands.invoke(opener);
            ASSERT_TRUE(panel(frame)->isVisible());
            press(closer);
            EXPECT_FALSE(panel(frame)->isVisible()) << buttonNumber(closer);
        }
    }
}

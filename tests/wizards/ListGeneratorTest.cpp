#include "wizards/generators/ListGenerator.h"

#include "ApplyEdit.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ListGenerator, SelectedLinesBecomeItems)
{
    const gen::EditorState ed = editorSelecting("X\r\nA\r\nB\r\nC\r\nrest", "A\r\nB\r\nC\r\n");
    const gen::GeneratedEdit e = gen::makeList({ed, 2, 1});
    const AppliedText a = applyEdit(ed, e);
    EXPECT_EQ(a.text, "X\r\n\r\n\r\n<OL>\r\n<LI>A\r\n<LI>B\r\n<LI>C\r\n\r\n</OL>\r\nrest");
    EXPECT_EQ(paintedPieces(a), (QStringList{"\r\n\r\n<OL>\r\n", "<LI>", "<LI>", "<LI>", "\r\n</OL>\r\n"}));
    EXPECT_EQ(a.selStart, a.text.indexOf("\r\n</OL>"));
    EXPECT_EQ(a.selLength, 0);
    EXPECT_EQ(e.hide, QList{ControlRef(list_panel::Panel)});
    EXPECT_TRUE(e.snapshot);
    // The replaced range never starts between a CR and its LF.
    ASSERT_TRUE(e.selectFirst.has_value());
    EXPECT_NE(ed.text[e.selectFirst->start], QLatin1Char('\n'));
}

TEST(ListGenerator, KindsAndBullets)
{
    struct Case { int kind; int bullet; const char* start; const char* item; const char* end; };
    const Case cases[] = {
        {1, 1, "<UL>", "<LI type=\"circle\">", "</UL>"},
        {1, 0, "<UL>", "<LI type=\"disk\">", "</UL>"},
        {1, 2, "<UL>", "<LI type=\"square\">", "</UL>"},
        {0, 0, "<UL>", "<LI>", "</UL>"},
        {2, 0, "<OL>", "<LI>", "</OL>"},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorSelecting("X\r\nA\r\n", "A\r\n");
        const AppliedText a = applyEdit(ed, gen::makeList({ed, c.kind, c.bullet}));
        EXPECT_EQ(a.text, QStringLiteral("X\r\n\r\n\r\n%1\r\n%2A\r\n\r\n%3\r\n").arg(c.start, c.item, c.end));
    }
}

TEST(ListGenerator, SelectionsThatAreNotWholeLines)
{
    struct Case { const char* text; int selStart; int selLength; const char* expected; };
    const Case cases[] = {
        // Starting inside a line: the character in front and the rest of that line come first.
        {"XY\r\nZ\r\nrest", 1, 6, "\r\n\r\n<OL>\r\nXY\r\n<LI>Z\r\n\r\n</OL>\r\nrest"},
        // At the very start of the text the start counts as the line feed in front.
        {"A\r\nB\r\nrest", 0, 6, "\r\n\r\n<OL>\r\n<LI>A\r\n<LI>B\r\n\r\n</OL>\r\nrest"},
        // The last selected character is kept when it is not a line feed.
        {"X\r\nA\r\nB", 3, 4, "X\r\n\r\n\r\n<OL>\r\n<LI>A\r\n<LI>B\r\n</OL>\r\n"},
        {"X\r\n日本\r\n語", 3, 5, "X\r\n\r\n\r\n<OL>\r\n<LI>日本\r\n<LI>語\r\n</OL>\r\n"},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorWith(QString::fromUtf8(c.text), c.selStart, c.selLength);
        EXPECT_EQ(applyEdit(ed, gen::makeList({ed, 2, 0})).text, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(ListGenerator, NothingSelected)
{
    const gen::GeneratedEdit e = gen::makeList({editorWith("A\r\nB", 1, 0), 1, 1});
    EXPECT_FALSE(e.changesText());
    EXPECT_EQ(e.hide, QList{gen::miniPanel()});
    EXPECT_EQ(e.message->text, QStringLiteral("項目が選択してありません。\r\n　長野県\r\n　山梨県\r\n　岐阜県\r\n　栃木県\r\n"
                                              "と言ったような、リストにしたい項目を入力してそれを\r\n選択してください。^_^;"));
}

} // namespace

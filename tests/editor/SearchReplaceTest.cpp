#include "editor/SearchReplace.h"
#include "EditPrinters.h"

#include <gtest/gtest.h>

namespace {

// Presses the search button of the one-at-a-time search and says what was selected.
struct Searcher {
    QString text;
    QString word;
    int searchPos = 1;
    std::optional<Selection> press()
    {
        const SearchStep step = searchStep(text, word, searchPos);
        searchPos = step.searchPos;
        return step.found;
    }
};

} // namespace

TEST(SearchPanel, OneAtATimeIgnoresCaseAndFindsTheLastCharacters)
{
    struct Case {
        const char* text;
        const char* word;
        int searchPos;
        std::optional<Selection> found;
        int nextPos;
    } cases[] = {
        {"abc ABC abc", "abc", 1, Selection{0, 3}, 2},
        {"abc ABC abc", "abc", 2, Selection{4, 3}, 6},
        {"abc ABC abc", "ABC", 6, Selection{8, 3}, 10},
        {"abc ABC abc", "abc", 10, std::nullopt, 1},
        {"abc", "abc", 0, Selection{0, 3}, 2},                     // 0 counts as 1
        {"xx end", "END", 1, Selection{3, 3}, 5},                  // only at the very end
        {"日本語\r\nテキスト\r\nてすと", "テキスト", 1, Selection{5, 4}, 7}, // CR LF counts two
        {"ＡＢＣの表", "ａｂｃ", 1, Selection{0, 3}, 2},               // full-width letters too
        {"abc", "abcd", 1, std::nullopt, 1},
        {"abc", "a", 9, std::nullopt, 1},                          // beyond the end: back to the top
        {"abc", "", 2, std::nullopt, 2},                           // an empty word does nothing
    };
    for (const auto& c : cases) {
        const SearchStep step = searchStep(u(c.text), u(c.word), c.searchPos);
        EXPECT_EQ(step.found, c.found) << c.text << " / " << c.word << " from " << c.searchPos;
        EXPECT_EQ(step.searchPos, c.nextPos) << c.text << " / " << c.word << " from " << c.searchPos;
    }
}

TEST(SearchPanel, AfterTheLastOccurrenceOnePressDoesNothingAndTheNextStartsAtTheTop)
{
    // A one-character word at the last position is found too, not skipped.
    Searcher s{u("xaa"), u("a")};
    EXPECT_EQ(s.press(), (Selection{1, 1}));
    EXPECT_EQ(s.press(), (Selection{2, 1}));
    EXPECT_EQ(s.press(), std::nullopt);
    EXPECT_EQ(s.press(), (Selection{1, 1}));
}

TEST(SearchPanel, HighlightAllMarksEveryOccurrenceAndSelectsTheLast)
{
    struct Case {
        const char* text;
        const char* word;
        QList<MarkRange> red;
        Selection selection;
    } cases[] = {
        {"abab", "ab", {{0, 2}, {2, 2}}, {2, 2}},          // one at the very start is red too
        {"aaa", "aa", {{0, 2}}, {0, 2}},                   // occurrences do not overlap
        {"AB ab", "ab", {{3, 2}}, {3, 2}},                 // case-sensitive
        {"行\r\n行", "行", {{0, 1}, {3, 1}}, {3, 1}},
        {"abc", "x", {}, {0, 3}},                          // none: the whole text stays selected
        {"abc", "  ", {}, {0, 3}},                         // blank word
        {"abc", "", {}, {0, 3}},
    };
    for (const auto& c : cases) {
        const Highlight h = highlightAll(u(c.text), u(c.word));
        EXPECT_EQ(h.occurrences, c.red) << c.text << " / " << c.word;
        EXPECT_EQ(h.selection, c.selection) << c.text << " / " << c.word;
    }
}

TEST(ReplacePanel, FindNextMovesOnFromTheSelection)
{
    struct Case {
        const char* text;
        Selection selection;
        const char* find;
        std::optional<Selection> found;
    } cases[] = {
        {"a-a-a", {0, 0}, "a", Selection{0, 1}}, // caret at 0: an occurrence at 0 is found
        {"a-a-a", {0, 1}, "a", Selection{2, 1}}, // that occurrence selected: the next one
        {"a-a-a", {2, 1}, "a", Selection{4, 1}},
        {"a-a-a", {4, 1}, "a", std::nullopt},    // no more: nothing changes
        {"A-a", {0, 0}, "a", Selection{2, 1}},   // case-sensitive
        {"行1\r\n行2\r\n行1", {0, 2}, "行1", Selection{8, 2}},
        {"abc", {1, 0}, "", std::nullopt},       // empty find text
    };
    for (const auto& c : cases)
        EXPECT_EQ(findNext(u(c.text), c.selection, u(c.find)), c.found) << c.text << " at " << c.selection.start;
}

TEST(ReplacePanel, ReplacingOneByOneContinuesBehindTheReplacement)
{
    QString text = u("aaaa");
    std::optional<Selection> sel = findNext(text, {0, 0}, u("a"));
    ASSERT_TRUE(sel);
    int presses = 0;
    while (sel && sel->length > 0 && presses < 10) {
        const std::optional<EditResult> r = replaceOne(text, *sel, u("a"), u("XYZ"));
        ASSERT_TRUE(r);
        text = r->text;
        sel = r->selection;
        ++presses;
    }
    EXPECT_EQ(text, u("XYZXYZXYZXYZ"));
    EXPECT_EQ(sel, (Selection{12, 0}));
}

TEST(ReplacePanel, ReplaceOneCases)
{
    struct Case {
        const char* text;
        Selection selection;
        const char* find;
        const char* replacement;
        std::optional<QString> text2;
        Selection selection2;
    } cases[] = {
        // The selection is replaced even when it is no occurrence; the next occurrence is selected.
        {"hello world", {0, 5}, "world", "X", u("X world"), {2, 5}},
        // A replacement that holds the find text is not found again.
        {"a a", {0, 1}, "a", "aa", u("aa a"), {3, 1}},
        {"日本\r\n日本", {0, 2}, "日本", "にほん", u("にほん\r\n日本"), {5, 2}},
        {"abc", {1, 0}, "b", "X", std::nullopt, {}},  // nothing selected
        {"abc", {1, 1}, "", "X", std::nullopt, {}},   // empty find text
    };
    for (const auto& c : cases) {
        const std::optional<EditResult> r = replaceOne(u(c.text), c.selection, u(c.find), u(c.replacement));
        ASSERT_EQ(r.has_value(), c.text2.has_value()) << c.text;
        if (r) {
            EXPECT_EQ(r->text, *c.text2) << c.text;
            EXPECT_EQ(r->selection, c.selection2) << c.text;
        }
    }
}

TEST(ReplacePanel, ReplaceAllCases)
{
    struct Case {
        const char* text;
        const char* find;
        const char* replacement;
        std::optional<QString> text2;
        int count;
    } cases[] = {
        {"a-a-a", "a", "bb", u("bb-bb-bb"), 3},
        {"aaa", "aa", "b", u("ba"), 1},             // from the start, not overlapping
        {"ab", "a", "aa", u("aab"), 1},             // the replacement is not searched again
        {"Aa", "a", "x", u("Ax"), 1},               // case-sensitive
        {"日本\r\n日本", "日本", "にほん", u("にほん\r\nにほん"), 2},
        {"a\r\nb", "\r\n", "", u("ab"), 1},
        {"abc", "x", "y", std::nullopt, 0},
        {"abc", "", "y", std::nullopt, 0},          // empty find text does nothing
    };
    for (const auto& c : cases) {
        const auto r = replaceAll(u(c.text), {0, 0}, u(c.find), u(c.replacement));
        ASSERT_EQ(r.has_value(), c.text2.has_value()) << c.text;
        if (r) {
            EXPECT_EQ(r->text, *c.text2) << c.text;
            EXPECT_EQ(r->count, c.count) << c.text;
        }
    }
    // The caret stays where it was, as far as the shorter text reaches.
    EXPECT_EQ(replaceAll(u("aaaa"), {3, 1}, u("aa"), u("b"))->selection, (Selection{2, 0}));
}

#include "editor/ToolbarWraps.h"
#include "EditPrinters.h"

#include <functional>
#include <gtest/gtest.h>

TEST(ToolbarButtons, StyleSizeAndAlignmentWraps)
{
    using Button = std::function<std::optional<Wrap>(const QString&, const Selection&)>;
    const auto style = [](int mode) -> Button {
        return [mode](const QString& t, const Selection& s) { return textStyleWrap(mode, t, s); };
    };
    const auto size = [](int mode) -> Button {
        return [mode](const QString& t, const Selection& s) { return fontSizeWrap(mode, t, s); };
    };
    const auto align = [](int mode) -> Button {
        return [mode](const QString&, const Selection& s) { return alignWrap(mode, s); };
    };
    struct Case {
        const char* button;
        Button wrap;
        const char* text;
        Selection selection;
        const char* after; // nullptr: nothing is inserted
        Selection caret;
        QList<MarkRange> marks;
    } cases[] = {
        {"太字", style(1), "a word.", {2, 4}, "a <B>word</B>.", {5, 0}, {{2, 3}, {9, 4}}},
        {"太字 without a selection", style(1), "a word.", {2, 0}, nullptr, {}, {}},
        {"斜体", style(2), "line\r\nnext", {0, 6}, "<I>line</I>\r\nnext", {3, 0}, {{0, 3}, {7, 4}}},
        {"下線 over a line break alone", style(3), "a\r\nb", {1, 2}, "a<U></U>\r\nb", {4, 0}, {{1, 3}, {4, 4}}},
        {"下線 over two lines", style(3), "a\r\nb\r\n", {0, 6}, "<U>a\r\nb</U>\r\n", {3, 0}, {{0, 3}, {7, 4}}},
        {"文字大", size(1), "大きく", {0, 3}, "<FONT SIZE=\"+1\">大きく</FONT>", {16, 0}, {{0, 16}, {19, 7}}},
        {"文字少", size(2), "x\r\n", {0, 3}, "<FONT SIZE=\"-1\">x</FONT>\r\n", {16, 0}, {{0, 16}, {17, 7}}},
        {"文字大 without a selection", size(1), "x", {1, 0}, nullptr, {}, {}},
        {"左揃え", align(1), "<P>text</P>", {2, 0}, "<P align=\"left\">text</P>", {15, 0}, {{2, 13}}},
        {"中央揃え", align(2), "<P>text</P>", {2, 0}, "<P align=\"center\">text</P>", {17, 0}, {{2, 15}}},
        {"右揃え before a selection", align(3), "<DIV>", {4, 1}, "<DIV align=\"right\">", {18, 0}, {{4, 14}}},
        {"左揃え at the very start", align(1), "<P>", {0, 0}, nullptr, {}, {}},
    };
    for (const auto& c : cases) {
        const QString text = u(c.text);
        const std::optional<Wrap> w = c.wrap(text, c.selection);
        ASSERT_EQ(w.has_value(), c.after != nullptr) << c.button;
        if (!w)
            continue;
        const EditResult r = applyWrap(text, *w);
        EXPECT_EQ(r.text, u(c.after)) << c.button;
        EXPECT_EQ(r.selection, c.caret) << c.button;
        EXPECT_EQ(r.marks, c.marks) << c.button;
    }
}

TEST(PasteMode, ClipboardTextIsCutBeforeEachLessThanSign)
{
    struct Case {
        const char* clipboard;
        std::array<const char*, 3> parts;
    } cases[] = {
        {"<I></I>", {"<I>", "</I>", ""}},
        {"  <A href=\"a.html\">リンク</A>  ", {"<A href=\"a.html\">リンク", "</A>", ""}},
        {"<B> </B> ", {"<B>", "</B>", ""}},                     // parts 1 and 2 trimmed
        {"<B><I>x</I></B>", {"<B>", "<I>x", "</I>"}},          // a fourth piece is dropped
        {"<a><b><c><d><e><f>", {"<a>", "<b>", "<c>"}},
        {"plain <B>text", {"plain <B>text", "", ""}},          // no "<" in front: one part
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        const std::array<QString, 3> parts = splitPasteText(u(c.clipboard));
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(parts[i], u(c.parts[i])) << c.clipboard << " part " << i + 1;
    }
}

TEST(PasteMode, ATickWrapsTheSelectionInTheFirstTwoParts)
{
    // A link start tag, its text and its end tag: the start tag and the text go in front.
    const QString text = u("見出し\r\n本文");
    const std::optional<Wrap> link = pasteWrap(u("<A href=\"x.html\">ここ</A>"), text, {0, 5});
    ASSERT_TRUE(link);
    const EditResult r = applyWrap(text, *link);
    EXPECT_EQ(r.text, u("<A href=\"x.html\">ここ見出し</A>\r\n本文"));
    EXPECT_EQ(r.selection, (Selection{19, 0}));
    EXPECT_EQ(r.marks, (QList<MarkRange>{{0, 19}, {22, 4}}));

    // Plain text goes in front of the selection; blank text does nothing.
    EXPECT_EQ(applyWrap(u("ab"), *pasteWrap(u(" 前 "), u("ab"), {1, 1})).text, u("a前b"));
    EXPECT_FALSE(pasteWrap(u("  "), text, {0, 1}));
    EXPECT_FALSE(pasteWrap(QString(), text, {0, 1}));
}

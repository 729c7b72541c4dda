#include "editor/EditMessages.h"
#include "editor/GrammarCheck.h"
#include "EditPrinters.h"

#include <gtest/gtest.h>

static void PrintTo(const CheckFinding& f, std::ostream* os)
{
    *os << f.message.toStdString() << ' ';
    PrintTo(f.mark, os);
}

TEST(HalfWidthKana, EveryCharacterHasItsFullWidthCounterpart)
{
    for (char16_t c = 0xFF61; c <= 0xFF9F; ++c) {
        ASSERT_TRUE(isHalfWidthKana(QChar(c)));
        // The narrow forms decompose into the characters they stand for; the two voiced marks
        // into combining marks, where the spacing marks are wanted.
        const QString decomposed = QChar(c).decomposition();
        ASSERT_EQ(decomposed.size(), 1) << std::hex << static_cast<int>(c);
        char16_t expected = decomposed[0].unicode();
        if (expected == 0x3099)
            expected = 0x309B;
        if (expected == 0x309A)
            expected = 0x309C;
        EXPECT_EQ(fullWidthKana(QChar(c)).unicode(), expected) << std::hex << static_cast<int>(c);
    }
    for (char16_t c : {u'a', u'ア', u'\uFF60', u'\uFFA0', u'\uFF41'}) {
        EXPECT_FALSE(isHalfWidthKana(QChar(c))) << std::hex << static_cast<int>(c);
        EXPECT_EQ(fullWidthKana(QChar(c)), QChar(c));
    }
}

TEST(HalfWidthKana, ReplacingKeepsPositionsAndRunsAreMarked)
{
    EXPECT_EQ(widenKana(u("ｱｲｳ")), u("アイウ"));
    EXPECT_EQ(widenKana(u("ｶﾞﾊﾟ")), u("カ゛ハ゜"));
    EXPECT_EQ(widenKana(u("｡｢ｰ｣､･")), u("。「ー」、・"));
    EXPECT_EQ(widenKana(u("<p>ｶﾀｶﾅ\r\nかな</p>")), u("<p>カタカナ\r\nかな</p>"));
    EXPECT_EQ(halfWidthKanaRuns(u("aｱｲb\r\nｳ")), (QList<MarkRange>{{1, 2}, {6, 1}}));
    EXPECT_TRUE(halfWidthKanaRuns(u("全角のカタカナ")).isEmpty());
    EXPECT_EQ(editmsg::KanaQuestion, u("半角カタカナがあります、全て置換しますか"));
}

TEST(GrammarCheck, BracketMessagesAndTheirMarks)
{
    const auto missing = u("<が有りません。");
    const auto blank = u("< と文字の間に空白があります");
    struct Case {
        const char* text;
        std::optional<CheckFinding> finding;
    } cases[] = {
        {"<p <b>", CheckFinding{missing, {1, 3}}},      // from after the first "<" through the second
        {"< p>", CheckFinding{blank, {1, 1}}},          // the blank
        {"< a> < b>", CheckFinding{blank, {6, 1}}},     // the last one stays
        {"< a> <b <c>", CheckFinding{missing, {6, 3}}}, // the scan stops at a missing ">"
        {"a<", CheckFinding{blank, {2, 0}}},            // a "<" at the very end
        {"<!-- a < b -->", CheckFinding{blank, {8, 1}}}, // comments are scanned as text
        {"<!DOCTYPE html><p>x</p>", std::nullopt},
        {" <p>x</p>", std::nullopt},
        {"a<br", std::nullopt},                         // an open tag at the end is not reported
        {"日本<p >語", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkBracket(u(c.text)), c.finding) << c.text;
}

TEST(GrammarCheck, EndTagMessagesMarkTheName)
{
    struct Case {
        const char* text;
        std::optional<CheckFinding> finding;
    } cases[] = {
        {"<div>x", CheckFinding{u("<divのエンドタグ </div>が有りません。"), {1, 3}}},
        {"<pre>x</pre>", CheckFinding{u("<pのエンドタグ </p>が有りません。"), {1, 1}}}, // p also opens on pre
        {"</p><p>", CheckFinding{u("<pのエンドタグ </p>が有りません。"), {5, 1}}},     // a close while closed is ignored
        {"<center><div>", CheckFinding{u("<divのエンドタグ </div>が有りません。"), {9, 3}}}, // the list's order
        {"<em>x</em >", CheckFinding{u("<emのエンドタグ </em>が有りません。"), {1, 2}}},
        {"本文<FONT color=red>赤", CheckFinding{u("<fontのエンドタグ </font>が有りません。"), {3, 4}}},
        {"<P>x</P>", std::nullopt}, // letter case is ignored
        {"<p>a<p>b</p>", std::nullopt},
        {"<html><head><title>t</title></head><body><p>a</p></body></html>", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkEndTag(u(c.text)), c.finding) << c.text;
}

TEST(GrammarCheck, TheLastFindingIsShownAndItsMarkStays)
{
    const GrammarReport clean = grammarCheck(u("<html><body><p>全角カナ</p></body></html>"));
    EXPECT_TRUE(clean.kana.isEmpty());
    EXPECT_FALSE(clean.shown());
    EXPECT_TRUE(clean.redMarks().isEmpty());

    const GrammarReport kanaOnly = grammarCheck(u("<p>ｱｲ</p>"));
    EXPECT_FALSE(kanaOnly.shown());
    EXPECT_EQ(kanaOnly.redMarks(), (QList<MarkRange>{{3, 2}}));

    const GrammarReport both = grammarCheck(u("ｱ<p <div>"));
    EXPECT_EQ(both.kana, (QList<MarkRange>{{0, 1}}));
    ASSERT_TRUE(both.bracket);
    ASSERT_TRUE(both.endTag);
    EXPECT_EQ(both.shown(), both.endTag); // the end-tag message replaces the bracket message
    EXPECT_EQ(both.redMarks(), (QList<MarkRange>{both.endTag->mark}));
    EXPECT_EQ(both.endTag->message, u("<divのエンドタグ </div>が有りません。"));
}

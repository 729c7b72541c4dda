#include "wizards/generators/TextStyleGenerators.h"

#include "ApplyEdit.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

using gen::miniPanel;
using gen::Primitive;

TEST(TextStyleGenerators, PiecesAroundTheSelection)
{
    const gen::EditorState ed = editorWith("abc", 0, 3);
    struct Case { gen::GeneratedEdit edit; QString before; QString after; QList<gen::ControlRef> hide; };
    const Case cases[] = {
        {gen::makeHeading({ed, " 2 "}), " <H2>", " </H2>", {ControlRef(heading_panel::Panel)}},
        {gen::makeHeading({ed, ""}), " <H>", " </H>", {ControlRef(heading_panel::Panel)}},
        {gen::makeComment({ed}), " <!-- ", " --> ", {ControlRef(comment_panel::Panel)}},
        {gen::makeFontSize({ed, " +2"}), " <FONT size=\" +2\">", " </FONT> ", {ControlRef(font_size_panel::Panel)}},
        {gen::makeFontSize({ed, ""}), " <FONT size=\"\">", " </FONT> ", {ControlRef(font_size_panel::Panel)}},
        {gen::makeFontColour({ed, "#FF0000 "}), " <FONT color=\"#FF0000 \">", " </FONT> ", {ControlRef(font_colour_panel::Panel)}},
        {gen::makeEm({ed}), " <EM> ", " </EM> ", {ControlRef(emphasis_panel::Panel)}},
        {gen::makeStrong({ed}), " <STRONG> ", " </STRONG> ", {ControlRef(strong_panel::Panel)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.edit.primitive, Primitive::WrapMarked);
        EXPECT_EQ(c.edit.before, c.before);
        EXPECT_EQ(c.edit.after, c.after);
        EXPECT_EQ(c.edit.hide, c.hide);
        EXPECT_TRUE(c.edit.snapshot);
        EXPECT_FALSE(c.edit.message.has_value());
    }
}

TEST(TextStyleGenerators, NothingSelected)
{
    const gen::EditorState none = editorWith("abc", 2, 0);
    struct Case {
        gen::GeneratedEdit edit;
        const char* message; // nullptr: no message
        QList<gen::ControlRef> hide;
        QList<gen::ControlRef> show;
        bool snapshot;
    };
    const Case cases[] = {
        {gen::makeHeading({none, "3"}), "見出しの文字を選択してください。^_^;", {}, {}, false},
        {gen::makeComment({none}), "コメントにする文字を選択して下さい。^_^;", {}, {miniPanel()}, false},
        {gen::makeFontSize({none, "3"}), "大きさを変える文字を選択してください。^_^;", {miniPanel()}, {}, false},
        {gen::makeFontColour({none, "#000000"}), "色を変えたい文字列を選択してください。^_^;", {miniPanel()}, {}, false},
        {gen::makeEm({none}), nullptr, {}, {}, true},
        {gen::makeStrong({none}), nullptr, {miniPanel()}, {}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.edit.primitive, Primitive::None);
        EXPECT_EQ(c.edit.message.has_value(), c.message != nullptr);
        if (c.message)
            EXPECT_EQ(c.edit.message->text, QString::fromUtf8(c.message));
        EXPECT_EQ(c.edit.hide, c.hide);
        EXPECT_EQ(c.edit.show, c.show);
        EXPECT_EQ(c.edit.snapshot, c.snapshot);
    }
}

TEST(TextStyleGenerators, BlinkReplacesTheSelectionUnpaintedAndHidesTheMiniPanel)
{
    struct Case { const char* text; int selStart; int selLength; const char* expected; int caret; };
    const Case cases[] = {
        {"abc", 1, 1, "a <BLINK>b</BLINK> c", 19},
        {"abc", 3, 0, "abc <BLINK></BLINK> ", 20},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorWith(QString::fromUtf8(c.text), c.selStart, c.selLength);
        const gen::GeneratedEdit e = gen::makeBlink({ed});
        EXPECT_TRUE(e.snapshot);
        EXPECT_EQ(e.hide, QList<gen::ControlRef>{miniPanel()});
        const AppliedText a = applyEdit(ed, e);
        EXPECT_EQ(a.text, QString::fromUtf8(c.expected));
        EXPECT_EQ(a.selStart, c.caret);
        EXPECT_EQ(a.selLength, 0);
        EXPECT_TRUE(a.painted.isEmpty());
    }
}

TEST(TextStyleGenerators, ALineBreakEndingTheSelectionStaysBehindTheEndTag)
{
    struct Case { const char* text; int selLength; bool heading; const char* expected; };
    const Case cases[] = {
        {"Title\r\nnext", 7, true, " <H3>Title </H3>\r\nnext"},
        {"note\r\nnext", 6, false, " <!-- note --> \r\nnext"},
        {"note\nnext", 5, false, " <!-- note --> \nnext"},
        {"note", 4, false, " <!-- note --> "},
        {"\r\nnext", 2, false, " <!--  --> \r\nnext"},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorWith(QString::fromUtf8(c.text), 0, c.selLength);
        const gen::GeneratedEdit e = c.heading ? gen::makeHeading({ed, "3"}) : gen::makeComment({ed});
        const AppliedText a = applyEdit(ed, e);
        EXPECT_EQ(a.text, QString::fromUtf8(c.expected)) << c.text;
        EXPECT_EQ(a.selStart, e.before.size()) << "the caret stands behind the start text";
    }
}

TEST(FontSizeSpinner, WritesTheValueSignedWhenRelative)
{
    struct Case { int value; bool relative; const char* text; };
    const Case cases[] = {{3, false, "3"}, {-2, false, "-2"}, {0, true, "+0"}, {2, true, "+2"}, {-3, true, "-3"}};
    for (const Case& c : cases)
        EXPECT_EQ(gen::fontSizeText(c.value, c.relative), QLatin1String(c.text)) << c.value;

    EXPECT_EQ(gen::fontSizeRange(1).minimum, -6);
    EXPECT_EQ(gen::fontSizeRange(1).maximum, 6);
    EXPECT_EQ(gen::fontSizeRange(0).minimum, 1);
    EXPECT_EQ(gen::fontSizeRange(0).maximum, 7);
}

} // namespace

#include "wizards/generators/PageAttributeGenerators.h"

#include "ApplyEdit.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

using gen::miniPanel;

TEST(TitleGenerator, PutsTheTitleInFrontOfTheOldOneAndSelectsIt)
{
    const gen::EditorState ed = editorWith("<head><title>Old</TITLE></head>", 30, 0);
    const gen::GeneratedEdit e = gen::makeTitle({ed, " New "});
    const AppliedText a = applyEdit(ed, e);
    EXPECT_EQ(a.text, "<head><title> New Old</TITLE></head>");
    EXPECT_EQ(a.text.mid(a.selStart, a.selLength), " New ");
    EXPECT_TRUE(a.painted.isEmpty());
    EXPECT_EQ(e.hide, QList{ControlRef(title_panel::Panel)});
    EXPECT_TRUE(e.snapshot);
}

TEST(TitleGenerator, WithoutAPlainTitleTagItAsksForTheSkeleton)
{
    for (const char* text : {"<HEAD></HEAD>", "<TITLE >x</TITLE>", "<TITLE lang=ja>"}) {
        const gen::GeneratedEdit e = gen::makeTitle({editorWith(text), "x"});
        ASSERT_TRUE(e.message.has_value()) << text;
        EXPECT_EQ(e.message->text, QStringLiteral("<TITLE> のタグがありません、タイトルは<TITLE> と</TITLE>の間に入ります。\r\n"
                                                  "最初にスケルトンを挿入してください。>"));
        EXPECT_FALSE(e.changesText());
        EXPECT_TRUE(e.hide.isEmpty());
    }
}

TEST(BodyColoursGenerator, AttributesRightBehindTheTagName)
{
    const gen::EditorState ed = editorWith("<body background=\"a.gif\">", 0, 0);
    const gen::GeneratedEdit e = gen::makeBodyColours({ed, " #000000 ", "#FFFFFF"});
    const AppliedText a = applyEdit(ed, e);
    const QString attributes = " text=\"#000000\"  bgcolor=\"#FFFFFF\" ";
    EXPECT_EQ(a.text, "<body" + attributes + " background=\"a.gif\">");
    EXPECT_EQ(a.selStart, 5);
    EXPECT_EQ(a.selLength, attributes.size());
    EXPECT_EQ(e.hide, QList{ControlRef(body_colours_panel::Panel)});

    const gen::GeneratedEdit missing = gen::makeBodyColours({editorWith("<HTML>"), "#000000", "#FFFFFF"});
    EXPECT_EQ(missing.message->text, QStringLiteral("<BODY>が有りません。"));
    EXPECT_EQ(missing.hide, (QList{ControlRef(body_colours_panel::Panel), miniPanel()}));
    EXPECT_FALSE(missing.changesText());
}

TEST(BodyMarginsGenerator, MillimetresToPaddedPixels)
{
    struct Case { const char* top; const char* left; const char* leftPixels; const char* topPixels; };
    const Case cases[] = {
        {"10", "10", "  29", "  29"},
        {"1", "0.5", "   1", "   3"},
        // 0.875 / 0.35 is 2.5, which rounds to the even 2.
        {"0.875", "", "   0", "   2"},
        {"abc", "12mm", "  34", "   0"},
        {"-1", "3500", "10000", "  -3"},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorWith("<BODY>", 0, 0);
        const AppliedText a = applyEdit(ed, gen::makeBodyMargins({ed, c.top, c.left}));
        EXPECT_EQ(a.text, QStringLiteral("<BODY leftmargin=\"%1\"  topmargin=\"%2\" >").arg(c.leftPixels, c.topPixels)) << c.top << " " << c.left;
    }
}

TEST(BodyMarginsGenerator, RefusesWhatItCannotWrite)
{
    const gen::GeneratedEdit missing = gen::makeBodyMargins({editorWith("<HTML>"), "10", "10"});
    EXPECT_EQ(missing.message->text, QStringLiteral("<BODY>が有りませんスケルトンを挿入して下さい。"));
    EXPECT_TRUE(missing.hide.isEmpty()) << "the panel stays open";

    const gen::GeneratedEdit huge = gen::makeBodyMargins({editorWith("<BODY>"), "1E12", "10"});
    EXPECT_EQ(huge.message->text, gen::tooLargeMessage());
    EXPECT_FALSE(huge.changesText());
}

} // namespace

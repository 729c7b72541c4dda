#include "wizards/generators/MediaGenerators.h"

#include "ApplyEdit.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/AdvancedPanelInputs.h"

#include <gtest/gtest.h>

namespace {

using gen::Primitive;

TEST(SpaceGenerator, NothingAtTheStartOfTheTextElseASpaceInFront)
{
    const gen::GeneratedEdit atStart = gen::makeSpace({editorWith("abc", 0, 3)});
    EXPECT_EQ(atStart.primitive, Primitive::None);
    EXPECT_TRUE(atStart.hide.isEmpty());
    EXPECT_TRUE(atStart.snapshot);

    const gen::EditorState ed = editorSelecting("x abc", "abc");
    const AppliedText a = applyEdit(ed, gen::makeSpace({ed}));
    EXPECT_EQ(a.text, "x &nbsp;abc");
    EXPECT_EQ(paintedPieces(a), QStringList{"&nbsp;"});
    EXPECT_EQ(a.selStart, 8);
    EXPECT_EQ(gen::makeSpace({ed}).hide, QList{ControlRef(space_panel::Panel)});
}

TEST(FontShapeGenerator, TagsInTableOrderEndTagsReversed)
{
    struct Case {
        bool b, i, s, tt, u, script, sup;
        const char* open;
        const char* close;
    };
    const Case cases[] = {
        {false, false, false, false, false, false, false, "", ""},
        {true, false, false, false, false, false, false, "<B>", "</B>"},
        {true, true, false, false, false, true, true, "<B><I><SUP>", "</SUP></I></B>"},
        {true, true, true, true, true, true, false, "<B><I><S><TT><U><SUB>", "</SUB></U></TT></S></I></B>"},
        {false, false, false, false, false, true, false, "<SUB>", "</SUB>"},
    };
    for (const Case& c : cases) {
        const gen::GeneratedEdit e = gen::makeFontShape({editorWith("abc", 0, 3), c.b, c.i, c.s, c.tt, c.u, c.script, c.sup});
        EXPECT_EQ(e.primitive, Primitive::WrapMarked);
        EXPECT_EQ(e.before, QLatin1String(c.open));
        EXPECT_EQ(e.after, QLatin1String(c.close));
        EXPECT_EQ(e.hide, QList{ControlRef(font_shape_panel::Panel)});
    }
}

TEST(FontShapeGenerator, ALineBreakEndingTheSelectionStaysOutside)
{
    const gen::EditorState ed = editorWith("abc\r\ndef", 0, 5);
    const AppliedText a = applyEdit(ed, gen::makeFontShape({ed, true}));
    EXPECT_EQ(a.text, "<B>abc</B>\r\ndef");
}

TEST(WrappingGenerators, PromptWhenNothingIsSelected)
{
    const gen::EditorState none = editorWith("abc", 1, 0);
    struct Case { gen::GeneratedEdit edit; QString message; };
    const Case cases[] = {
        {gen::makeFontShape({none, true}), QStringLiteral("形状を変える文字を選択してください。^_^;")},
        {gen::makeFont({none, {"f1"}}), QStringLiteral("フォントを設定する文字列を選択して下さい。^_^;")},
        {gen::makeFont({editorWith("abc", 0, 3), {}}), QStringLiteral("設定するフォントの種類を最低１種類は指定して下さい。")},
        {gen::makeFont({none, {}}), QStringLiteral("設定するフォントの種類を最低１種類は指定して下さい。")},
        {gen::makePre({none}), QStringLiteral("そのまま表示する文字列を選択してください。^_^;")},
        {gen::makePageJump({none}), QStringLiteral("文字を選択してください。")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.edit.message.has_value()) << c.message.toStdString();
        EXPECT_EQ(c.edit.message->text, c.message);
        EXPECT_EQ(c.edit.message->buttons, gen::Buttons::Ok);
        EXPECT_EQ(c.edit.primitive, Primitive::None);
        EXPECT_TRUE(c.edit.hide.isEmpty()) << "the panel stays open";
    }
}

TEST(WrappingGenerators, FontPreAndJumpPieces)
{
    const gen::EditorState ed = editorWith("abc", 0, 3);
    struct Case { gen::GeneratedEdit edit; QString before; QString after; ControlId panel; };
    const Case cases[] = {
        {gen::makeFont({ed, {"f1", "f2"}}), "<FONT face = \"f1,f2\">\r\n", "</FONT>\r\n", font_panel::Panel},
        {gen::makeFont({ed, {"ＭＳ ゴシック"}}), QStringLiteral("<FONT face = \"ＭＳ ゴシック\">\r\n"), "</FONT>\r\n", font_panel::Panel},
        {gen::makePre({ed}), "<PRE> \r\n", "</PRE> \r\n", preformatted_panel::Panel},
        {gen::makePageJump({ed, true, "top", "bottom"}), " <A HREF=\"top\">", " </A> ", page_jump_panel::Panel},
        {gen::makePageJump({ed, false, "top", "bottom"}), " <A NAME=\"bottom\">", " </A> ", page_jump_panel::Panel},
        {gen::makePageJump({ed, true, "#p 1", ""}), " <A HREF=\"#p 1\">", " </A> ", page_jump_panel::Panel},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.edit.primitive, Primitive::WrapMarked);
        EXPECT_EQ(c.edit.before, c.before);
        EXPECT_EQ(c.edit.after, c.after);
        EXPECT_EQ(c.edit.hide, QList{ControlRef(c.panel)});
        EXPECT_TRUE(c.edit.snapshot);
    }
}

TEST(BodyTagGenerators, SoundAndMovieGoOnTheLineUnderTheBodyTag)
{
    const QString page = "<HTML>\r\n<body bgcolor=\"#FFFFFF\">\r\ntext\r\n</BODY>";
    const gen::EditorState ed = editorWith(page, 25, 4);

    const gen::GeneratedEdit sound = gen::makeBgsound({ed, "/site/snd/a.mid", "1", "/site/pages"});
    const AppliedText s = applyEdit(ed, sound);
    EXPECT_EQ(s.text, "<HTML>\r\n<body bgcolor=\"#FFFFFF\">\r\n<BGSOUND SRC =\"../snd/a.mid\" LOOP=\"1\">\r\n\r\ntext\r\n</BODY>");
    EXPECT_EQ(paintedPieces(s), QStringList{"\r\n<BGSOUND SRC =\"../snd/a.mid\" LOOP=\"1\">\r\n"});
    EXPECT_EQ(sound.fields, (QList<gen::FieldWrite>{{ControlRef(background_sound_panel::FileBox), "../snd/a.mid"}}));
    EXPECT_EQ(sound.hide, QList{ControlRef(background_sound_panel::Panel)});

    struct Case { const char* alt; const char* tag; };
    const Case cases[] = {
        {"ムービーです", "\r\n<IMG DYNSRC =\"m.avi\" alt =\"ムービーです\">"},
        {"   ", "\r\n<IMG DYNSRC =\"m.avi\">"},
        {"", "\r\n<IMG DYNSRC =\"m.avi\">"},
        {" x ", "\r\n<IMG DYNSRC =\"m.avi\" alt =\" x \">"},
    };
    for (const Case& c : cases) {
        const gen::GeneratedEdit movie = gen::makeDynsrc({ed, " m.avi ", QString::fromUtf8(c.alt), "/site/pages"});
        EXPECT_EQ(movie.before, QString::fromUtf8(c.tag)) << c.alt;
        EXPECT_EQ(movie.selectFirst, (gen::Range{32, 0}));
        EXPECT_EQ(movie.fields, (QList<gen::FieldWrite>{{ControlRef(movie_panel::FileBox), "m.avi"}}));
        EXPECT_EQ(movie.hide, QList{ControlRef(movie_panel::Panel)});
    }
}

TEST(BodyTagGenerators, BackgroundImageGoesIntoTheBodyTag)
{
    const char* const keywords[] = {"repeat", "no-repeat", "repeat-x", "repeat-y"};
    for (int k = 0; k < 4; ++k) {
        const gen::EditorState ed = editorWith("<HEAD></HEAD>\r\n<BODY>\r\n</BODY>", 2, 0);
        const gen::GeneratedEdit e = gen::makeBgImage({ed, "/site/img/back.gif", k, "/site/pages"});
        const QString attribute = QStringLiteral("STYLE=\"background:#FFFFFF ; background:url(../img/back.gif) %1\"").arg(keywords[k]);
        const AppliedText a = applyEdit(ed, e);
        EXPECT_EQ(a.text, "<HEAD></HEAD>\r\n<BODY  " + attribute + ">\r\n</BODY>");
        EXPECT_TRUE(a.painted.isEmpty());
        EXPECT_EQ(a.selStart, 20);
        EXPECT_EQ(a.selLength, attribute.size() + 2);
        EXPECT_EQ(e.fields, (QList<gen::FieldWrite>{{ControlRef(background_image_panel::FileBox), "../img/back.gif"}}));
        EXPECT_EQ(e.hide, QList{ControlRef(background_image_panel::Panel)});
    }
}

TEST(BodyTagGenerators, WithoutABodyTagNothingChanges)
{
    const gen::EditorState ed = editorWith("<HTML><HEAD></HEAD>text", 3, 2);
    for (const gen::GeneratedEdit& e : {gen::makeBgsound({ed, "a.mid", "1", "/s"}), gen::makeDynsrc({ed, "m.avi", "", "/s"}),
                                        gen::makeBgImage({ed, "b.gif", 0, "/s"}),
                                        // a body start tag that is never closed
                                        gen::makeBgsound({editorWith("<HTML><BODY", 0, 0), "a.mid", "1", "/s"})}) {
        ASSERT_TRUE(e.message.has_value());
        EXPECT_EQ(e.message->text, QStringLiteral("<BODY>が有りません。"));
        EXPECT_EQ(e.primitive, Primitive::None);
        EXPECT_TRUE(e.fields.isEmpty());
        EXPECT_TRUE(e.hide.isEmpty());
    }
}

} // namespace

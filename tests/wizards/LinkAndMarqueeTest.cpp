#include "wizards/generators/LinkGenerators.h"
#include "wizards/generators/MarqueeGenerator.h"

#include "ApplyEdit.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

using gen::miniPanel;

TEST(LinkGenerator, TargetsAndNewWindow)
{
    const gen::EditorState ed = editorWith("abc", 0, 3);
    struct Case { const char* target; bool newWindow; const char* before; };
    const Case cases[] = {
        {"http://example.com/a.html", false, " <A href=\"http://example.com/a.html\" >"},
        {" /site/pages/sub/b.html ", false, " <A href=\"sub/b.html\" >"},
        {"/site/c.html", true, " <A href=\"../c.html\" target=\"_blank\" >"},
        {"", false, " <A href=\"\" >"},
    };
    for (const Case& c : cases) {
        const gen::GeneratedEdit e = gen::makeLinkButton({ed, c.target, c.newWindow, "/site/pages"}, true);
        EXPECT_EQ(e.primitive, gen::Primitive::WrapMarked);
        EXPECT_EQ(e.before, QLatin1String(c.before));
        EXPECT_EQ(e.after, " </A> ");
        EXPECT_EQ(e.hide, QList{ControlRef(link_panel::Panel)});
        EXPECT_TRUE(e.fields.isEmpty());
    }
    // Without a selection the two pieces stand side by side at the caret.
    EXPECT_EQ(applyEdit(editorWith("ab", 1), gen::makeLink({editorWith("ab", 1), "x.html", false, "/s"})).text,
              "a <A href=\"x.html\" > </A> b");
}

TEST(MailLinkGenerator, AddressAndMessages)
{
    const gen::GeneratedEdit ok = gen::makeLinkButton({editorWith("abc", 0, 3), "  me@example.com ", true, "/s"}, false);
    EXPECT_EQ(ok.before, " <A href=\"mailto:me@example.com\">");
    EXPECT_EQ(ok.after, " </A> ");
    EXPECT_EQ(ok.hide, (QList{miniPanel(), ControlRef(link_panel::Panel)}));

    struct Case { gen::EditorState ed; const char* address; const char* message; };
    const Case cases[] = {
        {editorWith("abc", 1, 0), "me@example.com", "クリックをする文字又は画像を選択してください。^_^;"},
        {editorWith("abc", 0, 3), "   ", "メールアドレスを入れて下さい。 ^_^;"},
    };
    for (const Case& c : cases) {
        const gen::GeneratedEdit e = gen::makeLinkButton({c.ed, c.address, false, "/s"}, false);
        EXPECT_EQ(e.message->text, QString::fromUtf8(c.message));
        EXPECT_FALSE(e.changesText());
        EXPECT_EQ(e.hide, (QList{miniPanel(), ControlRef(link_panel::Panel)}));
    }
}

gen::MarqueeInput shippedMarquee()
{
    gen::MarqueeInput in;
    in.editor = editorWith("abc", 0, 3);
    in.loop = "0";
    in.delay = "85";
    in.amount = "6";
    in.background = "#FFFFFF";
    return in;
}

TEST(MarqueeGenerator, StartTagFromThePanel)
{
    struct Case { void (*set)(gen::MarqueeInput&); const char* before; };
    const Case cases[] = {
        {[](gen::MarqueeInput&) {}, " <MARQUEE  scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.widthMm = "100"; }, " <MARQUEE width=\" 294\" scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.widthPercent = "50"; in.heightMm = "20"; },
         " <MARQUEE width=\"50%\" height=\" 59\" scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.widthMm = "x"; in.widthPercent = "50"; }, " <MARQUEE width=\" 0\" scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.heightPercent = " 30"; }, " <MARQUEE height=\" 30%\" scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.delay = "100"; in.loop = "3 "; }, " <MARQUEE  loop=\"3 \" scrolldelay=\" 100\" scrollamount=\"6\">"},
        {[](gen::MarqueeInput& in) { in.hspace = "5mm"; in.vspace = "0"; in.amount = ""; },
         " <MARQUEE  hspace=\"5mm\">"},
        {[](gen::MarqueeInput& in) { in.behavior = 1; in.direction = 2; in.truespeed = true; in.background = "#ffffff"; },
         " <MARQUEE  scrollamount=\"6\" behavior=\"alternate\" direction=\"up\" truespeed bgcolor=\"#ffffff\">"},
        {[](gen::MarqueeInput& in) { in.behavior = 2; in.direction = 3; }, " <MARQUEE  scrollamount=\"6\" behavior=\"slide\" direction=\"down\">"},
        {[](gen::MarqueeInput& in) { in.direction = 1; }, " <MARQUEE  scrollamount=\"6\" direction=\"right\">"},
    };
    for (const Case& c : cases) {
        gen::MarqueeInput in = shippedMarquee();
        c.set(in);
        const gen::GeneratedEdit e = gen::makeMarquee(in);
        EXPECT_EQ(e.primitive, gen::Primitive::WrapMarked);
        EXPECT_EQ(e.before, QLatin1String(c.before));
        EXPECT_EQ(e.after, " </MARQUEE> ");
        EXPECT_EQ(e.hide, QList{ControlRef(marquee_panel::Panel)});
    }
}

TEST(MarqueeGenerator, Refusals)
{
    gen::MarqueeInput none = shippedMarquee();
    none.editor = editorWith("abc", 1, 0);
    const gen::GeneratedEdit e = gen::makeMarquee(none);
    EXPECT_EQ(e.message->text, QStringLiteral("スクロールしたい文字列を選択して下さい。^_^;"));
    EXPECT_EQ(e.hide, QList{miniPanel()});
    EXPECT_FALSE(e.snapshot);

    gen::MarqueeInput huge = shippedMarquee();
    huge.heightMm = "1E10";
    EXPECT_EQ(gen::makeMarquee(huge).message->text, gen::tooLargeMessage());
    EXPECT_FALSE(gen::makeMarquee(huge).changesText());
}

} // namespace

#include "wizards/generators/ImageGenerator.h"
#include "wizards/generators/RuleGenerator.h"

#include "ApplyEdit.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/AdvancedPanelInputs.h"

#include <gtest/gtest.h>

namespace {


gen::RuleInput shippedRule()
{
    return {"1", "", "80", 1, true, "#FF6FB7"};
}

TEST(RuleGenerator, HrTagFromThePanel)
{
    struct Case { gen::RuleInput in; const char* tag; };
    const Case cases[] = {
        {shippedRule(), "<HR size=\" 3\" width=\"80%\" align=\"center\" color=\"#FF6FB7\">\r\n"},
        // A length box that holds text wins over the percent box, and gives 0.
        {{"1", "abc", "80", 1, true, "#FF6FB7"}, "<HR size=\" 3\" width=\" 0\" align=\"center\" color=\"#FF6FB7\">\r\n"},
        {{"1", "", "", 0, true, "red"}, "<HR size=\" 3\" align=\"left\" color=\"red\">\r\n"},
        {{"1", "0", "0", 2, true, "red"}, "<HR size=\" 3\" align=\"right\" color=\"red\">\r\n"},
        {{"0", "10", "80", 1, false, " red"}, "<HR size=\" 0\" width=\" 29\" align=\"center\" noshade color=\" red\">\r\n"},
        {{"0.875", "", " 50 ", 1, true, ""}, "<HR size=\" 2\" width=\" 50 %\" align=\"center\" color=\"\">\r\n"},
    };
    for (const Case& c : cases) {
        const auto tag = gen::MakeHrTag(c.in);
        ASSERT_TRUE(tag.has_value());
        EXPECT_EQ(*tag, QString::fromUtf8(c.tag));
    }
}

TEST(RuleGenerator, InsertedInFrontOfTheSelectionOrRefused)
{
    const gen::EditorState ed = editorSelecting("ab cd", "cd");
    const AppliedText a = applyEdit(ed, gen::makeRule(shippedRule()));
    const QString tag = *gen::MakeHrTag(shippedRule());
    EXPECT_EQ(a.text, "ab " + tag + "cd");
    EXPECT_EQ(paintedPieces(a), QStringList{tag});
    EXPECT_EQ(a.selStart, 3 + tag.size());
    EXPECT_EQ(gen::makeRule(shippedRule()).hide, QList{ControlRef(rule_panel::Panel)});

    gen::RuleInput huge = shippedRule();
    huge.lengthMm = "1E10";
    EXPECT_FALSE(gen::MakeHrTag(huge).has_value());
    EXPECT_EQ(gen::makeRule(huge).message->text, gen::tooLargeMessage());
    EXPECT_FALSE(gen::makeRule(huge).changesText());
}

gen::ImageInput chosenImage()
{
    gen::ImageInput in;
    in.editor = editorWith("ab", 1, 1);
    in.documentFolder = "/site/pages";
    in.chosenFile = "/site/img/a.gif";
    in.alt = QStringLiteral("画像ファイル");
    return in;
}

TEST(ImageGenerator, ElementFromThePanel)
{
    struct Case { void (*set)(gen::ImageInput&); const char* element; };
    const Case cases[] = {
        {[](gen::ImageInput&) {}, "<IMG src =\"../img/a.gif\" align=\"middle\" alt=\"画像ファイル\" >"},
        {[](gen::ImageInput& in) { in.widthPercent = " 50 "; }, "<IMG src =\"../img/a.gif\" width=\"50% \" align=\"middle\" alt=\"画像ファイル\" >"},
        {[](gen::ImageInput& in) { in.heightPercent = "40"; }, "<IMG src =\"../img/a.gif\" height=\"40%\" align=\"middle\" alt=\"画像ファイル\" >"},
        // The box labelled 縦幅 gives the height, the one labelled 横幅 the width.
        {[](gen::ImageInput& in) { in.heightMm = "10"; in.widthMm = "0.875"; },
         "<IMG src =\"../img/a.gif\" height=\"29\" width=\"2\" align=\"middle\" alt=\"画像ファイル\" >"},
        {[](gen::ImageInput& in) { in.heightMm = "10"; in.heightPercent = "40"; },
         "<IMG src =\"../img/a.gif\" height=\"29\" align=\"middle\" alt=\"画像ファイル\" >"},
        {[](gen::ImageInput& in) { in.border = "2"; in.align = 4; in.vspace = "3 "; in.hspace = "x"; in.alt = ""; },
         "<IMG src =\"../img/a.gif\" border =\"2\" align=\"right\" vspace=\"3 \" alt=\"\" >"},
        {[](gen::ImageInput& in) { in.border = "0"; in.align = -1; in.hspace = "4"; },
         "<IMG src =\"../img/a.gif\" hspace=\"4\" alt=\"画像ファイル\" >"},
        {[](gen::ImageInput& in) { in.chosenFile = "http://example.com/b.png"; },
         "<IMG src =\"http://example.com/b.png\" align=\"middle\" alt=\"画像ファイル\" >"},
    };
    for (const Case& c : cases) {
        gen::ImageInput in = chosenImage();
        c.set(in);
        const gen::GeneratedEdit e = gen::makeImage(in);
        EXPECT_EQ(e.primitive, gen::Primitive::WrapPlain);
        EXPECT_EQ(e.before, QString::fromUtf8(c.element));
    }
}

TEST(ImageGenerator, InsertedAtTheCaretAndLeftSelected)
{
    const gen::ImageInput in = chosenImage();
    const gen::GeneratedEdit e = gen::makeImage(in);
    const AppliedText a = applyEdit(in.editor, e);
    EXPECT_EQ(a.text, "a" + e.before + "b");
    EXPECT_EQ(a.text.mid(a.selStart, a.selLength), e.before);
    EXPECT_TRUE(a.painted.isEmpty());
    EXPECT_EQ(e.fields, (QList<gen::FieldWrite>{{ControlRef(image_panel::RelativePathBox), "../img/a.gif"}}));
    EXPECT_EQ(e.hide, QList{ControlRef(image_panel::Panel)});
    EXPECT_TRUE(e.snapshot);
}

TEST(ImageGenerator, MessagesAndTheStylesheetBuilder)
{
    gen::ImageInput none = chosenImage();
    none.chosenFile = "  ";
    EXPECT_EQ(gen::makeImage(none).message->text, QStringLiteral("画像が選択されていません。^_^;"));
    EXPECT_FALSE(gen::makeImage(none).changesText());

    gen::ImageInput huge = chosenImage();
    huge.widthMm = "1E300";
    EXPECT_EQ(gen::makeImage(huge).message->text, gen::tooLargeMessage());

    // While the stylesheet builder is shown, the url goes into its style text as image_panel::RelativePathBox holds it.
    EXPECT_EQ(gen::styleTextWithImage("background-image:url; list-style-image:url;", "img/x.gif"),
              "background-image:url(img/x.gif); list-style-image:url(img/x.gif);");
    EXPECT_EQ(gen::styleTextWithImage("color:red; URL;", "img/x.gif"), "color:red; URL;");
}

} // namespace

#include "wizards/generators/BlockGenerators.h"
#include "wizards/generators/HeadGenerators.h"
#include "wizards/generators/MailFormGenerator.h"
#include "wizards/generators/PageSkeletons.h"

#include "ApplyEdit.h"
#include "editor/EditorControls.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <gtest/gtest.h>

namespace {

using gen::miniPanel;

TEST(MailFormGenerator, TheFormInFrontOfTheSelection)
{
    const QString form = QStringLiteral(
        "<P>\r\n"
        "<!--下の文を変えます (これはコメントで表示されません) -->\r\n"
        "御意見をお聞かせください\r\n"
        "<form action=\"mailto: me@example.com \" method=\"post\" enctype=\"text/plain\">\r\n"
        "</P>\r\n"
        "<P>\r\n"
        "<TEXTAREA NAME =\"意見\" rows=\"6\" cols=\"50\" ></TEXTAREA></P>\r\n"
        "<P>\r\n"
        "お名前 :<INPUT type =\"text\" name=\"name\">\r\n"
        "</P>\r\n"
        "<P>\r\n"
        "<INPUT type=\"submit\" value=\"送信\"><INPUT type=\"reset\" value=\"取消\"></P>\r\n");
    EXPECT_EQ(gen::mailFormText(" me@example.com "), form);

    for (const gen::EditorState& ed : {editorWith("ab", 0), editorWith("ab", 2), editorWith("ab", 1, 1)}) {
        const gen::GeneratedEdit e = gen::makeMailForm({ed, " me@example.com "});
        const AppliedText a = applyEdit(ed, e);
        EXPECT_EQ(a.text, ed.text.left(ed.selStart) + form + ed.text.mid(ed.selStart));
        EXPECT_EQ(paintedPieces(a), QStringList{form});
        EXPECT_EQ(a.selStart, ed.selStart);
        EXPECT_EQ(a.selLength, 0);
        EXPECT_EQ(e.hide, QList{ControlRef(mail_form_panel::Panel)});
    }
    EXPECT_TRUE(gen::mailFormText("").contains("action=\"mailto:\" "));
}

TEST(MetaGenerator, FourLinesBehindTheHeadTag)
{
    const gen::EditorState ed = editorWith(gen::pageSkeletonText(), 10, 0);
    const gen::GeneratedEdit e = gen::makeMeta({ed, QStringLiteral("山田"), "html, 入門", ""});
    const AppliedText a = applyEdit(ed, e);
    const QString block = QStringLiteral("\r\n<META NAME =\"author\" content=\"山田\">"
                                         "\r\n<META NAME =\"keywords\" content = \"html, 入門\" > "
                                         "\r\n<META NAME =\"description\" content=\"\">"
                                         "\r\n<META NAME =\"generator\" content=\"pelmor\" > ");
    EXPECT_TRUE(a.text.contains("\r\n<HEAD>" + block + "\r\n<META name=\"GENERATOR\""));
    EXPECT_EQ(a.text.mid(a.selStart, a.selLength), block);
    EXPECT_TRUE(a.painted.isEmpty());
    EXPECT_EQ(e.hide, QList{ControlRef(document_info_panel::Panel)});

    EXPECT_TRUE(gen::makeMeta({editorWith("<html><head>\r\n</head>"), "", "", ""}).changesText());
    for (const char* text : {"<HEAD >", "<HEAD lang=ja>", ""}) {
        const gen::GeneratedEdit missing = gen::makeMeta({editorWith(text), "", "", ""});
        EXPECT_EQ(missing.message->text, QStringLiteral("<HEAD> のタグがありません、METAは<HEAD> と</HEAD>の間に入ります。\r\n"
                                                        "最初にスケルトンを挿入してください。>"));
        EXPECT_FALSE(missing.changesText());
        EXPECT_TRUE(missing.hide.isEmpty());
    }
}

TEST(DoctypeGenerator, ReplacesALeadingDeclaration)
{
    const QString strict = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">";
    const QString transitional = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
    const QString frameset = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">";
    struct Case { const char* text; int version; QString expected; };
    const Case cases[] = {
        {"", 1, transitional + "\r\n"},
        {"<HTML></HTML>", 0, strict + "\r\n<HTML></HTML>"},
        {"  <!DOCTYPE HTML PUBLIC \"x\">\r\n<HTML>  ", 2, frameset + "\r\n\r\n<HTML>"},
        {"<!doctype html>\r\n<HTML>", 0, strict + "\r\n<!doctype html>\r\n<HTML>"},
        {"<!DOCTYPE", 1, transitional + "\r\n<!DOCTYPE"},
    };
    for (const Case& c : cases) {
        const gen::EditorState ed = editorWith(QString::fromUtf8(c.text), 3, 0);
        const gen::GeneratedEdit e = gen::makeDoctype({ed, c.version});
        const AppliedText a = applyEdit(ed, e);
        EXPECT_EQ(a.text, c.expected) << c.text;
        EXPECT_EQ(paintedPieces(a), QStringList{c.expected.left(c.expected.indexOf("\r\n"))});
        EXPECT_EQ(a.selStart, 0);
        EXPECT_EQ(a.selLength, 0);
        EXPECT_EQ(e.hide, QList{ControlRef(doctype_panel::Panel)});
        EXPECT_FALSE(e.snapshot);
    }
    // Twice in a row leaves one declaration.
    const gen::EditorState once = editorWith(applyEdit(editorWith("<HTML>"), gen::makeDoctype({editorWith("<HTML>"), 1})).text);
    const QString twice = applyEdit(once, gen::makeDoctype({once, 0})).text;
    EXPECT_EQ(twice.count("<!DOCTYPE"), 1);
    EXPECT_TRUE(twice.startsWith(strict));
}

TEST(BlockGenerators, LineBreak)
{
    EXPECT_FALSE(gen::makeBr({editorWith("abc", 0, 2)}).changesText());
    const gen::EditorState ed = editorWith("abcd", 1, 2);
    const gen::GeneratedEdit e = gen::makeBr({ed});
    const AppliedText a = applyEdit(ed, e);
    EXPECT_EQ(a.text, "a<BR>bcd");
    EXPECT_EQ(a.selStart, 5);
    EXPECT_EQ(a.selLength, 0);
    EXPECT_TRUE(a.painted.isEmpty());
    EXPECT_EQ(e.hide, QList{ControlRef(indent_panel::Panel)});
}

TEST(BlockGenerators, ParagraphAndPosition)
{
    const gen::EditorState ed = editorWith("abc", 0, 3);
    struct Case { gen::GeneratedEdit edit; const char* before; const char* after; QList<gen::ControlRef> hide; };
    const Case cases[] = {
        {gen::makePAlign({ed, 0}), "<P>\r\n", "</P>\r\n", {miniPanel(), ControlRef(paragraph_panel::Panel)}},
        {gen::makePAlign({ed, 1}), "<P ALIGN= center>\r\n", "</P>\r\n", {miniPanel(), ControlRef(paragraph_panel::Panel)}},
        {gen::makePAlign({ed, 2}), "<P ALIGN= right>\r\n", "</P>\r\n", {miniPanel(), ControlRef(paragraph_panel::Panel)}},
        {gen::makeDivAlign({ed, 5}), "<DIV>\r\n", "</DIV>\r\n", {ControlRef(position_panel::Panel)}},
        {gen::makeDivAlign({ed, 4}), "<DIV align= center>\r\n", "</DIV>\r\n", {ControlRef(position_panel::Panel)}},
        {gen::makeDivAlign({ed, 3}), "<DIV align= right>\r\n", "</DIV>\r\n", {ControlRef(position_panel::Panel)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.edit.primitive, gen::Primitive::WrapMarked);
        EXPECT_EQ(c.edit.before, QLatin1String(c.before));
        EXPECT_EQ(c.edit.after, QLatin1String(c.after));
        EXPECT_EQ(c.edit.hide, c.hide);
    }
    EXPECT_EQ(applyEdit(ed, gen::makePAlign({ed, 1})).text, "<P ALIGN= center>\r\nabc</P>\r\n");

    const gen::EditorState none = editorWith("abc", 1, 0);
    const QString message = QStringLiteral("位置を指定する文字や画像を選択してください。^_^;");
    EXPECT_EQ(gen::makePAlign({none, 1}).message->text, message);
    EXPECT_EQ(gen::makePAlign({none, 1}).hide, QList{miniPanel()});
    EXPECT_EQ(gen::makeDivAlign({none, 5}).message->text, message);
    EXPECT_TRUE(gen::makeDivAlign({none, 5}).hide.isEmpty());
    EXPECT_FALSE(gen::makeDivAlign({none, 5}).snapshot);
}

} // namespace

#include "StylesheetFixture.h"
#include "editor/Insertion.h"
#include "platform/Twips.h"
#include "stylesheet/StyleInsertions.h"

#include <gtest/gtest.h>

class StylesheetMenuTest : public StylesheetFixture {
protected:
    const QString& newestSnapshot() { return w().ws.current().undoRing[static_cast<size_t>(w().ws.current().undoPosition)].text; }
    bool paintedRed(int at) { return ed()->paintAt(at) == Insertion::markColour(); }
    std::vector<int> geometry(QWidget* widget)
    {
        return {twips::Left(widget), twips::Top(widget), twips::Width(widget), twips::Height(widget)};
    }
};

TEST_F(StylesheetMenuTest, SampleStylesheetIsMadeOnceAndReloadedOnlyWhenTheUserSaysSo)
{
    start();
    copyResource(u("csssample.txt"));
    const QString folder = w().ws.doc(0).folder;
    menu(stylesheet_menu::InsertSampleStylesheet);
    ASSERT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_EQ(w().ws.sourceCaption(1), u("csssample.css")) << "the caption is not shortened";
    EXPECT_EQ(w().ws.doc(1).fileName, u("csssample.css"));
    EXPECT_EQ(w().ws.doc(1).folder, folder);
    // The file exactly as it is: its commas, quotes and final line break.
    EXPECT_EQ(ed()->text().toUtf8(), shippedBytes(u("csssample.txt")));

    ed()->setText(u("changed"));
    w().ws.selectSourceTab(0);
    dialogs.expectMsg(u("既にＣＳＳファイルは挿入されています,上書きしますか。"), MsgResult::No);
    menu(stylesheet_menu::InsertSampleStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.currentIndex(), 0);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), u("changed"));

    dialogs.expectMsg(u("上書きしますか"), MsgResult::Yes);
    menu(stylesheet_menu::InsertSampleStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(w().ws.currentIndex(), 1);
    EXPECT_EQ(ed()->text().toUtf8(), shippedBytes(u("csssample.txt")));
    EXPECT_EQ(newestSnapshot(), u("changed")) << "the text it replaced can be undone";
}

TEST_F(StylesheetMenuTest, SamplePageReplacesAnHtmlDocumentAfterTheQuestion)
{
    start();
    copyResource(u("htmlsample.html"));
    // Only a document whose name ends in .html, in any case.
    for (const char* name : {"a.htm", "a.css"}) {
        setDocument(0, u(name), QString());
        dialogs.expectMsg(u("HTMLテキストのタブを選択してください。"));
        menu(stylesheet_menu::InsertSamplePage);
        EXPECT_TRUE(ed()->text().isEmpty()) << name;
    }
    setDocument(0, u("index.HTML"), u("my page"));
    dialogs.expectMsg(u("テキストを上書きします。"), MsgResult::No);
    menu(stylesheet_menu::InsertSamplePage);
    EXPECT_EQ(ed()->text(), u("my page"));

    dialogs.expectMsg(u("テキストを上書きします。"), MsgResult::Yes);
    menu(stylesheet_menu::InsertSamplePage);
    EXPECT_EQ(ed()->text().toUtf8(), shippedBytes(u("htmlsample.html")));
    EXPECT_EQ(w().ws.doc(0).fileName, u("htmlsample.html"));
    EXPECT_EQ(w().ws.sourceCaption(0), u("index.HTML")) << "the caption stays";
    EXPECT_EQ(w().ws.doc(0).folder, path(u("resource")));
    EXPECT_EQ(ed()->styleAt(1), RichEdit::StyleTag) << "recoloured";
}

TEST_F(StylesheetMenuTest, AMissingSampleIsReportedAndChangesNothing)
{
    start();
    dialogs.expectMsg(u("csssample.txtが読めません"));
    menu(stylesheet_menu::InsertSampleStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 1);
    ed()->setText(QString());
    dialogs.expectMsg(u("htmlsample.htmlが読めません"));
    menu(stylesheet_menu::InsertSamplePage);
    EXPECT_EQ(w().ws.doc(0).fileName, u("$$$000.html"));
}

TEST_F(StylesheetMenuTest, NamePanelOpensOnlyWhileNoStylesheetIsOpen)
{
    start();
    menu(stylesheet_menu::CreateEmptyStylesheet);
    QWidget* frame = panel(stylesheet_name_panel::Panel);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(geometry(frame), (std::vector<int>{2000, 1755, 4650, 2715}));
    EXPECT_EQ(box(stylesheet_name_panel::Explanation), u("スタイルシートの名前を入れてください。名前は何でも構いませんが、拡張子は’css’とします。"));
    EXPECT_EQ(line(stylesheet_name_panel::NameBox)->text(), u("pelmor.css"));
    press(ExecuteButton::CloseStylesheetNamePanel);
    EXPECT_FALSE(frame->isVisible());

    addDocument(u("Site.CSS"), QString());
    dialogs.expectMsg(u("既にＣＳＳファイルは挿入されています"));
    menu(stylesheet_menu::CreateEmptyStylesheet);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(StylesheetMenuTest, InsertcssMakesTheNewDocumentBesideTheFirstAndLeavesTheCurrentOneWhereItWas)
{
    start();
    setDocument(0, u("index.html"), QString(), path(u("site")));
    addDocument(u("other.html"), u("text"), path(u("elsewhere")));
    menu(stylesheet_menu::CreateEmptyStylesheet);
    line(stylesheet_name_panel::NameBox)->setText(u(" main "));
    press(ExecuteButton::CreateStylesheet);
    ASSERT_EQ(w().ws.documentCount(), 3);
    EXPECT_EQ(w().ws.currentIndex(), 2);
    EXPECT_EQ(w().ws.doc(2).fileName, u("main.css"));
    EXPECT_EQ(w().ws.sourceCaption(2), u("main.css"));
    EXPECT_EQ(w().ws.doc(2).folder, path(u("site")));
    EXPECT_EQ(w().ws.doc(1).folder, path(u("elsewhere"))) << "its next save goes where it came from";
    EXPECT_EQ(line(stylesheet_name_panel::NameBox)->text(), u("main.css"));
    EXPECT_EQ(line(stylesheet_link_panel::FileBox)->text(), u("main.css"));
    EXPECT_FALSE(panel(stylesheet_name_panel::Panel)->isVisible());
    EXPECT_TRUE(w().ws.sourceEditor(2)->text().isEmpty());

    // A name that has its extension in upper case keeps it; an empty box gives ".css".
    for (const char* name : {"MAIN.CSS", ""}) {
        line(stylesheet_name_panel::NameBox)->setText(u(name));
        w().stylesheet.menu.createStylesheet();
        EXPECT_EQ(w().ws.current().fileName, QString(u(name).isEmpty() ? u(".css") : u(name)));
    }
}

TEST_F(StylesheetMenuTest, InsertcssAsksBeforeANameThatAFileHolds)
{
    start();
    setDocument(0, u("index.html"), QString(), path(u("site")));
    writeFile(path(u("site/main.css")), "P { }\r\n");
    menu(stylesheet_menu::CreateEmptyStylesheet);
    line(stylesheet_name_panel::NameBox)->setText(u("main.css"));
    dialogs.expectMsg(u("既に同じ名前のファイルがあります。上書きしますか?"), MsgResult::No);
    press(ExecuteButton::CreateStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 1);
    EXPECT_TRUE(panel(stylesheet_name_panel::Panel)->isVisible());

    line(stylesheet_name_panel::NameBox)->setText(u("css/main"));
    dialogs.expectMsg(u("ファイル名に「/」は使えません。"));
    press(ExecuteButton::CreateStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 1);

    line(stylesheet_name_panel::NameBox)->setText(u("main.css"));
    dialogs.expectMsg(u("既に同じ名前のファイルがあります。"), MsgResult::Yes);
    press(ExecuteButton::CreateStylesheet);
    EXPECT_EQ(w().ws.documentCount(), 2);
    EXPECT_EQ(readFile(path(u("site/main.css"))), QByteArray("P { }\r\n")) << "nothing is written yet";
}

TEST_F(StylesheetMenuTest, LinkingAllStopsAtTheFirstDocumentThatCannotTakeTheLink)
{
    start();
    const QString page = pageWithHead();
    setDocument(0, u("a.html"), page);
    addDocument(u("b.txt"), u("plain text"));
    addDocument(u("c.html"), page);
    line(stylesheet_name_panel::NameBox)->setText(u("site"));
    dialogs.expectMsg(u("全てのHTMLのテキストにスタイルシートをリンクさせますか？"), MsgResult::Yes);
    w().stylesheet.menu.createStylesheet();
    const QString link = u("<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"site.css\">\r\n");
    QString linked = page;
    linked.insert(page.indexOf(u("</HEAD>")), link);
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), linked);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), u("plain text"));
    EXPECT_EQ(w().ws.sourceEditor(2)->text(), page);

    // The first page links a stylesheet now: nothing is asked, nothing changes.
    line(stylesheet_name_panel::NameBox)->setText(u("more"));
    w().stylesheet.menu.createStylesheet();
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), linked);
    EXPECT_EQ(w().ws.sourceEditor(2)->text(), page);

    // No to the question links nothing.
    setDocument(0, u("a.html"), page);
    line(stylesheet_name_panel::NameBox)->setText(u("third"));
    dialogs.expectMsg(u("リンクさせますか"), MsgResult::No);
    w().stylesheet.menu.createStylesheet();
    EXPECT_EQ(w().ws.sourceEditor(0)->text(), page);
}

TEST_F(StylesheetMenuTest, LinkPanelNamesTheLastStylesheetAndLinksTheCurrentPage)
{
    start();
    setDocument(0, u("a.css"), QString());
    addDocument(u("b.html"), QString());
    addDocument(u("c.css"), QString());
    addDocument(u("D.CSS"), QString());
    menu(stylesheet_menu::LinkStylesheet);
    QWidget* frame = panel(stylesheet_link_panel::Panel);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(geometry(frame), (std::vector<int>{3000, 3000, 5250, 3960}));
    EXPECT_TRUE(box(stylesheet_link_panel::Explanation).startsWith(u("別ファイルのスタイルシートを作成する場合は、\r\n新しいタブを")));
    EXPECT_TRUE(box(stylesheet_link_panel::Explanation).endsWith(u("正式な名前で置き換えます。\r\n")));
    EXPECT_EQ(line(stylesheet_link_panel::FileBox)->text(), u("c.css")) << "a name ending in upper-case CSS is not taken";

    struct Case {
        const char* what;
        const char* box;
        const char* page;
        const char* linked;
    } cases[] = {
        {"lower-case head end", "c.css", "<head>\r\n</head>\r\nbody", "<head>\r\n<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"c.css\">\r\n</head>\r\nbody"},
        {"blank box", "  ", "<HEAD></HEAD>", "<HEAD><LINK REL=stylesheet TYPE=\"text/css\" HREF=\"*.css\">\r\n</HEAD>"},
        {"blanks kept", " a.css", "</HEAD>", "<LINK REL=stylesheet TYPE=\"text/css\" HREF=\" a.css\">\r\n</HEAD>"},
        {"a second link", "b.css", "<LINK REL=stylesheet HREF=\"a.css\">\r\n</HEAD>",
         "<LINK REL=stylesheet HREF=\"a.css\">\r\n<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"b.css\">\r\n</HEAD>"},
    };
    for (const Case& c : cases) {
        setDocument(1, u("b.html"), u(c.page));
        w().ws.selectSourceTab(1);
        menu(stylesheet_menu::LinkStylesheet);
        line(stylesheet_link_panel::FileBox)->setText(u(c.box));
        press(ExecuteButton::InsertCssLink);
        EXPECT_EQ(w().ws.sourceEditor(1)->text(), u(c.linked)) << c.what;
        EXPECT_FALSE(frame->isVisible()) << c.what;
    }

    setDocument(1, u("b.html"), u("<BODY></BODY>"));
    menu(stylesheet_menu::LinkStylesheet);
    dialogs.expectMsg(u("リンクが挿入できません、現在のファイルには「<HEAD> </HEAD>」がありません。 正式なＨＴＭＬファイルを選んでください."));
    press(ExecuteButton::InsertCssLink);
    EXPECT_EQ(w().ws.sourceEditor(1)->text(), u("<BODY></BODY>"));
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(StylesheetMenuTest, PageStyleBlockIsInsertedOnceSelectedAndPainted)
{
    start();
    const QString page = pageWithHead();
    setDocument(0, u("index.html"), page);
    menu(stylesheet_menu::InsertPageStyle);
    const int at = static_cast<int>(page.indexOf(u("</HEAD>")));
    const QString block = u("<STYLE TYPE=\"text/css\">\r\n<!--\r\n\r\n-->\r\n</STYLE>\r\n");
    QString expected = page;
    EXPECT_EQ(ed()->text(), expected.insert(at, block));
    EXPECT_EQ(ed()->selectionStart(), at);
    EXPECT_EQ(ed()->selectionLength(), block.size());
    EXPECT_TRUE(paintedRed(at));
    EXPECT_TRUE(paintedRed(at + static_cast<int>(block.size()) - 3));
    EXPECT_FALSE(ed()->canUndo());
    EXPECT_EQ(newestSnapshot(), page);

    menu(stylesheet_menu::InsertPageStyle);
    EXPECT_EQ(ed()->text(), expected) << "a page with a style block gets no second one";
    setDocument(0, u("index.html"), u("<BODY>"));
    menu(stylesheet_menu::InsertPageStyle);
    EXPECT_EQ(ed()->text(), u("<BODY>"));
}

TEST_F(StylesheetMenuTest, ScopedSpanAndInlineStyleAtTheSelection)
{
    start();
    setDocument(0, u("index.html"), u("<P>one</P>\r\ntwo three\r\n"));
    ed()->select(12, 3);
    menu(stylesheet_menu::InsertScopedStyle);
    EXPECT_EQ(ed()->text(), u("<P>one</P>\r\n<SPAN STYLE=\" \">\r\ntwo\r\n</SPAN> three\r\n"));
    EXPECT_TRUE(paintedRed(12));

    setDocument(0, u("index.html"), u("one two"));
    ed()->select(4, 3);
    menu(stylesheet_menu::InsertScopedStyle);
    EXPECT_EQ(ed()->text(), u("one <SPAN STYLE=\" \">two</SPAN>"));

    setDocument(0, u("index.html"), u("<P>text</P>"));
    ed()->select(0, 11);
    menu(stylesheet_menu::InsertInlineStyle);
    EXPECT_EQ(ed()->text(), u("<P STYLE=\" \">text</P>"));
    EXPECT_EQ(ed()->selectionStart(), 2);
    EXPECT_EQ(ed()->selectionLength(), css::inlineStyleAttribute().size() + 1);
    EXPECT_TRUE(paintedRed(2));

    for (const char* selection : {"P>", ""}) {
        setDocument(0, u("index.html"), u(selection));
        ed()->select(0, static_cast<int>(u(selection).size()));
        dialogs.expectMsg(u("タグの < から > までを選択して下さい。"));
        menu(stylesheet_menu::InsertInlineStyle);
        EXPECT_EQ(ed()->text(), u(selection));
    }
}

TEST_F(StylesheetMenuTest, LessonItemOpensTheLessonWhenThereIsOne)
{
    start();
    int shown = 0;
    w().stylesheet.menu.openLessonWindow = [&] { ++shown; };
    menu(stylesheet_menu::ShowLesson);
    EXPECT_EQ(shown, 1);
    // Indexes without an item do nothing.
    w().stylesheet.menu.runRow(3);
    w().stylesheet.menu.runRow(20);
    EXPECT_EQ(w().ws.documentCount(), 1);
}

#include "StylesheetFixture.h"
#include "editor/Insertion.h"
#include "platform/Twips.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

const char* const Sheet = "P.note {\r\n  color:red;\r\n}\r\n/* H2 { is a comment } */\r\nH1{color:blue}\r\n";

} // namespace

class ClassListTest : public StylesheetFixture {
protected:
    QListWidget* classes() { return control<QListWidget>(class_list::List); }
    // A page in the folder web/ that links a stylesheet and has a style block of its own.
    void pageLinking(const QString& href)
    {
        setDocument(0, u("index.html"),
                    u("<HTML>\r\n<HEAD>\r\n<LINK REL=stylesheet TYPE=\"text/css\" HREF=\"") + href
                        + u("\">\r\n<STYLE type=\"text/css\">\r\n<!--\r\n.red { color:red }\r\n-->\r\n</STYLE>\r\n</HEAD>\r\n<BODY>\r\n<P>text</P>\r\n</BODY>\r\n</HTML>"),
                    path(u("web")));
    }
    void writeSheet()
    {
        QDir().mkpath(path(u("web")));
        writeFile(path(u("web/Site.CSS")), Sheet);
    }
    void list() { w().stylesheet.classes.showClassesOfPage(); }
    void choose(const QString& entry)
    {
        const QList<QListWidgetItem*> found = classes()->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << entry.toStdString();
        classes()->setCurrentItem(found.first());
    }
};

TEST_F(ClassListTest, ListsTheLinkedStylesheetThenTheStyleBlockAtTheRightClick)
{
    start();
    writeSheet();
    pageLinking(u("Site.CSS"));
    w().ws.passOnEditorMouseDown(0, 2, 0, 3300, 400);
    list();
    EXPECT_TRUE(classes()->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(classes()), twips::Top(classes()), twips::Width(classes()), twips::Height(classes())}),
              (std::vector<int>{500, 1200, 2145, 3000}));
    EXPECT_EQ(entries(classes()), (QStringList{u("P.note "), u("H1"), u(".red "), u("SPAN style"), u("SPAN class")}));

    // Low on the screen the list opens above the click.
    w().ws.passOnEditorMouseDown(0, 2, 0, 100, 4000);
    list();
    EXPECT_EQ(twips::Top(classes()), 1800);
    EXPECT_EQ(twips::Left(classes()), 300);
}

TEST_F(ClassListTest, WithoutTheLinkedFileTheStyleBlockAndSpansAreStillListed)
{
    start();
    const QStringList rest = {u(".red "), u("SPAN style"), u("SPAN class")};
    for (const char* href : {"missing.css", "http://example.com/Site.CSS"}) {
        writeSheet();
        pageLinking(u(href));
        list();
        EXPECT_EQ(entries(classes()), rest) << href;
    }
}

TEST_F(ClassListTest, TheFirstOpenStylesheetComesBeforeTheLink)
{
    start();
    writeSheet();
    pageLinking(u("Site.CSS"));
    addDocument(u("first.css"), u("DIV.box {\r\n}"));
    addDocument(u("second.css"), u("EM {\r\n}"));
    w().ws.selectSourceTab(0);
    list();
    EXPECT_EQ(entries(classes()), (QStringList{u("DIV.box "), u(".red "), u("SPAN style"), u("SPAN class")}));
}

TEST_F(ClassListTest, AnEntryIsAppliedToTheSelection)
{
    start();
    struct Case {
        const char* what;
        const char* text;
        int start;
        int length;
        const char* entry;
        const char* result;
    } cases[] = {
        {"class into the tag", "<P>text</P>", 0, 3, ".red ", "<P class=\"red\">text</P>"},
        {"element with a class around text", "ab cd ef", 3, 2, "P.note ", "ab \r\n<P class=\"note\">\r\ncd\r\n</P>\r\n ef"},
        {"a span with a class", "ab cd", 3, 2, "SPAN class", "ab <SPAN class=\"\">cd</SPAN>"},
    };
    for (const Case& c : cases) {
        writeSheet();
        pageLinking(u("Site.CSS"));
        list();
        ed()->setText(u(c.text));
        ed()->select(c.start, c.length);
        choose(u(c.entry));
        EXPECT_EQ(ed()->text(), u(c.result)) << c.what;
        EXPECT_FALSE(classes()->isVisible()) << c.what;
    }
    EXPECT_EQ(ed()->paintAt(3), Insertion::markColour()) << "wrapping tags are painted";
}

TEST_F(ClassListTest, AClassNeedsATagAndAnEntryNeedsASelection)
{
    start();
    writeSheet();
    pageLinking(u("Site.CSS"));
    list();
    ed()->setText(u("plain text"));
    ed()->select(0, 5);
    dialogs.expectMsg(u("クラスやＩＤにはタグを選択します"));
    choose(u(".red "));
    EXPECT_EQ(ed()->text(), u("plain text"));
    EXPECT_TRUE(classes()->isVisible()) << "the list stays for another try";

    // The same entry again, now on a tag.
    ed()->setText(u("<B>x</B>"));
    ed()->select(0, 3);
    choose(u(".red "));
    EXPECT_EQ(ed()->text(), u("<B class=\"red\">x</B>"));

    list();
    ed()->setSelectionStart(0);
    dialogs.expectMsg(u("スタイルを設定する範囲を選択してください。"));
    choose(u("SPAN style"));
    EXPECT_FALSE(classes()->isVisible());
    EXPECT_EQ(ed()->text(), u("<B class=\"red\">x</B>"));
}

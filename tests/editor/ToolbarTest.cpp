#include "EditingFixture.h"
#include "editor/EditorMenus.h"
#include "editor/EditorControls.h"

#include "editor/EditApply.h"
#include "editor/PasteMode.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QUrl>

class ToolbarTest : public EditingFixture {};

TEST_F(ToolbarTest, ButtonsChangeTheTextAsTheirTagsSay)
{
    const CommandRow rows[] = {
        {toolbar::Cut, "ab«cd»ef", "ab«»ef", {}, "old", "cd"},
        {toolbar::Copy, "ab«cd»ef", "ab«cd»ef", {}, "old", "cd"},
        {toolbar::Paste, "ab«cd»ef", "abXY«»ef", {}, "XY"},
        {toolbar::InsertLineBreak, "ab«cd»ef", "ab<BR>«»cdef"},
        {toolbar::InsertLineBreak, "«»abc", "«»abc"}, // nothing at the very start
        {toolbar::Bold, "ab«cd»ef", "ab<B>«»cd</B>ef", {{2, 3}, {7, 4}}},
        {toolbar::Italic, "日本«語»です", "日本<I>«»語</I>です", {{2, 3}, {6, 4}}},
        {toolbar::Underline, "ab«cd»ef", "ab<U>«»cd</U>ef", {{2, 3}, {7, 4}}},
        // The line break at the end of the selection stays outside the closing tag, whole.
        {toolbar::Bold, "a«bc\r\n»d", "a<B>«»bc</B>\r\nd", {{1, 3}, {6, 4}}},
        {toolbar::Bold, "«x\r\n\r\n»", "<B>«»x</B>\r\n\r\n", {{0, 3}, {4, 4}}},
        {toolbar::Bold, "ab«»cd", "ab«»cd"},
        {toolbar::LargerText, "ab«cd»ef", "ab<FONT SIZE=\"+1\">«»cd</FONT>ef", {{2, 16}, {20, 7}}},
        {toolbar::SmallerText, "a«b\r\n»", "a<FONT SIZE=\"-1\">«»b</FONT>\r\n", {{1, 16}, {18, 7}}},
        {toolbar::AlignLeft, "<P«»>x", "<P align=\"left\"«»>x", {{2, 13}}},
        {toolbar::Centre, "<P«x»>", "<P align=\"center\"«»x>", {{2, 15}}},
        {toolbar::AlignRight, "<P«»>", "<P align=\"right\"«»>", {{2, 14}}},
        {toolbar::AlignLeft, "«»<P>", "«»<P>"}, // nothing with the caret at the very start
        {toolbar::ColourPicker, "ab«cd»ef", "ab«cd»ef"},
        {toolbar::Image, "ab«cd»ef", "ab«cd»ef"},
        {toolbar::BackgroundSound, "ab«cd»ef", "ab«cd»ef"},
    };
    runRows(rows);
}

TEST_F(ToolbarTest, TagButtonsEmptyTheEditorsUndoEvenWhenTheyInsertNothing)
{
    for (CommandId button : {toolbar::Bold, toolbar::InsertLineBreak, toolbar::AlignLeft, toolbar::LargerText,
                             toolbar::ColourPicker}) {
        setDocument("ab«»cd");
        QTest::keyClicks(ed(), QStringLiteral("x"));
        ASSERT_TRUE(ed()->canUndo());
        w().commands.invoke(button);
        EXPECT_FALSE(ed()->canUndo()) << button.key;
        // The snapshot of the typed text is in the ring: undo brings it back after a wrap.
    }
    setDocument("ab«cd»ef");
    w().commands.invoke(toolbar::Bold);
    w().commands.invoke(toolbar::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
}

TEST_F(ToolbarTest, AButtonOnAPreviewTabActsOnThatDocumentsSourceTab)
{
    setDocument("ab«cd»ef");
    TabStrip& tabs = w().ws.tabStrip();
    w().ws.selectPreviewTab(0);
    ASSERT_EQ(tabs.currentIndex(), 2);
    select(ed(), {2, 2});
    w().commands.invoke(toolbar::Bold);
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab<B>cd</B>ef"));
}

TEST_F(ToolbarTest, DocumentButtonsReachTheFileCommands)
{
    w().commands.invoke(toolbar::NewDocument);
    EXPECT_EQ(w().ws.documentCount(), 2);
    w().commands.invoke(toolbar::Close);
    EXPECT_EQ(w().ws.documentCount(), 1);

    setDocument("text«»");
    dialogs.expectMsg(QStringLiteral("現在のファイルを保存しますか？"), MsgResult::No);
    dialogs.expectOpen(std::nullopt);
    w().commands.invoke(toolbar::Open);
    dialogs.expectSave(std::nullopt);
    dialogs.expectMsg(QStringLiteral("データｰは保存されませんでした"));
    w().commands.invoke(toolbar::Save);
    dialogs.expectPrinter(std::nullopt);
    w().commands.invoke(toolbar::Print);
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(ed()->text(), QStringLiteral("text"));
}

TEST_F(ToolbarTest, SearchButtonOpensTheSearchPanelWithTheSelection)
{
    setDocument("ab«検索»ef");
    w().commands.invoke(toolbar::Search);
    EXPECT_TRUE(w().controls.get<QWidget>(search_panel::Panel)->isVisible());
    EXPECT_EQ(w().controls.get<QLineEdit>(search_panel::Word)->text(), QStringLiteral("検索"));
}

TEST_F(ToolbarTest, BrowserButtonWritesTheWholePageAndOpensIt)
{
    UrlCatcher catcher;
    setDocument("«»   ");
    w().commands.invoke(toolbar::Browser);
    EXPECT_TRUE(catcher.opened.isEmpty()) << "a blank document shows nothing";

    Document& d = w().ws.current();
    d.folder = path(QStringLiteral("pages"));
    QDir().mkpath(d.folder);
    d.header = QStringLiteral("<HTML><BODY>\r\n");
    d.footer = QStringLiteral("</BODY></HTML>");
    setDocument("本文«»");
    w().commands.invoke(toolbar::Browser);
    const QString page = d.folder + QStringLiteral("/$$$000.html");
    ASSERT_EQ(catcher.opened, (QList<QUrl>{QUrl::fromLocalFile(page)}));
    const TextReadResult written = readTextFile(page);
    EXPECT_EQ(written.text, QStringLiteral("<HTML><BODY>\r\n本文</BODY></HTML>\r\n"));
}

TEST_F(ToolbarTest, BrowserButtonTellsWhenThePageCannotBeWritten)
{
    UrlCatcher catcher;
    w().ws.current().folder = path(QStringLiteral("no/such/folder"));
    setDocument("<P>x«»");
    dialogs.expectMsg(QStringLiteral("ブラウザーで表示する一時ファイルが書き込めませんでした。"));
    w().commands.invoke(toolbar::Browser);
    EXPECT_TRUE(catcher.opened.isEmpty());
}

TEST_F(ToolbarTest, ButtonsCarryTheirTipsAndAnIconOrTheirKey)
{
    QToolBar* bar = w().findChild<QToolBar*>();
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->actions().size(), 25);
    for (int i = 0; i < 25; ++i) {
        QAction* a = w().commands.action(toolbar::Buttons, i);
        EXPECT_EQ(bar->actions()[i], a);
        EXPECT_FALSE(a->toolTip().isEmpty());
    }
    EXPECT_EQ(w().commands.action(toolbar::Bold)->toolTip(), QStringLiteral("太字"));
    EXPECT_EQ(w().commands.action(toolbar::ColourPicker)->toolTip(), QStringLiteral("「カラーペルモア」の起動"));
    EXPECT_FALSE(w().commands.action(toolbar::Bold)->icon().isNull()) << "the icon theme is installed";
    EXPECT_TRUE(w().commands.action(toolbar::PasteMode)->icon().isNull());
    EXPECT_EQ(w().commands.action(toolbar::PasteMode)->text(), QStringLiteral("貼"));
}

#include "EditingFixture.h"
#include "editor/EditorMenus.h"
#include "editor/EditorControls.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QPlainTextEdit>

class GrammarPanelTest : public EditingFixture {
protected:
    QWidget* panel() { return w().controls.get<QWidget>(grammar_panel::Panel); }
    QString message() { return w().controls.get<QPlainTextEdit>(grammar_panel::Message)->toPlainText(); }
};

TEST_F(GrammarPanelTest, MessagesAndTheMarkedRange)
{
    struct Case {
        const char* text;
        const char* message;
        MarkRange mark;
    } cases[] = {
        {"<b <i>", "<が有りません。", {1, 3}},
        {"< p></p>", "< と文字の間に空白があります", {1, 1}},
        {"abc<", "< と文字の間に空白があります", {4, 0}},
        {"<pre>x</pre>", "<pのエンドタグ </p>が有りません。", {1, 1}},
        {"<HTML><BODY><DIV>本文</BODY></HTML>", "<divのエンドタグ </div>が有りません。", {13, 3}},
        // The end-tag message replaces a bracket message.
        {"< b><div>", "<divのエンドタグ </div>が有りません。", {5, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setDocument(c.text);
        w().commands.invoke(edit2_menu::CheckGrammar);
        EXPECT_TRUE(panel()->isVisible());
        EXPECT_EQ(message(), QString::fromUtf8(c.message));
        EXPECT_EQ(selectionOf(ed()), (Selection{c.mark.start, c.mark.length}));
        // The marks stay while the panel is shown.
        EXPECT_EQ(red(), c.mark.length > 0 ? QList<MarkRange>{c.mark} : QList<MarkRange>{});
        EXPECT_FALSE(blue().isEmpty());
        w().dispatcher.press(ExecuteButton::GrammarPanelCloseBox);
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_TRUE(red().isEmpty()) << "closing the panel recolours";
        EXPECT_TRUE(blue().isEmpty());
    }
}

TEST_F(GrammarPanelTest, ACleanTextShowsNothing)
{
    for (const char* text : {"<!DOCTYPE html><html><p>x</p></html>", " <br> text <!-- c -->", "ends in <br"}) {
        setDocument(text);
        w().commands.invoke(edit2_menu::CheckGrammar);
        EXPECT_FALSE(panel()->isVisible()) << text;
        EXPECT_TRUE(red().isEmpty()) << text;
        EXPECT_TRUE(blue().isEmpty()) << text;
    }
}

TEST_F(GrammarPanelTest, HalfWidthKatakanaYesReplacesAllAndCanBeUndone)
{
    setDocument("ｱｲｳと<p>ｶﾞ｡</p>«»");
    dialogs.expectMsg(QStringLiteral("半角カタカナがあります、全て置換しますか"), MsgResult::Yes);
    w().commands.invoke(edit2_menu::CheckGrammar);
    EXPECT_EQ(ed()->text(), QStringLiteral("アイウと<p>カ゛。</p>"));
    EXPECT_FALSE(panel()->isVisible());
    // The ring holds the text from before the replacement, for when the editor's own undo is gone.
    const Document& d = w().ws.current();
    EXPECT_EQ(d.undoRing[static_cast<size_t>(d.undoPosition)].text, QStringLiteral("ｱｲｳと<p>ｶﾞ｡</p>"));
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("ｱｲｳと<p>ｶﾞ｡</p>"));
}

TEST_F(GrammarPanelTest, HalfWidthKatakanaNoChangesNothing)
{
    setDocument("ｱｲｳ<div>«»");
    dialogs.expectMsg(QStringLiteral("半角カタカナがあります、全て置換しますか"), MsgResult::No);
    w().commands.invoke(edit2_menu::CheckGrammar);
    EXPECT_EQ(ed()->text(), QStringLiteral("ｱｲｳ<div>"));
    EXPECT_EQ(message(), QStringLiteral("<divのエンドタグ </div>が有りません。"));
    EXPECT_EQ(red(), (QList<MarkRange>{{4, 3}}));
}

#include "editor/EditorControls.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

class EditorFontsTest : public AppFixture {};

TEST_F(EditorFontsTest, ASchemeKeepsCaretAndScrollAndIsStored)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->resize(400, 200);
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("<p>%1</p>\r\n").arg(i);
    ed->setText(text);
    ed->setSelectionStart(500);
    ed->setFirstVisibleLine(30);
    win.fonts.applyColourScheme(2);
    EXPECT_EQ(ed->selectionStart(), 500);
    EXPECT_EQ(ed->firstVisibleLine(), 30);
    EXPECT_EQ(win.state.ini.value(QString(), QString(), QStringLiteral("FontColor"), QString()), QStringLiteral(" 2"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(win.commands.action(font_menu::colourScheme(i))->isChecked(), i == 2);
}

TEST_F(EditorFontsTest, SchemeDOnAnEmptyDocumentLeavesOneWhiteBlank)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    win.fonts.applyColourScheme(4);
    EXPECT_EQ(ed->text(), QStringLiteral(" "));
    EXPECT_EQ(ed->selectionStart(), 0);
    EXPECT_EQ(ed->selectionLength(), 0);
    EXPECT_EQ(ed->backgroundColour(), QColor(0, 0, 0));
    EXPECT_EQ(ed->paintAt(0), QColor(255, 255, 255));
    // A new document is painted black too.
    ASSERT_TRUE(win.ws.addDocument());
    EXPECT_EQ(win.ws.sourceEditor(1)->backgroundColour(), QColor(0, 0, 0));
}

TEST_F(EditorFontsTest, TheEditorFontOfTheFirstDocumentIsRemembered)
{
    MainWindow& win = start();
    FontChoice chosen;
    chosen.name = QStringLiteral("IPAMincho");
    chosen.size = 14;
    chosen.bold = true;
    dialogs.expectFont(chosen);
    win.fonts.chooseEditorFont();
    EXPECT_TRUE(dialogs.lastFontFixedPitch);
    EXPECT_EQ(dialogs.lastFontInitial->name, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(win.ws.sourceEditor(0)->editorFont().family(), QStringLiteral("IPAMincho"));

    // Cancelling changes nothing; a later document's font is not stored.
    dialogs.expectFont(std::nullopt);
    win.fonts.chooseEditorFont();
    EXPECT_EQ(win.ws.sourceEditor(0)->editorFont().family(), QStringLiteral("IPAMincho"));
    ASSERT_TRUE(win.ws.addDocument());
    FontChoice other;
    other.name = QStringLiteral("IPAGothic");
    other.size = 20;
    dialogs.expectFont(other);
    win.fonts.chooseEditorFont();
    EXPECT_EQ(win.ws.sourceEditor(1)->editorFont().pointSizeF(), 20);
    ASSERT_TRUE(quit());

    MainWindow& again = start();
    const QFont font = again.ws.sourceEditor(0)->editorFont();
    EXPECT_EQ(font.family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(font.pointSizeF(), 14);
    EXPECT_TRUE(font.bold());
}

TEST_F(EditorFontsTest, TheExplanationFontLandsOnTheMiniPanelsBodyBox)
{
    MainWindow& win = start();
    auto* body = win.controls.get<QPlainTextEdit>(mini_panel::BodyBox);
    const QFont before = body->font();
    FontChoice chosen;
    chosen.name = QStringLiteral("IPAMincho");
    chosen.size = 15;
    chosen.italic = true;
    chosen.bold = true;
    dialogs.expectFont(chosen);
    win.commands.invoke(font_menu::ExplanationFont);
    EXPECT_TRUE(dialogs.lastFontFixedPitch);
    EXPECT_EQ(body->font().family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(body->font().pointSizeF(), 15);
    EXPECT_TRUE(body->font().italic());
    EXPECT_FALSE(body->font().bold()) << "the box takes the name, the size and the slant only";
    EXPECT_NE(body->font().family(), before.family());

    // Cancelling keeps the font; a choice without a size gives 12 points.
    dialogs.expectFont(std::nullopt);
    win.fonts.chooseExplanationFont();
    EXPECT_EQ(body->font().family(), QStringLiteral("IPAMincho"));
    FontChoice sizeless;
    sizeless.name = QStringLiteral("IPAGothic");
    sizeless.size = 0;
    dialogs.expectFont(sizeless);
    win.fonts.chooseExplanationFont();
    EXPECT_EQ(body->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(body->font().pointSizeF(), 12);
    EXPECT_FALSE(body->font().italic());
}

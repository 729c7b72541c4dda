#include "editor/Colouring.h"
#include "editor/EditorControls.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QAction>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string scan(const std::string& text)
{
    std::string styles(text.size(), '?');
    colourScan(text.data(), static_cast<qsizetype>(text.size()), styles.data());
    for (char& c : styles)
        c = static_cast<char>('0' + c);
    return styles;
}

} // namespace

TEST(ColourScan, TagsTextAndQuotedValues)
{
    struct Case {
        const char* text;
        const char* styles;
    } cases[] = {
        // Text in front of the first tag keeps the default colour.
        {"ab<p>cd", "0011122"},
        // The quotes of a value are in the tag colour, the value between them in colour 3.
        {"<a href=\"x\">t", "1111111113112"},
        // A ">" inside a value ends the tag: the closing quote and the rest are text.
        {"<a t=\"x>y\">z", "111111332222"},
        // A quote outside any tag changes nothing.
        {"a\"b<i>\"c", "00011122"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scan(c.text), c.styles) << c.text;
    }
}

TEST(ColourScan, MultiByteTextTakesTheColourOfItsBytes)
{
    const std::string text = "<b>日本</b>";
    const std::string styles = scan(text);
    ASSERT_EQ(styles.size(), text.size());
    EXPECT_EQ(styles.substr(3, 6), "222222"); // two characters of three bytes each
    EXPECT_EQ(styles.substr(9), "1111");
}

class ColouringWindow : public AppFixture {};

TEST_F(ColouringWindow, SchemesColourWithoutMarkingTheDocumentModified)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setText(QStringLiteral("前<P align=\"center\">本文</P>"));
    win.ws.doc(0).modified = false;
    struct Expect {
        int scheme;
        QColor tag, text, value, back;
    } expects[] = {
        {1, QColor(0, 0, 200), QColor(100, 0, 100), QColor(180, 0, 0), QColor(238, 238, 255)},
        {2, QColor(0, 0, 255), QColor(0, 0, 128), QColor(180, 0, 0), QColor(238, 238, 255)},
        {3, QColor(180, 0, 180), QColor(0, 0, 100), QColor(200, 0, 0), QColor(238, 238, 255)},
        {4, QColor(0, 0, 255), QColor(255, 255, 255), QColor(255, 0, 0), QColor(0, 0, 0)},
    };
    for (const auto& e : expects) {
        win.fonts.applyColourScheme(e.scheme);
        EXPECT_TRUE(win.commands.action(font_menu::colourScheme(e.scheme))->isChecked());
        EXPECT_EQ(ed->styleColour(ed->styleAt(1)), e.tag) << e.scheme;
        EXPECT_EQ(ed->styleColour(ed->styleAt(20)), e.text) << e.scheme;   // 本
        EXPECT_EQ(ed->styleColour(ed->styleAt(11)), e.value) << e.scheme;  // c of center
        EXPECT_EQ(ed->styleAt(10), RichEdit::StyleTag);                     // the opening quote
        EXPECT_EQ(ed->backgroundColour(), e.back) << e.scheme;
        EXPECT_FALSE(win.ws.doc(0).modified) << e.scheme;
    }
    // On the black ground the text in front of the first tag can be read.
    EXPECT_EQ(ed->styleAt(0), RichEdit::StyleDefault);
    EXPECT_NE(ed->styleColour(RichEdit::StyleDefault), ed->backgroundColour());
}

TEST_F(ColouringWindow, RedMarkingLastsUntilTheNextRecolour)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setText(QStringLiteral("0123456789word rest"));
    ed->select(10, 4);
    win.insert.wrapSelectionMarked(QStringLiteral("<B>"), QStringLiteral("</B>"));
    EXPECT_EQ(ed->paintAt(10), QColor(255, 0, 0));
    EXPECT_EQ(ed->paintAt(17), QColor(255, 0, 0));
    EXPECT_FALSE(ed->paintAt(14).isValid());
    ed->setSelectionStart(12);
    win.colour.recolourCurrent();
    EXPECT_FALSE(ed->paintAt(10).isValid());
    EXPECT_EQ(ed->selectionStart(), 12);
    EXPECT_EQ(ed->selectionLength(), 0);
}

TEST_F(ColouringWindow, RecolourCurrentKeepsCaretAndTopLineButDropsTheSelection)
{
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("<p>line %1</p>\r\n").arg(i);
    ed->setText(text);
    ed->setFirstVisibleLine(50);
    ed->select(static_cast<int>(text.indexOf(QStringLiteral("line 60"))), 4);
    ed->setFirstVisibleLine(50);
    const int caret = ed->selectionStart();
    win.colour.recolourCurrent();
    EXPECT_EQ(ed->firstVisibleLine(), 50);
    EXPECT_EQ(ed->selectionStart(), caret);
    EXPECT_EQ(ed->selectionLength(), 0);
}

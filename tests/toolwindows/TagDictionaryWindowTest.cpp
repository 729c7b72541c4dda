#include "ToolWindowFixture.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "toolwindows/BlankWrapLabel.h"
#include "toolwindows/TagDictionaryWindow.h"
#include "toolwindows/MouseRelay.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QString R = QStringLiteral("\r\n");

// A small dictionary: plain pairs, a caption with blanks before its end tag, a single tag, a
// caption that inserts nothing and one with the colour-code aid.
const QString Tags = QStringLiteral(
    "タグ辞書\n"
    "<B> </B>\n"
    "太字にします。\n"
    "\n"
    "<I>    </I>   \n"
    "斜体にします。\n"
    "\n\n"
    "<BR>\n"
    "改行します。\n"
    "\n"
    "B</B>\n"
    "形の崩れた見出し\n"
    "\n"
    "<FONT COLOR=\"*\"> </FONT>\n"
    "文字の色です。rrggbb を選ぶと * に色が入ります。\n");

class TagDictionaryWindowTest : public ToolWindowTest {
protected:
    MainWindow& startWithTags(const QString& text = Tags)
    {
        writeResource(QStringLiteral("tag.txt"), text);
        start();
        w().tagDictionary.showDictionary();
        return w();
    }
    TagDictionaryWindow& dic() { return w().tagDictionary; }
    QLabel* label(int i) { return dic().controls.get<QLabel>(tag_dictionary::TagLabel, i); }
    QPlainTextEdit* box() { return dic().controls.get<QPlainTextEdit>(tag_dictionary::ExplanationBox); }
    RichEdit* editor() { return w().ws.currentEditor(); }
    // Every label shows its whole caption, measured as the label's font lays it out with word
    // wrap in the label's room and as the label paints it (broken at blanks); every label and the
    // explanation box lie inside the window.
    void expectEveryEntryWholeInTheWindow()
    {
        const QRect window = dic().rect();
        for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
            const QLabel* l = label(i);
            const QString caption = l->text();
            const std::string what = std::to_string(i) + " " + caption.toStdString();
            const int m = l->margin();
            const QRect room = l->contentsRect().adjusted(m, m, -m, -m);
            const QFontMetrics metrics = l->fontMetrics();
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
            EXPECT_LE(wrapped.width(), room.width()) << what;
            EXPECT_LE(wrapped.height(), room.height()) << what;
            EXPECT_TRUE(window.contains(QRect(l->mapTo(&dic(), QPoint(0, 0)), l->size()))) << what;
            const auto* wrapping = qobject_cast<const BlankWrapLabel*>(l);
            if (!wrapping) {
                ADD_FAILURE() << what << ": the label does not wrap its caption";
                continue;
            }
            const QStringList lines = wrapping->shownLines();
            for (const QString& line : lines)
                EXPECT_LE(metrics.horizontalAdvance(line), room.width()) << what << ": " << line.toStdString();
            EXPECT_LE(int(lines.size()) * metrics.lineSpacing() - metrics.leading(), room.height()) << what;
            EXPECT_EQ(lines.join(u' ').split(u' ', Qt::SkipEmptyParts), caption.split(u' ', Qt::SkipEmptyParts)) << what;
        }
        EXPECT_TRUE(window.contains(QRect(box()->mapTo(&dic(), QPoint(0, 0)), box()->size())));
    }
    // Selects text in the explanation box.
    void selectInBox(const QString& text)
    {
        const qsizetype at = box()->toPlainText().indexOf(text);
        ASSERT_GE(at, 0) << text.toStdString();
        QTextCursor c(box()->document());
        c.setPosition(int(at));
        c.setPosition(int(at + text.size()), QTextCursor::KeepAnchor);
        box()->setTextCursor(c);
    }
};

} // namespace

TEST_F(TagDictionaryWindowTest, LabelsShowTheCaptionsInRowsOfFive)
{
    copyResource(QStringLiteral("tag.txt"));
    start();
    EXPECT_FALSE(dic().isVisible());
    w().tagDictionary.showDictionary();
    EXPECT_TRUE(dic().isVisible());
    EXPECT_TRUE(dic().isOpen.value());
    EXPECT_EQ(dic().windowTitle(), QStringLiteral("タグの貼り付けと意味"));
    EXPECT_EQ(dic().explanationText(), QStringLiteral("タグをクリックすると説明が下に出ます。") + R
                                     + QStringLiteral("ダブルクリックすると編集中のソースに挿入されます。"));
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
        EXPECT_FALSE(label(i)->text().isEmpty()) << i;
        EXPECT_TRUE(label(i)->text().startsWith(u'<')) << i;
    }
    EXPECT_EQ(backColour(label(0)), QColor(0, 0, 128));
    EXPECT_EQ(foreColour(label(0)), QColor(255, 255, 255));

    // Five columns of one width from left 100, 40 apart; rows 20 apart from top 200, every label
    // of a row as high as the row.
    const int w0 = twips::Width(label(0));
    int rowTop = 200;
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
        const int first = i - i % 5;
        if (i % 5 == 0 && i > 0)
            rowTop += twips::Height(label(i - 5)) + 20;
        EXPECT_EQ(twips::Left(label(i)), i % 5 * (w0 + 40) + 100) << i;
        EXPECT_EQ(twips::Width(label(i)), w0) << i;
        EXPECT_EQ(twips::Top(label(i)), rowTop) << i;
        EXPECT_EQ(twips::Height(label(i)), twips::Height(label(first))) << i;
    }
    // A row of short tags keeps the height of one line; the row of the long META tag is higher.
    EXPECT_EQ(twips::Height(label(0)), 300);
    ASSERT_TRUE(label(43)->text().startsWith(QStringLiteral("<META HTTP-EQUIV")));
    EXPECT_GE(label(43)->height(), 2 * label(43)->fontMetrics().lineSpacing());
    // The box below the last row, with room for an explanation.
    EXPECT_EQ(twips::Top(box()), twips::Top(label(64)) + twips::Height(label(64)) + 50);
    EXPECT_GE(twips::Height(box()), 1500);
    expectEveryEntryWholeInTheWindow();
    EXPECT_TRUE(dic().screen()->availableGeometry().contains(dic().frameGeometry()));
}

TEST_F(TagDictionaryWindowTest, TheLayoutFollowsTheWindowsSize)
{
    copyResource(QStringLiteral("tag.txt"));
    start();
    w().tagDictionary.showDictionary();
    const QSize first = dic().size();
    const QRect room = dic().screen()->availableGeometry();
    struct Case {
        const char* what;
        QSize size;
    } cases[] = {
        {"narrower and lower", QSize(first.width() * 3 / 4, first.height() * 3 / 4)},
        {"as small as the window goes", QSize(1, 1)},
        {"as large as the screen", room.size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dic().move(room.topLeft());
        dic().resize(c.size);
        expectEveryEntryWholeInTheWindow();
        EXPECT_EQ(twips::Top(box()), twips::Top(label(64)) + twips::Height(label(64)) + 50);
        EXPECT_NEAR(box()->geometry().right(), label(4)->geometry().right(), 2) << "the box spans the columns";
    }
}

TEST_F(TagDictionaryWindowTest, ClickShowsTheExplanationInBlue)
{
    startWithTags();
    dic().showExplanation(1);
    EXPECT_EQ(dic().explanationText(), QStringLiteral("<I>    </I>   ") + R + QStringLiteral("斜体にします。"));
    const QTextBlock last = box()->document()->lastBlock();
    EXPECT_EQ(last.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(box()->textCursor().hasSelection());
    EXPECT_EQ(box()->textCursor().position(), 0);

    // A label without an entry empties the box; there are explanations up to entry 100.
    dic().showExplanation(30);
    EXPECT_EQ(dic().explanationText(), QString());
    dic().showExplanation(100);
    EXPECT_THROW(dic().showExplanation(101), std::out_of_range);
}

TEST_F(TagDictionaryWindowTest, DoubleClickWrapsTheSelectionAndKeepsItsLineBreakOutside)
{
    startWithTags();
    struct Case {
        const char* what;
        int label;
        QString text;
        int start;
        int length;
        QString result;
    } cases[] = {
        {"a word", 0, QStringLiteral("x abc y"), 2, 3, QStringLiteral("x <B>abc</B> y")},
        {"blanks before the end tag are dropped", 1, QStringLiteral("abc"), 0, 3, QStringLiteral("<I>abc</I>")},
        {"a final CR LF stays outside", 0, QStringLiteral("abc") + R + QStringLiteral("d"), 0, 5,
         QStringLiteral("<B>abc</B>") + R + QStringLiteral("d")},
        {"a final lone LF stays outside", 0, QStringLiteral("abc\nd"), 0, 4, QStringLiteral("<B>abc</B>\nd")},
        {"a single tag", 2, QStringLiteral("abc"), 3, 0, QStringLiteral("abc<BR>")},
        {"a caption that is not a tag inserts nothing", 3, QStringLiteral("abc"), 0, 3, QStringLiteral("abc")},
        {"a label without entry collapses the selection", 20, QStringLiteral("abc"), 1, 2, QStringLiteral("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        editor()->setText(c.text);
        editor()->select(c.start, c.length);
        Document& d = w().ws.current();
        const int before = d.undoPosition;
        dic().wrapSelectionInTags(c.label);
        EXPECT_EQ(editor()->text(), c.result);
        const bool inserts = c.label != 3;
        // The tag dictionary's snapshot is always taken, with the text before the change.
        EXPECT_EQ(d.undoPosition != before, inserts);
        if (inserts)
            EXPECT_EQ(d.undoRing[size_t(d.undoPosition)].text, c.text);
    }

    // The inserted tags are painted; the caret stands after the start tag.
    editor()->setText(QStringLiteral("abc"));
    editor()->select(0, 3);
    dic().wrapSelectionInTags(0);
    EXPECT_EQ(editor()->paintAt(0), QColor(255, 0, 0));
    EXPECT_EQ(editor()->paintAt(7), QColor(255, 0, 0));
    EXPECT_FALSE(editor()->paintAt(4).isValid());
    EXPECT_EQ(editor()->selectionStart(), 3);
}

TEST_F(TagDictionaryWindowTest, DoubleClickOnAPreviewTabChangesNothing)
{
    startWithTags();
    editor()->setText(QStringLiteral("abc"));
    editor()->select(0, 3);
    const int before = w().ws.current().undoPosition;
    w().ws.selectPreviewTab(0);
    dic().wrapSelectionInTags(0);
    EXPECT_EQ(editor()->text(), QStringLiteral("abc"));
    EXPECT_EQ(w().ws.current().undoPosition, before);
}

TEST_F(TagDictionaryWindowTest, WindowHidesOnAPreviewTabWhileItIsOpen)
{
    startWithTags();
    w().ws.selectPreviewTab(0);
    EXPECT_FALSE(dic().isVisible());
    w().ws.selectSourceTab(0);
    EXPECT_TRUE(dic().isVisible());

    // Closed, it stays closed on every tab and reads its file again when it is opened.
    dic().close();
    EXPECT_FALSE(dic().isOpen.value());
    w().ws.selectPreviewTab(0);
    w().ws.selectSourceTab(0);
    EXPECT_FALSE(dic().isVisible());
    writeResource(QStringLiteral("tag.txt"), QStringLiteral("見出し\n<U> </U>\n下線\n"));
    w().tagDictionary.showDictionary();
    EXPECT_EQ(label(0)->text(), QStringLiteral("<U> </U>"));
    EXPECT_EQ(label(1)->text(), QString());
}

TEST_F(TagDictionaryWindowTest, MissingDictionaryGivesItsMessageAndAnEmptyGrid)
{
    start();
    dialogs.expectMsg(QStringLiteral("tag.txtが読めません"));
    w().tagDictionary.showDictionary();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_TRUE(dic().isVisible());
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i)
        EXPECT_EQ(label(i)->text(), QString()) << i;
    editor()->setText(QStringLiteral("abc"));
    editor()->select(0, 3);
    dic().showExplanation(0);
    dic().wrapSelectionInTags(0);
    EXPECT_EQ(editor()->text(), QStringLiteral("abc"));
}

TEST_F(TagDictionaryWindowTest, PasteAndCopyOfTheExplanationBox)
{
    startWithTags();
    dic().showExplanation(0);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("kept"));
    editor()->setText(QStringLiteral("one two"));
    editor()->select(4, 3);

    // Nothing selected in the box: the editor and the clipboard are left alone.
    dic().pasteSelectedExplanation();
    EXPECT_EQ(editor()->text(), QStringLiteral("one two"));
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("two"));
    dic().copySelectedExplanation();
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));

    // A selection goes into the editor without passing through the clipboard.
    selectInBox(QStringLiteral("</B>\n太字"));
    dic().pasteSelectedExplanation();
    EXPECT_EQ(editor()->text(), QStringLiteral("one </B>") + R + QStringLiteral("太字"));
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));
    dic().copySelectedExplanation();
    EXPECT_EQ(clipboard->text(), QStringLiteral("</B>") + R + QStringLiteral("太字"));
}

TEST_F(TagDictionaryWindowTest, ColourCodeAidFillsTheStar)
{
    startWithTags();
    dic().showExplanation(4);
    const QString before = dic().explanationText();

    // Another word asks for nothing; a cancelled dialog changes nothing.
    selectInBox(QStringLiteral("rrggb"));
    dic().chooseColourForCode();
    selectInBox(QStringLiteral("rrggbb"));
    dialogs.expectColour(std::nullopt);
    dic().chooseColourForCode();
    EXPECT_EQ(dic().explanationText(), before);

    dialogs.expectColour(QColor(255, 0, 0));
    dic().chooseColourForCode();
    EXPECT_EQ(dic().explanationText(), QStringLiteral("<FONT COLOR=\"#FF0000\"> </FONT>") + R
                                     + QStringLiteral("文字の色です。rrggbb を選ぶと * に色が入ります。"));
    // The text keeps its colour.
    EXPECT_EQ(box()->document()->firstBlock().begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
}

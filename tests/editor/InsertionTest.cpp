#include "platform/RichEdit.h"
#include "support/AppFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

class InsertionTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
};

TEST_F(InsertionTest, InsertWrapsTheSelectionAndPaintsBothPiecesRed)
{
    start();
    // Positions count characters: ten Japanese characters, then the word.
    ed()->setText(QStringLiteral("あいうえおかきくけこabc\r\nxyz"));
    ed()->select(10, 3);
    ASSERT_EQ(ed()->selectedText(), QStringLiteral("abc"));
    w().insert.wrapSelectionMarked(QStringLiteral("<B>"), QStringLiteral("</B>"));
    EXPECT_EQ(ed()->text(), QStringLiteral("あいうえおかきくけこ<B>abc</B>\r\nxyz"));
    EXPECT_EQ(ed()->selectionStart(), 13);
    EXPECT_EQ(ed()->selectionLength(), 0);
    EXPECT_TRUE(ed()->hasFocus());
    for (int p : {10, 12, 16, 19})
        EXPECT_EQ(ed()->paintAt(p), QColor(255, 0, 0)) << p;
    for (int p : {9, 13, 15, 20})
        EXPECT_FALSE(ed()->paintAt(p).isValid()) << p;
}

TEST_F(InsertionTest, InsertWithoutSelectionLeavesTheCaretBetweenThePieces)
{
    start();
    ed()->setText(QStringLiteral("ab"));
    ed()->setSelectionStart(1);
    w().insert.wrapSelectionMarked(QStringLiteral("<I>"), QStringLiteral("</I>"));
    EXPECT_EQ(ed()->text(), QStringLiteral("a<I></I>b"));
    EXPECT_EQ(ed()->selectionStart(), 4);
}

TEST_F(InsertionTest, WrapSelectionIsAPlainWrap)
{
    start();
    ed()->setText(QStringLiteral("word"));
    ed()->select(0, 4);
    w().insert.wrapSelection(QStringLiteral("<BR>"), QString());
    EXPECT_EQ(ed()->text(), QStringLiteral("<BR>word"));
    EXPECT_FALSE(ed()->paintAt(0).isValid());
}

TEST_F(InsertionTest, InsertAtCaretPlacesTextAndRulesAsTheDocumentNeeds)
{
    start();
    struct Case {
        QString fileName;
        QString before;
        int caret;
        QString insert;
        QString after;
        int caretAfter;
    } cases[] = {
        // A property line in a stylesheet: trimmed, with a line break, caret in front of it.
        {QStringLiteral("a.css"), QStringLiteral("p {\r\n}"), 5, QStringLiteral("  color: red;  "),
         QStringLiteral("p {\r\ncolor: red;\r\n}"), 5},
        // The same text in a page: trimmed, no line break.
        {QStringLiteral("a.html"), QStringLiteral("<p></p>"), 3, QStringLiteral("  color: red;  "),
         QStringLiteral("<p>color: red;</p>"), 3},
        // A whole rule goes to the end, after a line break, wherever the caret was.
        {QStringLiteral("A.CSS"), QStringLiteral("body {}"), 0, QStringLiteral("h1 { color: blue; }"),
         QStringLiteral("body {}\r\nh1 { color: blue; }"), 28},
        // One leading line break is dropped, a second one kept.
        {QStringLiteral("b.css"), QString(), 0, QStringLiteral("\r\n\r\nmargin: 0;"),
         QStringLiteral("\r\nmargin: 0;\r\n"), 0},
    };
    for (const auto& c : cases) {
        w().ws.doc(0).fileName = c.fileName;
        ed()->setText(c.before);
        ed()->setSelectionStart(c.caret);
        QString text = c.insert;
        w().insert.insertAtCaret(text);
        EXPECT_EQ(ed()->text(), c.after) << c.fileName.toStdString();
        EXPECT_EQ(ed()->selectionStart(), c.caretAfter) << c.fileName.toStdString();
    }
}

TEST_F(InsertionTest, PasteGoesToTheFocusedControlButTheSnapshotIsOfTheDocument)
{
    start();
    ed()->setText(QStringLiteral("document"));
    auto* box = new QLineEdit(&w());
    box->show();
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    w().insert.pasteClipboard();
    EXPECT_EQ(box->text(), QStringLiteral("pasted"));
    EXPECT_EQ(ed()->text(), QStringLiteral("document"));
    EXPECT_EQ(w().ws.doc(0).undoRing[1].text, QStringLiteral("document"));

    ed()->setFocus();
    ed()->setSelectionStart(0);
    QApplication::clipboard()->setText(QStringLiteral("a\nb"));
    w().insert.pasteClipboard();
    EXPECT_EQ(ed()->text(), QStringLiteral("a\r\nbdocument"));
}

TEST_F(InsertionTest, LineBreakMarkGoesInFrontOfTheSelection)
{
    start();
    ed()->setText(QStringLiteral("abc def"));
    ed()->setSelectionStart(0);
    w().insert.insertLineBreakTag();
    EXPECT_EQ(ed()->text(), QStringLiteral("abc def")); // nothing at the very start
    ed()->select(4, 3);
    w().insert.insertLineBreakTag();
    EXPECT_EQ(ed()->text(), QStringLiteral("abc <BR>def"));
    EXPECT_EQ(ed()->selectionStart(), 8);
    EXPECT_EQ(ed()->selectionLength(), 0);
}

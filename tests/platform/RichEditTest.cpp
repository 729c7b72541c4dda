#include "platform/RichEdit.h"

#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(RichEditPositions, CountCharactersWithCrLfAsTwo)
{
    RichEdit ed;
    ed.setText(QStringLiteral("あいうえおかきくけこabc\r\nxyz"));
    EXPECT_EQ(ed.textLength(), 18);
    ed.select(10, 3);
    EXPECT_EQ(ed.selectionStart(), 10);
    EXPECT_EQ(ed.selectionLength(), 3);
    EXPECT_EQ(ed.selectedText(), QStringLiteral("abc"));
    // Across the line break.
    ed.select(12, 3);
    EXPECT_EQ(ed.selectedText(), QStringLiteral("c\r\n"));
    ed.select(13, 3);
    EXPECT_EQ(ed.selectedText(), QStringLiteral("\r\nx"));
}

TEST(RichEditPositions, NeverBetweenCrAndLfOrInsideACharacter)
{
    RichEdit ed;
    ed.setText(QStringLiteral("ab\r\ncd"));
    ed.setSelectionStart(3); // between CR and LF
    EXPECT_EQ(ed.selectionStart(), 4);
    ed.select(1, 2); // would end between CR and LF
    EXPECT_EQ(ed.selectedText(), QStringLiteral("b\r\n"));

    ed.setText(QStringLiteral("a😀b")); // a character of two code units
    ed.setSelectionStart(2);
    EXPECT_EQ(ed.selectionStart(), 3);
    ed.select(0, 2);
    EXPECT_EQ(ed.selectedText(), QStringLiteral("a😀"));
}

TEST(RichEditText, SetTextEmptiesTheUndoBufferAndStylingIsNoChange)
{
    RichEdit ed;
    QSignalSpy changed(&ed, &RichEdit::textChanged);
    ed.setText(QStringLiteral("<p>text</p>"));
    EXPECT_FALSE(ed.canUndo());
    const int changes = changed.count();
    EXPECT_GT(changes, 0);
    ed.restyleAll([](const char*, qsizetype length, char* styles) {
        const char fixed[] = {1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
        std::copy(fixed, fixed + std::min<qsizetype>(length, 11), styles);
    });
    ed.paintRange(0, 3, Qt::red);
    EXPECT_EQ(changed.count(), changes);
    EXPECT_EQ(ed.styleAt(4), 2);

    ed.setSelectionStart(5);
    ed.replaceSelection(QStringLiteral("XY"));
    EXPECT_EQ(ed.text(), QStringLiteral("<p>teXYxt</p>"));
    EXPECT_EQ(ed.selectionStart(), 7);
    EXPECT_TRUE(ed.canUndo());
    // Inserted text takes the colour of the text in front of it.
    EXPECT_EQ(ed.styleAt(5), 2);
    ed.undo();
    EXPECT_EQ(ed.text(), QStringLiteral("<p>text</p>"));
    ed.clearUndoHistory();
    EXPECT_FALSE(ed.canUndo());
}

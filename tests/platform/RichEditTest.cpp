#include "platform/RichEdit.h"

#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(RichEditPositions, CountCharactersWithCrLfAsTwo)
{
    RichEdit ed;
    ed.SetText(QStringLiteral("あいうえおかきくけこabc\r\nxyz"));
    EXPECT_EQ(ed.TextLength(), 18);
    ed.Select(10, 3);
    EXPECT_EQ(ed.SelStart(), 10);
    EXPECT_EQ(ed.SelLength(), 3);
    EXPECT_EQ(ed.SelText(), QStringLiteral("abc"));
    // Across the line break.
    ed.Select(12, 3);
    EXPECT_EQ(ed.SelText(), QStringLiteral("c\r\n"));
    ed.Select(13, 3);
    EXPECT_EQ(ed.SelText(), QStringLiteral("\r\nx"));
}

TEST(RichEditPositions, NeverBetweenCrAndLfOrInsideACharacter)
{
    RichEdit ed;
    ed.SetText(QStringLiteral("ab\r\ncd"));
    ed.SetSelStart(3); // between CR and LF
    EXPECT_EQ(ed.SelStart(), 4);
    ed.Select(1, 2); // would end between CR and LF
    EXPECT_EQ(ed.SelText(), QStringLiteral("b\r\n"));

    ed.SetText(QStringLiteral("a😀b")); // a character of two code units
    ed.SetSelStart(2);
    EXPECT_EQ(ed.SelStart(), 3);
    ed.Select(0, 2);
    EXPECT_EQ(ed.SelText(), QStringLiteral("a😀"));
}

TEST(RichEditText, SetTextEmptiesTheUndoBufferAndStylingIsNoChange)
{
    RichEdit ed;
    QSignalSpy changed(&ed, &RichEdit::Changed);
    ed.SetText(QStringLiteral("<p>text</p>"));
    EXPECT_FALSE(ed.CanUndo());
    const int changes = changed.count();
    EXPECT_GT(changes, 0);
    ed.RestyleAll([](const char*, qsizetype length, char* styles) {
        const char fixed[] = {1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
        std::copy(fixed, fixed + std::min<qsizetype>(length, 11), styles);
    });
    ed.PaintRange(0, 3, Qt::red);
    EXPECT_EQ(changed.count(), changes);
    EXPECT_EQ(ed.StyleAt(4), 2);

    ed.SetSelStart(5);
    ed.SetSelText(QStringLiteral("XY"));
    EXPECT_EQ(ed.Text(), QStringLiteral("<p>teXYxt</p>"));
    EXPECT_EQ(ed.SelStart(), 7);
    EXPECT_TRUE(ed.CanUndo());
    // Inserted text takes the colour of the text in front of it.
    EXPECT_EQ(ed.StyleAt(5), 2);
    ed.Undo();
    EXPECT_EQ(ed.Text(), QStringLiteral("<p>text</p>"));
    ed.EmptyUndoBuffer();
    EXPECT_FALSE(ed.CanUndo());
}

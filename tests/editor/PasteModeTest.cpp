#include "EditingFixture.h"
#include "editor/EditorMenus.h"

#include "editor/EditApply.h"
#include "editor/EditorControls.h"
#include "editor/PasteMode.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Light(238, 238, 255);

} // namespace

class PasteModeTest : public EditingFixture {
protected:
    PasteMode& paste() { return w().pasteMode; }
    QClipboard* clipboard() { return QApplication::clipboard(); }
    // What copying a text in another program and one tick later do.
    void copyAndTick(const QString& text)
    {
        clipboard()->setText(text);
        paste().takeClipboardText();
    }
};

TEST_F(PasteModeTest, TheButtonSwitchesTheModeItsCheckAndTheTimerAndEmptiesTheClipboard)
{
    QAction* button = w().commands.action(toolbar::PasteMode);
    clipboard()->setText(QStringLiteral("<B>"));
    w().commands.invoke(toolbar::PasteMode);
    EXPECT_TRUE(paste().active.value());
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(paste().clipboardWatch.isActive());
    EXPECT_EQ(paste().clipboardWatch.interval(), 100);
    EXPECT_TRUE(clipboard()->text().isEmpty()) << "only text copied afterwards is taken";

    clipboard()->setText(QStringLiteral("<B>"));
    w().commands.invoke(toolbar::PasteMode);
    EXPECT_FALSE(paste().active.value());
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(paste().clipboardWatch.isActive());
    EXPECT_TRUE(clipboard()->text().isEmpty());
}

TEST_F(PasteModeTest, EachCopyWrapsTheSelectionOnceAndRedInTheFirstTwoPieces)
{
    w().commands.invoke(toolbar::PasteMode);
    struct Case {
        const char* before;
        const char* copied;
        const char* after;
        QList<MarkRange> red;
    } cases[] = {
        {"ab«cd»ef", "<I></I>", "ab<I>«»cd</I>ef", {{2, 3}, {7, 4}}},
        {"ab«cd»ef", "  <A HREF=\"x\">リンク</A>  ", "ab<A HREF=\"x\">リンク«»cd</A>ef", {{2, 15}, {19, 4}}},
        {"ab«cd»ef", "前に", "ab前に«»cdef", {{2, 2}}},
        // More than three pieces: the first two are used, the rest is dropped.
        {"«x»", "<B><I><U><S>", "<B>«»x<I>", {{0, 3}, {4, 3}}},
        // A selection ending in a line break leaves it after the closing piece.
        {"«x\r\n»y", "<B></B>", "<B>«»x</B>\r\ny", {{0, 3}, {4, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copied);
        setDocument(c.before);
        copyAndTick(QString::fromUtf8(c.copied));
        EXPECT_EQ(marked(ed()), QString::fromUtf8(c.after));
        EXPECT_EQ(red(), c.red);
        EXPECT_TRUE(clipboard()->text().isEmpty());
        // The next tick finds nothing to take.
        paste().takeClipboardText();
        EXPECT_EQ(marked(ed()), QString::fromUtf8(c.after));
    }
    // Copying the same text again wraps again; one undo takes one wrap back.
    setDocument("ab«cd»ef");
    copyAndTick(QStringLiteral("<I></I>"));
    select(ed(), {5, 2});
    copyAndTick(QStringLiteral("<I></I>"));
    EXPECT_EQ(ed()->text(), QStringLiteral("ab<I><I>cd</I></I>ef"));
}

TEST_F(PasteModeTest, ABlankClipboardOrAPreviewTabLeavesEverythingAsItIs)
{
    w().commands.invoke(toolbar::PasteMode);
    setDocument("ab«cd»ef");
    copyAndTick(QStringLiteral("   "));
    EXPECT_EQ(marked(ed()), QStringLiteral("ab«cd»ef"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("   "));

    w().ws.selectPreviewTab(0);
    copyAndTick(QStringLiteral("<B></B>"));
    EXPECT_EQ(ed()->text(), QStringLiteral("abcdef"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("<B></B>"));
}

TEST_F(PasteModeTest, TheTimerTicksWhilePasteModeIsOn)
{
    w().commands.invoke(toolbar::PasteMode);
    setDocument("ab«cd»ef");
    QSignalSpy ticks(&paste().clipboardWatch, &QTimer::timeout);
    clipboard()->setText(QStringLiteral("<EM></EM>"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ed()->text() != QStringLiteral("abcdef"); }, 60000)) << "no tick took it";
    // The ticks after the one that took it find nothing to take.
    const qsizetype taking = ticks.count();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= taking + 3; }, 60000));
    EXPECT_EQ(ed()->text(), QStringLiteral("ab<EM>cd</EM>ef")) << "once, however many ticks ran";
}

TEST_F(PasteModeTest, EveryEditorIsTintedAndGoesBackToItsOwnGround)
{
    ASSERT_TRUE(w().ws.addDocument());
    ASSERT_TRUE(w().ws.addDocument());
    w().ws.selectSourceTab(1);
    w().commands.invoke(toolbar::PasteMode);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w().ws.sourceEditor(i)->backgroundColour(), PasteMode::tint()) << i;
    // A recolour while paste mode is on keeps the tint.
    w().colour.recolourCurrent();
    EXPECT_EQ(ed()->backgroundColour(), PasteMode::tint());

    // Undo, cut and copy end paste mode.
    w().commands.invoke(toolbar::Undo);
    EXPECT_FALSE(w().pasteMode.active.value());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w().ws.sourceEditor(i)->backgroundColour(), Light) << i;
}

TEST_F(PasteModeTest, SchemeDStaysBlackAndReadable)
{
    w().commands.invoke(font_menu::SchemeD);
    ASSERT_EQ(ed()->backgroundColour(), QColor(0, 0, 0));
    w().commands.invoke(toolbar::PasteMode);
    EXPECT_EQ(ed()->backgroundColour(), QColor(0, 0, 0));
    w().colour.recolourCurrent();
    EXPECT_EQ(ed()->backgroundColour(), QColor(0, 0, 0));
    w().commands.invoke(toolbar::PasteMode);
    EXPECT_EQ(ed()->backgroundColour(), QColor(0, 0, 0));
}

#include "WindowHelpers.h"
#include "support/AppFixture.h"
#include "wizards/EasyMenu.h"
#include "wizards/MiniPanel.h"
#include "wizards/MovablePanels.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/FramesWizardControls.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(DragStep, MovesByThePointersOffsetWithinTheBandOncePerTick)
{
    struct Case {
        const char* what;
        DragState state;
        int left, top, x, y;
        std::optional<QPoint> to;
        bool armed;
    };
    const DragState held{true, false, 100, 100};
    const Case cases[] = {
        {"both axes follow", held, 1000, 2000, 250, 40, QPoint(1150, 1940), true},
        {"upwards within the band", held, 1000, 2000, 100, -300, QPoint(1000, 1600), true},
        {"at the band's edge", held, 1000, 2000, 100, DragBand, QPoint(1000, 2500), true},
        {"below the band", held, 1000, 2000, 100, DragBand + 1, std::nullopt, false},
        {"left edge would pass 0: it stays, top follows", held, 150, 2000, -100, 150, QPoint(150, 2050), true},
        {"left edge exactly at 0 stays too", held, 100, 2000, 0, 100, QPoint(100, 2000), true},
        {"top would go past 0: it stays, left follows", held, 1000, 50, 200, -200, QPoint(1100, 50), true},
        {"no drag", DragState{false, false, 100, 100}, 1000, 2000, 200, 200, std::nullopt, false},
        {"already moved in this tick", DragState{true, true, 100, 100}, 1000, 2000, 200, 200, std::nullopt, true},
    };
    for (const Case& c : cases) {
        DragState s = c.state;
        EXPECT_EQ(dragStep(s, c.left, c.top, c.x, c.y), c.to) << c.what;
        EXPECT_EQ(s.throttled, c.armed) << c.what;
    }
}

class MovablePanelsTest : public AppFixture {
protected:
    QWidget* panel() { return w().controls.get<QWidget>(heading_panel::Panel); }
    QWidget* title() { return w().controls.get<QWidget>(heading_panel::Title); }
};

TEST_F(MovablePanelsTest, ABurstOfMovesWithinOneTickMovesThePanelOnce)
{
    start();
    w().commands.invoke(easy_menu::HeadingPanel);
    const int left = twips::Left(panel());
    windowtest::mouse(title(), QEvent::MouseButtonPress, QPoint(20, 5));
    for (int i = 1; i <= 10; ++i)
        windowtest::mouse(title(), QEvent::MouseMove, QPoint(20 + 2 * i, 5));
    EXPECT_EQ(twips::Left(panel()), left + twips::fromPixels(2)) << "only the first move of the tick";
    EXPECT_TRUE(w().wizards.movable.drag.throttled);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w().wizards.movable.drag.throttled; }, 5000)) << "the tick disarms the throttle";
    EXPECT_FALSE(w().wizards.movable.throttleTimer.isActive());
    const int afterTick = twips::Left(panel());
    windowtest::mouse(title(), QEvent::MouseMove, QPoint(60, 5));
    EXPECT_GT(twips::Left(panel()), afterTick) << "the next tick's move is taken";

    // After the release, moves over the title do nothing.
    windowtest::mouse(title(), QEvent::MouseButtonRelease, QPoint(60, 5));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !w().wizards.movable.drag.throttled; }, 5000));
    const std::vector<int> released = windowtest::place(panel());
    windowtest::mouse(title(), QEvent::MouseMove, QPoint(100, 5));
    EXPECT_EQ(windowtest::place(panel()), released);
}

TEST_F(MovablePanelsTest, TheBandIsMeasuredAtTheScreensResolution)
{
    start();
    w().commands.invoke(easy_menu::HeadingPanel);
    const std::vector<int> at = windowtest::place(panel());
    // The pointer just below the band, in pixels of this screen: no move.
    const int below = twips::toPixels(DragBand) + 2;
    windowtest::mouse(title(), QEvent::MouseButtonPress, QPoint(20, 5));
    windowtest::mouse(title(), QEvent::MouseMove, QPoint(40, below));
    EXPECT_EQ(windowtest::place(panel()), at);
    // Within it: the panel follows.
    windowtest::mouse(title(), QEvent::MouseMove, QPoint(40, twips::toPixels(DragBand) - 2));
    EXPECT_NE(windowtest::place(panel()), at);
    windowtest::mouse(title(), QEvent::MouseButtonRelease, QPoint(40, 5));
}

TEST_F(MovablePanelsTest, ADragNeverTakesAPanelOffTheTopOrLeft)
{
    start();
    w().commands.invoke(easy_menu::HeadingPanel); // the heading panel at left 3500, top 3000
    windowtest::mouse(title(), QEvent::MouseButtonPress, QPoint(20, 5));
    windowtest::mouse(title(), QEvent::MouseMove, QPoint(20 - twips::toPixels(4000), 5 - twips::toPixels(3500)));
    EXPECT_EQ(twips::Left(panel()), 3500);
    EXPECT_EQ(twips::Top(panel()), 3000);
    windowtest::mouse(title(), QEvent::MouseButtonRelease, QPoint(20, 5));
}

TEST_F(MovablePanelsTest, TheFramesWizardAndTheMiniPanelAreDraggedByTheirOwnTitles)
{
    start();
    w().commands.invoke(advanced_menu::MakeFrames);
    QWidget* frames = w().controls.get<QWidget>(frames_wizard::Panel);
    const int left = twips::Left(frames);
    QWidget* label7 = w().controls.get<QWidget>(frames_wizard::Title);
    windowtest::mouse(label7, QEvent::MouseButtonPress, QPoint(20, 5));
    windowtest::mouse(label7, QEvent::MouseMove, QPoint(30, 5));
    EXPECT_EQ(twips::Left(frames), left + twips::fromPixels(10));
    windowtest::mouse(label7, QEvent::MouseButtonRelease, QPoint(30, 5));
    // The frames wizard's opener ends a drag in progress.
    windowtest::mouse(label7, QEvent::MouseButtonPress, QPoint(20, 5));
    w().commands.invoke(advanced_menu::MakeFrames);
    EXPECT_FALSE(w().wizards.movable.drag.dragging);
    EXPECT_FALSE(w().wizards.movable.drag.throttled);
}

#include "wizards/MovablePanels.h"

#include "platform/Twips.h"
#include "workspace/PanelKit.h"

#include <QWidget>

std::optional<QPoint> dragStep(DragState& state, int left, int top, int x, int y)
{
    if (y > DragBand || !state.dragging || state.throttled)
        return std::nullopt;
    state.throttled = true;
    const int newLeft = left + x - state.grabX;
    if (newLeft > 0)
        left = newLeft;
    const int newTop = top + y - state.grabY;
    if (newTop > 0)
        top = newTop;
    return QPoint(left, top);
}

MovablePanels::MovablePanels(PanelKit& kit)
{
    throttleTimer.setInterval(10);
    throttleTimer.setSingleShot(true);
    connect(&throttleTimer, &QTimer::timeout, this, [this] { endThrottleTick(); });
    connect(&kit, &PanelKit::titlePressed, this, &MovablePanels::takeHold);
    connect(&kit, &PanelKit::titleMoved, this, &MovablePanels::dragTo);
    connect(&kit, &PanelKit::titleReleased, this, [this] { letGo(); });
}

void MovablePanels::takeHold(QWidget* panel, int x, int y)
{
    drag.dragging = true;
    drag.grabX = x;
    drag.grabY = y;
    // The panel the user takes hold of comes to the front.
    panel->raise();
}

void MovablePanels::dragTo(QWidget* panel, int x, int y)
{
    const std::optional<QPoint> to = dragStep(drag, twips::Left(panel), twips::Top(panel), x, y);
    if (!to)
        return;
    throttleTimer.start();
    twips::SetLeft(panel, to->x());
    twips::SetTop(panel, to->y());
}

void MovablePanels::letGo()
{
    drag.dragging = false;
}

void MovablePanels::endThrottleTick()
{
    drag.throttled = false;
    throttleTimer.stop();
}

void MovablePanels::endDrag()
{
    drag.dragging = false;
    drag.throttled = false;
    throttleTimer.stop();
}

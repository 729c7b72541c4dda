#include "wizards/MovablePanels.h"

#include "platform/Twips.h"
#include "workspace/PanelKit.h"

#include <QWidget>

std::optional<QPoint> dragStep(DragState& state, int left, int top, int x, int y)
{
    if (y > DragBand || !state.Dragging || state.DragTimerOn)
        return std::nullopt;
    state.DragTimerOn = true;
    const int newLeft = left + x - state.DragX;
    if (newLeft > 0)
        left = newLeft;
    const int newTop = top + y - state.DragY;
    if (newTop > 0)
        top = newTop;
    return QPoint(left, top);
}

MovablePanels::MovablePanels(PanelKit& kit)
{
    TimerMove.setInterval(10);
    TimerMove.setSingleShot(true);
    connect(&TimerMove, &QTimer::timeout, this, [this] { TimerMove_Timer(); });
    connect(&kit, &PanelKit::titlePressed, this, &MovablePanels::TitleMouseDown);
    connect(&kit, &PanelKit::titleMoved, this, &MovablePanels::TitleMouseMove);
    connect(&kit, &PanelKit::titleReleased, this, [this] { TitleMouseUp(); });
}

void MovablePanels::TitleMouseDown(QWidget* panel, int x, int y)
{
    drag.Dragging = true;
    drag.DragX = x;
    drag.DragY = y;
    // The panel the user takes hold of comes to the front.
    panel->raise();
}

void MovablePanels::TitleMouseMove(QWidget* panel, int x, int y)
{
    const std::optional<QPoint> to = dragStep(drag, twips::Left(panel), twips::Top(panel), x, y);
    if (!to)
        return;
    TimerMove.start();
    twips::SetLeft(panel, to->x());
    twips::SetTop(panel, to->y());
}

void MovablePanels::TitleMouseUp()
{
    drag.Dragging = false;
}

void MovablePanels::TimerMove_Timer()
{
    drag.DragTimerOn = false;
    TimerMove.stop();
}

void MovablePanels::clear()
{
    drag.Dragging = false;
    drag.DragTimerOn = false;
    TimerMove.stop();
}

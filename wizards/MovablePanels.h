#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <optional>

class PanelKit;
class QWidget;

// The drag fields that every movable panel shares (twips, in the title label's coordinates).
struct DragState {
    bool dragging = false;
    bool throttled = false;
    int grabX = 0;
    int grabY = 0;
};

// The highest point of the pointer below the top of a title, in twips, at which a drag still
// moves its panel.
inline constexpr int DragBand = 600;

// One mouse move over a title while the panel lies at (left, top): the panel's new place, or
// nothing when the move is not taken (no drag, a move already made in this tick, or the pointer
// below the band). A coordinate that would reach 0 or less keeps its old value. A move that is
// taken arms the throttle.
std::optional<QPoint> dragStep(DragState& state, int left, int top, int x, int y);

// Moves the guided panels when the user drags them by their titles: at most one move per tick of
// the throttle timer (10 ms).
class MovablePanels : public QObject {
    Q_OBJECT

public:
    explicit MovablePanels(PanelKit& kit);

    DragState drag;
    QTimer throttleTimer;

    void takeHold(QWidget* panel, int x, int y);
    void dragTo(QWidget* panel, int x, int y);
    void letGo();
    void endThrottleTick();
    // Ends a drag without waiting for the tick (the frames wizard's opener does so).
    void endDrag();
};

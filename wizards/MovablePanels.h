#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <optional>

class PanelKit;
class QWidget;

// The drag fields that every movable panel shares (twips, in the title label's coordinates).
struct DragState {
    bool Dragging = false;
    bool DragTimerOn = false;
    int DragX = 0;
    int DragY = 0;
};

// The highest point of the pointer below the top of a title, in twips, at which a drag still
// moves its panel.
inline constexpr int DragBand = 600;

// One mouse move over a title while the panel lies at (left, top): the panel's new place, or
// nothing when the move is not taken (no drag, a move already made in this tick, or the pointer
// below the band). A coordinate that would reach 0 or less keeps its old value. A move that is
// taken arms the throttle (DragTimerOn).
std::optional<QPoint> dragStep(DragState& state, int left, int top, int x, int y);

// Moves the guided panels when the user drags them by their titles: at most one move per tick of
// the throttle timer TimerMove (10 ms).
class MovablePanels : public QObject {
    Q_OBJECT

public:
    explicit MovablePanels(PanelKit& kit);

    DragState drag;
    QTimer TimerMove;

    void TitleMouseDown(QWidget* panel, int x, int y);
    void TitleMouseMove(QWidget* panel, int x, int y);
    void TitleMouseUp();
    void TimerMove_Timer();
    // Ends a drag without waiting for the tick (the frames wizard's opener does so).
    void clear();
};

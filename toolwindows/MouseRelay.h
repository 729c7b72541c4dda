#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Turns the mouse events of a control into the events the tool windows' handlers are written
// against: a button going down, a click (a press and release of the left button) and a double
// click, which is not followed by a second click. The relay belongs to the control it watches.
class MouseRelay : public QObject {
    Q_OBJECT

public:
    // Watches `control` (for a text box, its viewport when it has one).
    static MouseRelay* watch(QWidget* control);

    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
    std::function<void(int button, int shift, int x, int y)> mouseDown;
    std::function<void()> click;
    std::function<void()> doubleClick;
    // The mouse moved far enough with the left button held to start a drag.
    std::function<void()> dragStart;
    // The release that ends a double click is a click too (a text box whose click looks at the
    // word that the double click selected).
    bool clickAfterDoubleClick = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MouseRelay(QWidget* control);
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint pressPos_;
};

// The back colour of a box or label (its base colour for a text box, its window colour
// otherwise), with a text colour that reads on it.
void setBackColour(QWidget* control, const QColor& colour);
QColor backColour(const QWidget* control);
// The colour of a label's or box's text.
void setForeColour(QWidget* control, const QColor& colour);
QColor foreColour(const QWidget* control);
// The size of a control's font, in points.
void setFontPoints(QWidget* control, int points);

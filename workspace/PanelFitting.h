#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <map>

class QScrollBar;
class QWidget;

// Keeps the panels that lie over the editors inside the editor area, so that every control of a
// panel can be reached whatever the size of the window. A panel that opens, or is placed by a
// program, partly outside the area moves into it; a panel larger than the area starts at the
// area's corner, shows only the part inside the area and gets scroll bars at the area's edge
// (the mouse wheel and the keyboard focus scroll it too). A panel that the user drags keeps the
// place it is dragged to and shows only its part inside the area.
class PanelFitting : public QObject {
    Q_OBJECT

public:
    // host holds the panels and the editor area; area is where the panels must lie.
    PanelFitting(QWidget* host, QWidget* area, QObject* parent = nullptr);

    void watch(QWidget* panel);
    // The user takes the panel by its title, and lets it go.
    void dragStarted(QWidget* panel);
    void dragEnded(QWidget* panel);

    // The editor area in the host's coordinates.
    QRect area() const;
    // A panel's scroll bars, or nullptr while it needs none.
    QScrollBar* verticalScrollBar(QWidget* panel) const;
    QScrollBar* horizontalScrollBar(QWidget* panel) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Scrolling {
        QPointer<QScrollBar> vertical;
        QPointer<QScrollBar> horizontal;
    };

    void fit(QWidget* panel);
    void clip(QWidget* panel);
    void fitAll();
    void scrollTo(QWidget* panel, int x, int y);
    void showFocused(QWidget* focused);
    QScrollBar* bar(QWidget* panel, Qt::Orientation orientation);

    QWidget* host_;
    QWidget* area_;
    std::map<QWidget*, Scrolling> panels_;
    QPointer<QWidget> dragged_;
    // A move this class makes itself is not fitted again.
    bool moving_ = false;
};

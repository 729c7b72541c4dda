#include "workspace/PanelFitting.h"

#include <QApplication>
#include <QEvent>
#include <QRegion>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace {

// The room the panel may take: the area less the scroll bars the panel's size calls for.
struct View {
    QRect rect;
    bool vertical = false;
    bool horizontal = false;
};

View viewFor(const QSize& panel, const QRect& area, int bar)
{
    View v;
    v.vertical = panel.height() > area.height();
    v.horizontal = panel.width() > area.width() - (v.vertical ? bar : 0);
    if (v.horizontal && !v.vertical)
        v.vertical = panel.height() > area.height() - bar;
    v.rect = area;
    if (v.vertical)
        v.rect.setWidth(std::max(0, area.width() - bar));
    if (v.horizontal)
        v.rect.setHeight(std::max(0, area.height() - bar));
    return v;
}

// The place of a side of `length` that keeps it inside [start, start + room), or at the start
// when it is longer than the room.
int inside(int position, int length, int start, int room)
{
    if (length >= room)
        return start;
    return std::clamp(position, start, start + room - length);
}

} // namespace

PanelFitting::PanelFitting(QWidget* host, QWidget* area, QObject* parent)
    : QObject(parent)
    , host_(host)
    , area_(area)
{
    area_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showFocused(now); });
}

void PanelFitting::watch(QWidget* panel)
{
    panels_[panel];
    panel->installEventFilter(this);
    connect(panel, &QObject::destroyed, this, [this, panel] { panels_.erase(panel); });
}

void PanelFitting::dragStarted(QWidget* panel)
{
    dragged_ = panel;
}

void PanelFitting::dragEnded(QWidget* panel)
{
    if (dragged_ == panel)
        dragged_ = nullptr;
}

QRect PanelFitting::area() const
{
    return QRect(area_->mapTo(host_, QPoint(0, 0)), area_->size());
}

QScrollBar* PanelFitting::verticalScrollBar(QWidget* panel) const
{
    const auto it = panels_.find(panel);
    return it != panels_.end() && it->second.vertical && !it->second.vertical->isHidden() ? it->second.vertical.data() : nullptr;
}

QScrollBar* PanelFitting::horizontalScrollBar(QWidget* panel) const
{
    const auto it = panels_.find(panel);
    return it != panels_.end() && it->second.horizontal && !it->second.horizontal->isHidden() ? it->second.horizontal.data()
                                                                                              : nullptr;
}

bool PanelFitting::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == area_) {
        if (type == QEvent::Resize || type == QEvent::Move)
            fitAll();
        return false;
    }
    auto* panel = qobject_cast<QWidget*>(watched);
    const auto it = panel ? panels_.find(panel) : panels_.end();
    if (it == panels_.end())
        return false;
    Scrolling& s = it->second;
    switch (type) {
    case QEvent::Show:
        fit(panel);
        break;
    case QEvent::Hide:
        for (QScrollBar* b : {s.vertical.data(), s.horizontal.data()}) {
            if (b)
                b->hide();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (moving_ || !panel->isVisible())
            break;
        if (panel == dragged_)
            clip(panel);
        else
            fit(panel);
        break;
    case QEvent::ZOrderChange:
        for (QScrollBar* b : {s.vertical.data(), s.horizontal.data()}) {
            if (b && !b->isHidden())
                b->raise();
        }
        break;
    case QEvent::Wheel: {
        QScrollBar* b = verticalScrollBar(panel);
        if (!b)
            b = horizontalScrollBar(panel);
        if (b) {
            QCoreApplication::sendEvent(b, event);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void PanelFitting::fitAll()
{
    for (auto& entry : panels_) {
        if (entry.first->isVisible())
            fit(entry.first);
    }
}

void PanelFitting::fit(QWidget* panel)
{
    const QRect a = area();
    if (a.isEmpty())
        return;
    const QRect r = panel->geometry();
    const View v = viewFor(r.size(), a, host_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, host_));
    const QPoint place(inside(r.x(), r.width(), v.rect.x(), v.rect.width()), inside(r.y(), r.height(), v.rect.y(), v.rect.height()));
    if (place != r.topLeft()) {
        moving_ = true;
        panel->move(place);
        moving_ = false;
    }
    clip(panel);
}

void PanelFitting::clip(QWidget* panel)
{
    Scrolling& s = panels_[panel];
    const QRect a = area();
    const QRect r = panel->geometry();
    const int extent = host_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, host_);
    const View v = viewFor(r.size(), a, extent);
    const QRect shown = r.intersected(v.rect);
    if (shown == r || shown.isEmpty())
        panel->clearMask();
    else
        panel->setMask(QRegion(shown.translated(-r.topLeft())));

    if (v.vertical) {
        QScrollBar* b = bar(panel, Qt::Vertical);
        const QSignalBlocker quiet(b);
        b->setRange(0, r.height() - v.rect.height());
        b->setPageStep(v.rect.height());
        b->setSingleStep(std::max(1, v.rect.height() / 10));
        b->setValue(v.rect.top() - r.top());
        b->setGeometry(std::min(r.right() + 1, v.rect.right() + 1), v.rect.top(), extent, v.rect.height());
        b->show();
        b->raise();
    } else if (s.vertical) {
        s.vertical->hide();
    }
    if (v.horizontal) {
        QScrollBar* b = bar(panel, Qt::Horizontal);
        const QSignalBlocker quiet(b);
        b->setRange(0, r.width() - v.rect.width());
        b->setPageStep(v.rect.width());
        b->setSingleStep(std::max(1, v.rect.width() / 10));
        b->setValue(v.rect.left() - r.left());
        b->setGeometry(v.rect.left(), std::min(r.bottom() + 1, v.rect.bottom() + 1), v.rect.width(), extent);
        b->show();
        b->raise();
    } else if (s.horizontal) {
        s.horizontal->hide();
    }
}

QScrollBar* PanelFitting::bar(QWidget* panel, Qt::Orientation orientation)
{
    Scrolling& s = panels_[panel];
    QPointer<QScrollBar>& b = orientation == Qt::Vertical ? s.vertical : s.horizontal;
    if (!b) {
        b = new QScrollBar(orientation, host_);
        connect(b, &QScrollBar::valueChanged, this, [this, panel, orientation](int value) {
            const QRect a = area();
            const QRect r = panel->geometry();
            const View v = viewFor(r.size(), a, host_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, host_));
            if (orientation == Qt::Vertical)
                scrollTo(panel, r.x(), v.rect.top() - value);
            else
                scrollTo(panel, v.rect.left() - value, r.y());
        });
    }
    return b;
}

void PanelFitting::scrollTo(QWidget* panel, int x, int y)
{
    moving_ = true;
    panel->move(x, y);
    moving_ = false;
    clip(panel);
}

void PanelFitting::showFocused(QWidget* focused)
{
    if (!focused)
        return;
    for (auto& [panel, s] : panels_) {
        if (!panel->isVisible() || !panel->isAncestorOf(focused) || (!verticalScrollBar(panel) && !horizontalScrollBar(panel)))
            continue;
        const QRect a = area();
        const QRect r = panel->geometry();
        const View v = viewFor(r.size(), a, host_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, host_));
        const QRect wanted(focused->mapTo(host_, QPoint(0, 0)), focused->size());
        int dx = 0;
        int dy = 0;
        if (wanted.bottom() > v.rect.bottom())
            dy = v.rect.bottom() - wanted.bottom();
        if (wanted.top() + dy < v.rect.top())
            dy = v.rect.top() - wanted.top();
        if (wanted.right() > v.rect.right())
            dx = v.rect.right() - wanted.right();
        if (wanted.left() + dx < v.rect.left())
            dx = v.rect.left() - wanted.left();
        if (dx == 0 && dy == 0)
            return;
        // Within the panel's own scrolling range.
        const int x = std::clamp(r.x() + dx, v.rect.left() - std::max(0, r.width() - v.rect.width()), v.rect.left());
        const int y = std::clamp(r.y() + dy, v.rect.top() - std::max(0, r.height() - v.rect.height()), v.rect.top());
        scrollTo(panel, r.width() > v.rect.width() ? x : r.x(), r.height() > v.rect.height() ? y : r.y());
        return;
    }
}

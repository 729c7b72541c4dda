#include "toolwindows/ScreenPlacement.h"

#include "platform/Twips.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace screen_placement {

namespace {

QSize frameOf(const QWidget* window)
{
    return window->frameGeometry().size() - window->size();
}

} // namespace

QPoint keptOnScreen(const QWidget* window, int left, int top, int width, int height)
{
    const QScreen* s = window->screen();
    if (!s)
        return QPoint(left, top);
    const QRect room = s->availableGeometry();
    const QSize frame = frameOf(window);
    const int pixelsWide = twips::toPixels(width) + frame.width();
    const int pixelsHigh = twips::toPixels(height) + frame.height();
    if (twips::toPixels(left) + pixelsWide > room.x() + room.width())
        left = twips::fromPixels(std::max(room.x(), room.x() + room.width() - pixelsWide));
    if (twips::toPixels(top) + pixelsHigh > room.y() + room.height())
        top = twips::fromPixels(std::max(room.y(), room.y() + room.height() - pixelsHigh));
    return QPoint(left, top);
}

QSize availableRoom(const QWidget* window)
{
    const QScreen* s = window->screen();
    if (!s)
        return QSize();
    const QSize room = s->availableGeometry().size() - frameOf(window);
    return QSize(twips::fromPixels(room.width()), twips::fromPixels(room.height()));
}

} // namespace screen_placement

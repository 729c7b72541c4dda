#include "shell/WindowPlacement.h"

#include <algorithm>

namespace {

int lengthOnScreen(std::optional<int> stored, int designed, int needed, int available)
{
    if (stored)
        return *stored;
    const int wanted = std::max(designed, needed);
    return available > 0 ? std::min(wanted, available) : wanted;
}

int startOnScreen(std::optional<int> stored, int length, int availableStart, int available)
{
    if (stored)
        return *stored;
    return available > 0 ? availableStart + std::max(0, (available - length) / 2) : 0;
}

} // namespace

QRect mainWindowGeometry(const MainWindowPlacement& p)
{
    const int availableWidth = p.available.isValid() ? p.available.width() : 0;
    const int availableHeight = p.available.isValid() ? p.available.height() : 0;
    const int width = lengthOnScreen(p.width, p.designed.width(), p.needed.width(), availableWidth);
    const int height = lengthOnScreen(p.height, p.designed.height(), p.needed.height(), availableHeight);
    return QRect(startOnScreen(p.left, width, p.available.x(), availableWidth),
                 startOnScreen(p.top, height, p.available.y(), availableHeight), width, height);
}

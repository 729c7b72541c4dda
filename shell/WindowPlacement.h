#pragma once

#include <QRect>
#include <QSize>
#include <optional>

// Where the main window opens, in pixels of the screen. Whatever part of the placement is stored
// (left, top, width, height) is kept exactly. A side whose length is not stored is the designed
// length, grown to what the window must show whole (the toolbar, the largest panel) and no longer
// than the screen's available geometry; a window whose position on an axis is not stored is
// centred on that geometry.
struct MainWindowPlacement {
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    QSize designed;
    QSize needed;
    QRect available;
};

QRect mainWindowGeometry(const MainWindowPlacement& placement);

#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Tool windows that grow keep to the available area of their screen. Sizes and places are in
// twips, sizes without the window's frame, as twips::SetWindowGeometry takes them; the frame is
// counted where the window system has told it.
namespace screen_placement {

// The place for the window at (left, top) with the given size: moved left and up as far as needed
// for the window to end inside the area, but never past the area's left or top edge.
QPoint keptOnScreen(const QWidget* window, int left, int top, int width, int height);

// The largest size that fits in the area with the window's frame; an empty size without a screen.
QSize availableRoom(const QWidget* window);

} // namespace screen_placement

#pragma once

#include <QRect>

class QWidget;

// Geometry of the old program is kept in twips (1440 a logical inch). Every conversion to and from
// pixels happens here. A widget remembers the twips it was last given, so reading a value back
// gives exactly what was set as long as the widget has not been moved or resized since.
namespace twips {

double pixelsPerTwip();
int toPixels(int twips);
int fromPixels(int pixels);

int Left(const QWidget* w);
int Top(const QWidget* w);
int Width(const QWidget* w);
int Height(const QWidget* w);
void SetLeft(QWidget* w, int value);
void SetTop(QWidget* w, int value);
void SetWidth(QWidget* w, int value);
void SetHeight(QWidget* w, int value);
void SetGeometry(QWidget* w, int left, int top, int width, int height);

// Top-level windows: Left and Top are the position of the frame, Width and Height the size.
int WindowLeft(const QWidget* w);
int WindowTop(const QWidget* w);
int WindowWidth(const QWidget* w);
int WindowHeight(const QWidget* w);
void SetWindowGeometry(QWidget* w, int left, int top, int width, int height);

} // namespace twips

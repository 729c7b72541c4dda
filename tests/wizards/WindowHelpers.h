#pragma once

#include "platform/ControlRegistry.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

// Small helpers of the tests that drive the real window's panels.
namespace windowtest {

// A mouse event on a widget at a point in its own pixels; a move carries the left button.
inline void mouse(QWidget* w, QEvent::Type type, QPoint p)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Left, top, width and height in twips.
inline std::vector<int> place(const QWidget* w)
{
    return {twips::Left(w), twips::Top(w), twips::Width(w), twips::Height(w)};
}

} // namespace windowtest

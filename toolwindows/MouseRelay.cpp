#include "toolwindows/MouseRelay.h"

#include "platform/Twips.h"
#include "toolwindows/PickerColours.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

MouseRelay::MouseRelay(QWidget* control)
    : QObject(control)
{
}

MouseRelay* MouseRelay::watch(QWidget* control)
{
    auto* relay = new MouseRelay(control);
    QWidget* target = control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        target = area->viewport();
    target->installEventFilter(relay);
    return relay;
}

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers mods)
{
    return (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) | (mods & Qt::AltModifier ? 4 : 0);
}

} // namespace

bool MouseRelay::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressed_ = e->button() == Qt::LeftButton;
        dragging_ = false;
        pressPos_ = e->position().toPoint();
        if (mouseDown)
            mouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), twips::fromPixels(pressPos_.x()),
                      twips::fromPixels(pressPos_.y()));
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (pressed_ && !dragging_ && dragStart && (e->buttons() & Qt::LeftButton)
            && (e->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            pressed_ = false;
            dragStart();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const bool wasPressed = pressed_ && e->button() == Qt::LeftButton;
        pressed_ = false;
        if (wasPressed && click)
            click();
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressed_ = clickAfterDoubleClick && e->button() == Qt::LeftButton;
        if (e->button() == Qt::LeftButton && doubleClick) {
            doubleClick();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

namespace {

QPalette::ColorRole backRole(const QWidget* control)
{
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractScrollArea*>(control) ? QPalette::Base
                                                                                                          : QPalette::Window;
}

QPalette::ColorRole foreRole(const QWidget* control)
{
    return backRole(control) == QPalette::Base ? QPalette::Text : QPalette::WindowText;
}

} // namespace

void setBackColour(QWidget* control, const QColor& colour)
{
    QPalette p = control->palette();
    p.setColor(backRole(control), colour);
    p.setColor(foreRole(control), picker::readableTextColour(colour));
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

QColor backColour(const QWidget* control)
{
    return control->palette().color(backRole(control));
}

void setForeColour(QWidget* control, const QColor& colour)
{
    QPalette p = control->palette();
    p.setColor(foreRole(control), colour);
    control->setPalette(p);
}

QColor foreColour(const QWidget* control)
{
    return control->palette().color(foreRole(control));
}

void setFontPoints(QWidget* control, int points)
{
    QFont f = control->font();
    f.setPointSize(points);
    control->setFont(f);
}

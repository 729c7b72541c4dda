#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace twips {

double pixelsPerTwip()
{
    double dpi = 96.0;
    if (auto* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInch();
    if (dpi <= 0)
        dpi = 96.0;
    return dpi / 1440.0;
}

int toPixels(int value)
{
    return static_cast<int>(std::lround(value * pixelsPerTwip()));
}

int fromPixels(int pixels)
{
    return static_cast<int>(std::lround(pixels / pixelsPerTwip()));
}

namespace {

// One remembered twips value per coordinate, valid while the pixel value still matches it.
int remembered(const QWidget* w, const char* name, int pixels)
{
    const QVariant v = w->property(name);
    if (v.isValid()) {
        const int t = v.toInt();
        if (toPixels(t) == pixels)
            return t;
    }
    return fromPixels(pixels);
}

void remember(QWidget* w, const char* name, int value)
{
    w->setProperty(name, value);
}

} // namespace

int Left(const QWidget* w) { return remembered(w, "_twipsLeft", w->x()); }
int Top(const QWidget* w) { return remembered(w, "_twipsTop", w->y()); }
int Width(const QWidget* w) { return remembered(w, "_twipsWidth", w->width()); }
int Height(const QWidget* w) { return remembered(w, "_twipsHeight", w->height()); }

void SetLeft(QWidget* w, int value)
{
    remember(w, "_twipsLeft", value);
    w->move(toPixels(value), w->y());
}

void SetTop(QWidget* w, int value)
{
    remember(w, "_twipsTop", value);
    w->move(w->x(), toPixels(value));
}

void SetWidth(QWidget* w, int value)
{
    remember(w, "_twipsWidth", value);
    w->resize(std::max(0, toPixels(value)), w->height());
}

void SetHeight(QWidget* w, int value)
{
    remember(w, "_twipsHeight", value);
    w->resize(w->width(), std::max(0, toPixels(value)));
}

void SetGeometry(QWidget* w, int left, int top, int width, int height)
{
    remember(w, "_twipsLeft", left);
    remember(w, "_twipsTop", top);
    remember(w, "_twipsWidth", width);
    remember(w, "_twipsHeight", height);
    w->setGeometry(toPixels(left), toPixels(top), std::max(0, toPixels(width)), std::max(0, toPixels(height)));
}

int WindowLeft(const QWidget* w) { return remembered(w, "_twipsLeft", w->pos().x()); }
int WindowTop(const QWidget* w) { return remembered(w, "_twipsTop", w->pos().y()); }
int WindowWidth(const QWidget* w) { return remembered(w, "_twipsWidth", w->width()); }
int WindowHeight(const QWidget* w) { return remembered(w, "_twipsHeight", w->height()); }

void SetWindowGeometry(QWidget* w, int left, int top, int width, int height)
{
    remember(w, "_twipsLeft", left);
    remember(w, "_twipsTop", top);
    remember(w, "_twipsWidth", width);
    remember(w, "_twipsHeight", height);
    w->move(toPixels(left), toPixels(top));
    w->resize(std::max(1, toPixels(width)), std::max(1, toPixels(height)));
}

} // namespace twips

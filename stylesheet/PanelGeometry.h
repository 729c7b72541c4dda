#pragma once

#include "platform/Twips.h"

// A control of a stylesheet panel placed in twips, for building the panel in one expression.
template <typename T>
T* placed(T* widget, int left, int top, int width, int height)
{
    twips::SetGeometry(widget, left, top, width, height);
    return widget;
}

#pragma once

#include "platform/ControlRegistry.h"

#include <QList>

// Where the colour picker sends a colour, by the target code its opener wrote.
namespace picker {

enum class DeliveryKind {
    Editor,     // the editor's selection, through procedure::InsertColour
    Stylesheet, // the stylesheet builder, through procedure::PutColourIntoCssBuilder with the value and the name
    Box,        // a colour box of the main window
};

struct Delivery {
    DeliveryKind kind = DeliveryKind::Box;
    ControlId box;             // for Box; none for a code without a box
    QList<ControlId> cleared;  // boxes emptied with it (a table's single border colour and its pair)
    // The lesson window comes to the front before the picker returns to its basic colours, or
    // only after the picker is hidden.
    bool lessonToFrontFirst = false;
    bool lessonToFrontLast = false;
};

Delivery deliveryFor(int code);

} // namespace picker

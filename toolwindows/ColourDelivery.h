#pragma once

#include <QList>
#include <QString>

// Where the colour picker sends a colour, by the target code its opener wrote.
namespace picker {

enum class DeliveryKind {
    Editor,     // the editor's selection, through procedure::InsertColour
    Stylesheet, // the stylesheet builder, through procedure::PutColourIntoCssBuilder with the value and the name
    Box,        // a colour box of the main window
};

struct BoxRef {
    QString name;
    int index;  // ControlRegistry::NoIndex for a box that is not in an array
    bool operator==(const BoxRef&) const = default;
};

struct Delivery {
    DeliveryKind kind = DeliveryKind::Box;
    BoxRef box;            // for Box
    QList<BoxRef> cleared; // boxes emptied with it (a table's single border colour and its pair)
    // The lesson window comes to the front before the picker returns to its basic colours, or
    // only after the picker is hidden.
    bool lessonToFrontFirst = false;
    bool lessonToFrontLast = false;
};

Delivery deliveryFor(int code);

} // namespace picker

#include "toolwindows/ColourDelivery.h"

#include "platform/ControlRegistry.h"

namespace picker {

Delivery deliveryFor(int code)
{
    constexpr int none = ControlRegistry::NoIndex;
    Delivery d;
    switch (code) {
    case 0:
        d.kind = DeliveryKind::Editor;
        return d;
    case 100:
        d.box = {QStringLiteral("txtiro1"), none};
        d.lessonToFrontFirst = true;
        return d;
    case 101:
        d.box = {QStringLiteral("Txtkeisenc"), none};
        return d;
    case 102:
        d.box = {QStringLiteral("Txttc"), none};
        return d;
    case 110:
        d.box = {QStringLiteral("Text5"), 0};
        d.cleared = {{QStringLiteral("Text5"), 1}, {QStringLiteral("Text5"), 2}};
        return d;
    case 111:
    case 112:
        d.box = {QStringLiteral("Text5"), code - 110};
        d.cleared = {{QStringLiteral("Text5"), 0}};
        return d;
    case 130:
        d.kind = DeliveryKind::Stylesheet;
        d.lessonToFrontLast = true;
        return d;
    default:
        break;
    }
    if (code >= 120 && code <= 129)
        d.box = {QStringLiteral("Text1"), 8};
    else
        d.box = {QStringLiteral("Text6"), code};
    return d;
}

} // namespace picker

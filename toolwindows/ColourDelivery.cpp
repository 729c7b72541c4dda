#include "toolwindows/ColourDelivery.h"

#include "wizards/AdvancedPanelInputs.h"
#include "wizards/AutoSettingsColourControls.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

namespace picker {

namespace {

// The colour box each target code fills.
struct BoxCode {
    int code;
    ControlId box;
};
constexpr BoxCode BoxCodes[] = {
    {7, font_colour_panel::ColourBox},
    {9, body_colours_panel::TextColourBox},
    {10, body_colours_panel::BackgroundBox},
    {18, auto_settings::HeadingColourBox},
    {20, auto_settings::BodyTextColourBox},
    {21, auto_settings::BodyBackgroundBox},
    {23, auto_settings::NavigationBackgroundBox},
    {26, auto_settings::RuleColourBox},
    {100, marquee_panel::BackgroundBox},
    {101, rule_panel::ColourBox},
    {102, table_panel::CellBackgroundBox},
    {110, table_panel::BorderColourBox},
    {111, table_panel::LightColourBox},
    {112, table_panel::DarkColourBox},
};

// The frames wizard's border colour takes every code from 120 to 129.
constexpr int FrameBorderFirst = 120;
constexpr int FrameBorderLast = 129;

} // namespace

Delivery deliveryFor(int code)
{
    Delivery d;
    switch (code) {
    case 0:
        d.kind = DeliveryKind::Editor;
        return d;
    case 130:
        d.kind = DeliveryKind::Stylesheet;
        d.lessonToFrontLast = true;
        return d;
    case 100:
        d.lessonToFrontFirst = true;
        break;
    case 110:
        // The single border colour empties the light and dark pair, and either of them empties it.
        d.cleared = {table_panel::LightColourBox, table_panel::DarkColourBox};
        break;
    case 111:
    case 112:
        d.cleared = {table_panel::BorderColourBox};
        break;
    default:
        break;
    }
    if (code >= FrameBorderFirst && code <= FrameBorderLast) {
        d.box = frames_wizard::BorderColourBox;
        return d;
    }
    for (const BoxCode& b : BoxCodes) {
        if (b.code == code)
            d.box = b.box;
    }
    return d;
}

} // namespace picker

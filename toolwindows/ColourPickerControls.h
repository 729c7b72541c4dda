#pragma once

#include "platform/ControlRegistry.h"

// The controls of the colour picker window, registered in the window's own registry.
namespace colour_picker {

// The bar under the frames: the value and the name of the chosen colour, the mode buttons, the
// insert, help and close buttons, and the mixing palette.
inline constexpr ControlId BottomBar{"colour-picker.bottom-bar"};
inline constexpr ControlId ValueLabel{"colour-picker.value-label"};
// The chosen colour's value ("#RRGGBB").
inline constexpr ControlId ValueBox{"colour-picker.value-box"};
inline constexpr ControlId NameLabel{"colour-picker.name-label"};
// The chosen colour's name, painted in the colour.
inline constexpr ControlId NameBox{"colour-picker.name-box"};
// Inserts the name instead of the value.
inline constexpr ControlId InsertByName{"colour-picker.insert-by-name"};
inline constexpr ControlId NamesMode{"colour-picker.names-mode"};
inline constexpr ControlId BasicMode{"colour-picker.basic-mode"};
inline constexpr ControlId ExtendedMode{"colour-picker.extended-mode"};
inline constexpr ControlId InsertButton{"colour-picker.insert-button"};
inline constexpr ControlId HelpButton{"colour-picker.help-button"};
inline constexpr ControlId CloseButton{"colour-picker.close-button"};

// The mixing palette: swatches of the extended palette dropped on it add up their channels.
inline constexpr ControlId MixingPalette{"colour-picker.mixing-palette"};
inline constexpr ControlId ClearMixButton{"colour-picker.clear-mix-button"};
// The mixed colour.
inline constexpr ControlId MixedColour{"colour-picker.mixed-colour"};
inline constexpr ControlId MixingPaletteLabel{"colour-picker.mixing-palette-label"};

// The colour names of resource/color.txt, one swatch each.
inline constexpr ControlId NamesFrame{"colour-picker.names-frame"};
inline constexpr ControlArrayId NameSwatch{"colour-picker.name-swatch"};

// The sixteen basic colours and the sliders that compose a colour.
inline constexpr ControlId BasicFrame{"colour-picker.basic-frame"};
inline constexpr ControlArrayId BasicSwatch{"colour-picker.basic-swatch"};
inline constexpr ControlId BasicExplanation{"colour-picker.basic-explanation"};
inline constexpr ControlId SliderFrame{"colour-picker.slider-frame"};
// Red, green and blue; index 3 is the composed colour's label.
inline constexpr ControlArrayId ChannelLabel{"colour-picker.channel-label"};
inline constexpr ControlInArray ComposedLabel{ChannelLabel, 3};
// Red, green and blue.
inline constexpr ControlArrayId ChannelSlider{"colour-picker.channel-slider"};
// The value of each slider; index 3 is the composed colour's value.
inline constexpr ControlArrayId ChannelBox{"colour-picker.channel-box"};
inline constexpr ControlInArray ComposedBox{ChannelBox, 3};
// Opens the system's colour dialog.
inline constexpr ControlId SystemColourButton{"colour-picker.system-colour-button"};

// The extended palette of resource/color2.txt and its graded columns.
inline constexpr ControlId ExtendedFrame{"colour-picker.extended-frame"};
inline constexpr ControlArrayId ExtendedSwatch{"colour-picker.extended-swatch"};

// The explanation shown from the window's menu.
inline constexpr ControlId ExplanationFrame{"colour-picker.explanation-frame"};
inline constexpr ControlId ExplanationText{"colour-picker.explanation-text"};
inline constexpr ControlId ExplanationCloseButton{"colour-picker.explanation-close-button"};

// The window itself, in the main window's registry.
inline constexpr ControlId Window{"colour-picker.window"};

} // namespace colour_picker

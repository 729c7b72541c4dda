#pragma once

#include "platform/ControlRegistry.h"

// The controls of the tag dictionary window, in the window's own registry; the window itself is
// in the main window's registry.
namespace tag_dictionary {

// The window, in the main window's registry.
inline constexpr ControlId Window{"tag-dictionary.window"};
// The frame that holds the labels and the explanation box.
inline constexpr ControlId Grid{"tag-dictionary.grid"};
// The labels of the tags, one per entry of the dictionary file, in rows of five.
inline constexpr ControlArrayId TagLabel{"tag-dictionary.tag-label"};
// The read-only box that shows the explanation of the tag last clicked.
inline constexpr ControlId ExplanationBox{"tag-dictionary.explanation-box"};
// The explanation box's popup menu and its two items.
inline constexpr ControlId EditMenu{"tag-dictionary.edit-menu"};
inline constexpr ControlId CopyItem{"tag-dictionary.copy"};
inline constexpr ControlId PasteItem{"tag-dictionary.paste"};

} // namespace tag_dictionary

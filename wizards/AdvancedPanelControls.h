#pragma once

#include "platform/ControlRegistry.h"

// The controls of the advanced menu's panels, by panel.

namespace image_panel {
// The preview of the chosen picture, lying over the explanation box while it is shown.
inline constexpr ControlId Picture{"image-panel.picture"};
} // namespace image_panel

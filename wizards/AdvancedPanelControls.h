#pragma once

#include "platform/ControlRegistry.h"

// The controls of the advanced menu's panels, by panel.

namespace image_panel {
// The preview of the chosen picture, lying over the explanation box while it is shown.
inline constexpr ControlId Picture{"image-panel.picture"};
} // namespace image_panel

// The advanced menu's panels themselves: each panel, its title and its explanation box, and the
// groups inside a panel that procedures show or hide.

// The link panel: a link or a mail link.
namespace link_panel {
inline constexpr ControlId Panel{"link-panel.panel"};
inline constexpr ControlId Title{"link-panel.title"};
inline constexpr ControlId Explanation{"link-panel.explanation"};
} // namespace link_panel

// The rule panel: a horizontal rule.
namespace rule_panel {
inline constexpr ControlId Panel{"rule-panel.panel"};
inline constexpr ControlId Title{"rule-panel.title"};
inline constexpr ControlId Explanation{"rule-panel.explanation"};
} // namespace rule_panel

// The list panel: the selected lines as a list.
namespace list_panel {
inline constexpr ControlId Panel{"list-panel.panel"};
inline constexpr ControlId Title{"list-panel.title"};
inline constexpr ControlId Explanation{"list-panel.explanation"};
} // namespace list_panel

// The image panel: a picture, its settings group and the buttons group inside it.
namespace image_panel {
inline constexpr ControlId Panel{"image-panel.panel"};
inline constexpr ControlId Title{"image-panel.title"};
inline constexpr ControlId Explanation{"image-panel.explanation"};
inline constexpr ControlId SettingsGroup{"image-panel.settings-group"};
inline constexpr ControlId ButtonsGroup{"image-panel.buttons-group"};
} // namespace image_panel

// The marquee panel: scrolling text; its group holds the execute button.
namespace marquee_panel {
inline constexpr ControlId Panel{"marquee-panel.panel"};
inline constexpr ControlId Title{"marquee-panel.title"};
inline constexpr ControlId Explanation{"marquee-panel.explanation"};
inline constexpr ControlId RunGroup{"marquee-panel.run-group"};
} // namespace marquee_panel

// The mail form panel.
namespace mail_form_panel {
inline constexpr ControlId Panel{"mail-form-panel.panel"};
inline constexpr ControlId Title{"mail-form-panel.title"};
inline constexpr ControlId Explanation{"mail-form-panel.explanation"};
} // namespace mail_form_panel

// The background sound panel.
namespace background_sound_panel {
inline constexpr ControlId Panel{"background-sound-panel.panel"};
inline constexpr ControlId Title{"background-sound-panel.title"};
inline constexpr ControlId Explanation{"background-sound-panel.explanation"};
} // namespace background_sound_panel

// The movie panel.
namespace movie_panel {
inline constexpr ControlId Panel{"movie-panel.panel"};
inline constexpr ControlId Title{"movie-panel.title"};
inline constexpr ControlId Explanation{"movie-panel.explanation"};
} // namespace movie_panel

// The background image panel.
namespace background_image_panel {
inline constexpr ControlId Panel{"background-image-panel.panel"};
inline constexpr ControlId Title{"background-image-panel.title"};
inline constexpr ControlId Explanation{"background-image-panel.explanation"};
} // namespace background_image_panel

// The document type panel.
namespace doctype_panel {
inline constexpr ControlId Panel{"doctype-panel.panel"};
inline constexpr ControlId Title{"doctype-panel.title"};
inline constexpr ControlId Explanation{"doctype-panel.explanation"};
} // namespace doctype_panel

// The page jump panel: a jump within the page or to another page.
namespace page_jump_panel {
inline constexpr ControlId Panel{"page-jump-panel.panel"};
inline constexpr ControlId Title{"page-jump-panel.title"};
inline constexpr ControlId Explanation{"page-jump-panel.explanation"};
} // namespace page_jump_panel

// The document information panel.
namespace document_info_panel {
inline constexpr ControlId Panel{"document-info-panel.panel"};
inline constexpr ControlId Title{"document-info-panel.title"};
inline constexpr ControlId Explanation{"document-info-panel.explanation"};
} // namespace document_info_panel


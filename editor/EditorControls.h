#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

// The controls and menus the editing commands own, declared once; every registration, look-up
// and test goes through these.

// The font menu: the editor font, the four colour schemes and the font of the mini panel's body
// box.
namespace font_menu {
inline constexpr MenuId Menu{"font"};
inline constexpr CommandId EditorFont{"font.editor-font"};
inline constexpr CommandId SchemeA{"font.scheme-a"};
inline constexpr CommandId SchemeB{"font.scheme-b"};
inline constexpr CommandId SchemeC{"font.scheme-c"};
inline constexpr CommandId SchemeD{"font.scheme-d"};
inline constexpr CommandId ExplanationFont{"font.explanation-font"};
// The item of colour scheme 1 to 4.
constexpr CommandId colourScheme(int scheme)
{
    constexpr CommandId schemes[] = {SchemeA, SchemeB, SchemeC, SchemeD};
    return schemes[scheme - 1];
}
} // namespace font_menu

// The search panel: the word, and one occurrence at a time or every occurrence highlighted.
namespace search_panel {
inline constexpr ControlId Word{"search-panel.word"};
inline constexpr ControlId OneAtATime{"search-panel.one-at-a-time"};
inline constexpr ControlId EveryOccurrence{"search-panel.every-occurrence"};
} // namespace search_panel

// The replace panel: what to find and what replaces it, one at a time or all at once.
namespace replace_panel {
inline constexpr ControlId FindLabel{"replace-panel.find-label"};
inline constexpr ControlId FindBox{"replace-panel.find-box"};
inline constexpr ControlId ReplacementLabel{"replace-panel.replacement-label"};
inline constexpr ControlId ReplacementBox{"replace-panel.replacement-box"};
inline constexpr ControlId OneAtATime{"replace-panel.one-at-a-time"};
inline constexpr ControlId AllAtOnce{"replace-panel.all-at-once"};
} // namespace replace_panel

// The parts of the search, replace and grammar panels.
namespace search_panel {
inline constexpr ControlId Panel{"search-panel.panel"};
inline constexpr ControlId Title{"search-panel.title"};
inline constexpr ControlId Explanation{"search-panel.explanation"};
} // namespace search_panel

namespace replace_panel {
inline constexpr ControlId Panel{"replace-panel.panel"};
inline constexpr ControlId Title{"replace-panel.title"};
inline constexpr ControlId Explanation{"replace-panel.explanation"};
} // namespace replace_panel

// The grammar check's panel: the finding's message in the explanation box.
namespace grammar_panel {
inline constexpr ControlId Panel{"grammar-panel.panel"};
inline constexpr ControlId Title{"grammar-panel.title"};
inline constexpr ControlId Message{"grammar-panel.message"};
} // namespace grammar_panel


#pragma once

#include "platform/Procedures.h"
#include "workspace/WorkspaceProcedures.h"

// The procedures the editor calls or offers to the layers above it. Each is defined by the
// subsystem named in its key; a caller whose target may be absent asks `defined` first.
namespace procedure {

// Offered by the editor.
inline constexpr ProcedureId SearchText{"search-panel.search-text"};   // one search step for the search box's word
inline constexpr ProcedureId SelectBody{"edit-menu.select-body"};      // selects the page's body text
inline constexpr ProcedureId InsertColour{"colour-lookup.insert-colour"}; // a colour code into the text at the selection

// Reached from the editor's menus, toolbar and insertion primitives.
inline constexpr ProcedureId ShowTagDictionary{"tag-dictionary.show"};
inline constexpr ProcedureId ShowColourPicker{"colour-picker.show"};
inline constexpr ProcedureId InsertLineBreak{"generators.insert-line-break"};
inline constexpr ProcedureId InsertSpace{"generators.insert-space"};
inline constexpr ProcedureId InsertAlignedParagraph{"generators.insert-aligned-paragraph"};
inline constexpr ProcedureId InsertAlignedDivision{"generators.insert-aligned-division"};
inline constexpr ProcedureId OpenImagePanel{"advanced-menu.open-image-panel"};
inline constexpr ProcedureId OpenBackgroundSoundPanel{"advanced-menu.open-background-sound-panel"};
inline constexpr ProcedureId ShowCssBuilder{"css-builder.show"};
inline constexpr ProcedureId ListStyleClasses{"class-list.list-style-classes"};
// Hides the class and ID list (a left click in the editor).
inline constexpr ProcedureId HideStyleClasses{"class-list.hide"};
inline constexpr ProcedureId InsertPageSkeleton{"auto-create.insert-page-skeleton"};
// Shows the help page numbered by the argument in the help pane; 0 only lays the pane out.
inline constexpr ProcedureId ShowHelpPage{"help-pane.show-help-page"};

} // namespace procedure

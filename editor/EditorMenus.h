#pragma once

#include "platform/CommandRegistry.h"

// The editor's menus, popup menus and toolbar, and their items by what each does. Separators have
// no id; they keep their index in the menu and do nothing.

// The menu "編集(&E)".
namespace edit_menu {
inline constexpr MenuId Menu{"edit"};
inline constexpr CommandId Undo{"edit.undo"};
inline constexpr CommandId Cut{"edit.cut"};
inline constexpr CommandId Copy{"edit.copy"};
inline constexpr CommandId Paste{"edit.paste"};
inline constexpr CommandId Search{"edit.search"};
inline constexpr CommandId Replace{"edit.replace"};
inline constexpr CommandId InsertLineBreak{"edit.insert-line-break"};
inline constexpr CommandId RemoveLineBreakMarks{"edit.remove-line-break-marks"};
inline constexpr CommandId InsertLineBreakMarks{"edit.insert-line-break-marks"};
inline constexpr CommandId InsertSpace{"edit.insert-space"};
inline constexpr CommandId RemoveAllSpaces{"edit.remove-all-spaces"};
inline constexpr CommandId TagsToUpperCase{"edit.tags-to-upper-case"};
inline constexpr CommandId TagsToLowerCase{"edit.tags-to-lower-case"};
inline constexpr CommandId ConvertSpecialCharacters{"edit.convert-special-characters"};
inline constexpr CommandId Recolour{"edit.recolour"};
inline constexpr CommandId InsertHeaderAndFooter{"edit.insert-header-and-footer"};
inline constexpr CommandId SelectAll{"edit.select-all"};
inline constexpr CommandId ClearAll{"edit.clear-all"};
inline constexpr CommandId DirectSearch{"edit.direct-search"};
inline constexpr CommandId ShowEditingHelp{"edit.show-editing-help"};
} // namespace edit_menu

// The menu "編集2(&G)": tag insertions on function keys, the tools, the regions, the header and
// footer, the indent.
namespace edit2_menu {
inline constexpr MenuId Menu{"edit-2"};
inline constexpr CommandId InsertSpace{"edit-2.insert-space"};
inline constexpr CommandId InsertLineBreak{"edit-2.insert-line-break"};
inline constexpr CommandId InsertAlignedParagraph{"edit-2.insert-aligned-paragraph"};
inline constexpr CommandId InsertAlignedDivision{"edit-2.insert-aligned-division"};
inline constexpr CommandId LargerText{"edit-2.larger-text"};
inline constexpr CommandId SmallerText{"edit-2.smaller-text"};
inline constexpr CommandId Bold{"edit-2.bold"};
inline constexpr CommandId ShowColourPicker{"edit-2.show-colour-picker"};
inline constexpr CommandId ShowTagDictionary{"edit-2.show-tag-dictionary"};
inline constexpr CommandId CheckGrammar{"edit-2.check-grammar"};
inline constexpr CommandId ShowRegionHelp{"edit-2.show-region-help"};
inline constexpr CommandId ShowOnlySelection{"edit-2.show-only-selection"};
inline constexpr CommandId HideSelection{"edit-2.hide-selection"};
inline constexpr CommandId ShowAllRegions{"edit-2.show-all-regions"};
inline constexpr CommandId ShowHiddenPart{"edit-2.show-hidden-part"};
inline constexpr CommandId HideHeaderAndFooter{"edit-2.hide-header-and-footer"};
inline constexpr CommandId ShowHeaderAndFooter{"edit-2.show-header-and-footer"};
inline constexpr CommandId Indent{"edit-2.indent"};
inline constexpr CommandId RemoveIndent{"edit-2.remove-indent"};
inline constexpr CommandId IndentSettings{"edit-2.indent-settings"};
} // namespace edit2_menu

// The editor's right-button popup "編集".
namespace editor_popup {
inline constexpr MenuId Menu{"editor-popup"};
inline constexpr CommandId Undo{"editor-popup.undo"};
inline constexpr CommandId Cut{"editor-popup.cut"};
inline constexpr CommandId Copy{"editor-popup.copy"};
inline constexpr CommandId Paste{"editor-popup.paste"};
inline constexpr CommandId ShowOnlySelection{"editor-popup.show-only-selection"};
inline constexpr CommandId HideSelection{"editor-popup.hide-selection"};
inline constexpr CommandId ShowAllRegions{"editor-popup.show-all-regions"};
inline constexpr CommandId Recolour{"editor-popup.recolour"};
inline constexpr CommandId ShowCssBuilder{"editor-popup.show-css-builder"};
inline constexpr CommandId ListStyleClasses{"editor-popup.list-style-classes"};
} // namespace editor_popup

// The stylesheet popup "スタイルヘルプ"; the lesson runs its rows by index.
namespace style_popup {
inline constexpr MenuId Menu{"style-popup"};
inline constexpr CommandId ListStyleClasses{"style-popup.list-style-classes"};
inline constexpr CommandId Undo{"style-popup.undo"};
inline constexpr CommandId Cut{"style-popup.cut"};
inline constexpr CommandId Copy{"style-popup.copy"};
inline constexpr CommandId Paste{"style-popup.paste"};
} // namespace style_popup

// The main toolbar's buttons, in their order on the bar.
namespace toolbar {
inline constexpr MenuId Buttons{"toolbar"};
inline constexpr CommandId NewDocument{"toolbar.new-document"};
inline constexpr CommandId Open{"toolbar.open"};
inline constexpr CommandId Close{"toolbar.close"};
inline constexpr CommandId Save{"toolbar.save"};
inline constexpr CommandId Print{"toolbar.print"};
inline constexpr CommandId Undo{"toolbar.undo"};
inline constexpr CommandId Cut{"toolbar.cut"};
inline constexpr CommandId Copy{"toolbar.copy"};
inline constexpr CommandId Paste{"toolbar.paste"};
inline constexpr CommandId Search{"toolbar.search"};
inline constexpr CommandId InsertLineBreak{"toolbar.insert-line-break"};
inline constexpr CommandId TagDictionary{"toolbar.tag-dictionary"};
inline constexpr CommandId Bold{"toolbar.bold"};
inline constexpr CommandId Italic{"toolbar.italic"};
inline constexpr CommandId Underline{"toolbar.underline"};
inline constexpr CommandId LargerText{"toolbar.larger-text"};
inline constexpr CommandId SmallerText{"toolbar.smaller-text"};
inline constexpr CommandId AlignLeft{"toolbar.align-left"};
inline constexpr CommandId Centre{"toolbar.centre"};
inline constexpr CommandId AlignRight{"toolbar.align-right"};
inline constexpr CommandId ColourPicker{"toolbar.colour-picker"};
inline constexpr CommandId Image{"toolbar.image"};
inline constexpr CommandId BackgroundSound{"toolbar.background-sound"};
inline constexpr CommandId Browser{"toolbar.browser"};
inline constexpr CommandId PasteMode{"toolbar.paste-mode"};
} // namespace toolbar

#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

// The stylesheet menu and its items, by purpose.
namespace stylesheet_menu {
inline constexpr MenuId Menu{"stylesheet"};
inline constexpr CommandId ShowCssHelp{"stylesheet.show-css-help"};
inline constexpr CommandId InsertSampleStylesheet{"stylesheet.insert-sample-stylesheet"};
inline constexpr CommandId CreateEmptyStylesheet{"stylesheet.create-empty-stylesheet"};
inline constexpr CommandId InsertSamplePage{"stylesheet.insert-sample-page"};
inline constexpr CommandId LinkStylesheet{"stylesheet.link-stylesheet"};
inline constexpr CommandId ShowCssBuilder{"stylesheet.show-css-builder"};
inline constexpr CommandId InsertPageStyle{"stylesheet.insert-page-style"};
inline constexpr CommandId InsertScopedStyle{"stylesheet.insert-scoped-style"};
inline constexpr CommandId InsertInlineStyle{"stylesheet.insert-inline-style"};
inline constexpr CommandId ShowLesson{"stylesheet.show-lesson"};
} // namespace stylesheet_menu

// The CSS builder's parts. Its panel and its style text box are declared with the wizards' ids
// (wizards/AdvancedPanelControls.h), whose generators read them.
namespace css_builder {
inline constexpr ControlId Panel{"css-builder.panel"};
inline constexpr ControlId StyleTextBox{"css-builder.style-text"};
inline constexpr ControlId Title{"css-builder.title"};
inline constexpr ControlId CategoryList{"css-builder.category-list"};
inline constexpr ControlId PropertyList{"css-builder.property-list"};
inline constexpr ControlId ValueList{"css-builder.value-list"};
inline constexpr ControlId Description{"css-builder.description"};
inline constexpr ControlId Example{"css-builder.example"};
// The selector panel: the selector box, the caption of its kind, the element box and the four
// kind options (element, element and class, class, id: css::selectorKind 4 to 7 at 0 to 3).
inline constexpr ControlId SelectorPanel{"css-builder.selector-panel"};
inline constexpr ControlId KindLabel{"css-builder.kind-label"};
inline constexpr ControlId SelectorBox{"css-builder.selector-box"};
inline constexpr ControlId ElementBox{"css-builder.element-box"};
inline constexpr ControlArrayId SelectorKind{"css-builder.selector-kind"};
// The inputs a value opens.
inline constexpr ControlId FontPanel{"css-builder.font-panel"};
inline constexpr ControlId FontList{"css-builder.font-list"};
inline constexpr ControlId ColourPanel{"css-builder.colour-panel"};
inline constexpr ControlId ColourBox{"css-builder.colour-box"};
inline constexpr ControlId NumberPanel{"css-builder.number-panel"};
inline constexpr ControlId NumberBox{"css-builder.number-box"};
inline constexpr ControlId UnitLabel{"css-builder.unit-label"};
} // namespace css_builder

// The class and ID list shown at the editor's right click.
namespace class_list {
inline constexpr ControlId List{"class-list.list"};
} // namespace class_list

// The panel that names a new, empty stylesheet document.
namespace stylesheet_name_panel {
inline constexpr ControlId Panel{"stylesheet-name-panel.panel"};
inline constexpr ControlId Title{"stylesheet-name-panel.title"};
inline constexpr ControlId Explanation{"stylesheet-name-panel.explanation"};
inline constexpr ControlId NameBox{"stylesheet-name-panel.name-box"};
} // namespace stylesheet_name_panel

// The panel that links a stylesheet into the pages.
namespace stylesheet_link_panel {
inline constexpr ControlId Panel{"stylesheet-link-panel.panel"};
inline constexpr ControlId Title{"stylesheet-link-panel.title"};
inline constexpr ControlId Explanation{"stylesheet-link-panel.explanation"};
inline constexpr ControlId FileBox{"stylesheet-link-panel.file-box"};
} // namespace stylesheet_link_panel

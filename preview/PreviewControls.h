#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

// The controls and menus of the preview, the live browser and the help, declared once; every
// registration, look-up and test goes through these.

// The live browser's bar over a document's preview tab: the URL box and the browser toolbar.
namespace live_browser {
inline constexpr ControlId Bar{"live-browser.bar"};
inline constexpr ControlId UrlBox{"live-browser.url-box"};
inline constexpr ControlId Toolbar{"live-browser.toolbar"};
} // namespace live_browser

// The browser menu "ﾌﾞﾗｳｻﾞｰ(&O)".
namespace browser_menu {
inline constexpr MenuId Menu{"browser"};
inline constexpr CommandId SwitchToBrowser{"browser.switch-to-browser"};
inline constexpr CommandId LoadAllBrowsers{"browser.load-all-browsers"};
inline constexpr CommandId ReleaseAllBrowsers{"browser.release-all-browsers"};
inline constexpr CommandId OrganiseFavourites{"browser.organise-favourites"};
inline constexpr CommandId ListLinks{"browser.list-links"};
} // namespace browser_menu

// The menu "ヘルプ(&H)": the help index, the switch that shows help in a browser window, and one
// row for each help page, reached by the page's number.
namespace help_menu {
inline constexpr MenuId Menu{"help"};
inline constexpr CommandId ShowHelpIndex{"help.show-index"};
inline constexpr CommandId HelpInBrowserWindow{"help.in-browser-window"};
} // namespace help_menu

// The help pane over the document tabs: the browser that shows the help pages.
namespace help_pane {
inline constexpr ControlId Browser{"help-pane.browser"};
} // namespace help_pane

// The link list panel: its list of the page's links, the address they were listed from and the
// link last followed.
namespace link_list {
inline constexpr ControlId List{"link-list.list"};
inline constexpr ControlId Address{"link-list.address"};
inline constexpr ControlId Followed{"link-list.followed"};
} // namespace link_list

// The help pane's panel, its title and the explanation box the browser lies over.
namespace help_pane {
inline constexpr ControlId Panel{"help-pane.panel"};
inline constexpr ControlId Title{"help-pane.title"};
inline constexpr ControlId Explanation{"help-pane.explanation"};
} // namespace help_pane

// The link list panel and its title.
namespace link_list {
inline constexpr ControlId Panel{"link-list.panel"};
inline constexpr ControlId Title{"link-list.title"};
} // namespace link_list

// The favourites panel, its title and its explanation box.
namespace favourites_panel {
inline constexpr ControlId Panel{"favourites-panel.panel"};
inline constexpr ControlId Title{"favourites-panel.title"};
inline constexpr ControlId Explanation{"favourites-panel.explanation"};
// The favourites, in the order the favourites file keeps them.
inline constexpr ControlId List{"favourites-panel.list"};
} // namespace favourites_panel

#include "preview/HelpMenu.h"

#include "platform/CommandRegistry.h"
#include "preview/HelpPane.h"
#include "preview/PreviewControls.h"

HelpMenu::HelpMenu(Settings& settings)
    : helpInBrowserWindow(settings, setting::HelpInBrowserWindow)
{
}

void HelpMenu::declareMenu(CommandRegistry& commands, HelpPane& pane)
{
    menu_ = commands.addMenuBarMenu(help_menu::Menu, QStringLiteral("ヘルプ(&H)"));
    pane_ = &pane;
    std::vector<CommandItem> items;
    CommandItem index{0, QStringLiteral("ヘルプ")};
    index.handler = [this] { pane_->showHelpIndex(); };
    index.id = help_menu::ShowHelpIndex;
    items.push_back(index);
    items.push_back({1, QStringLiteral("-")});
    // The switch, which the menu toggles and the settings keep.
    CommandItem ie{2, QStringLiteral("ヘルプをie(エクスプローラー）で表示")};
    ie.toggles = &helpInBrowserWindow;
    ie.id = help_menu::HelpInBrowserWindow;
    items.push_back(ie);
    for (const HelpPageEntry& entry : helpPages()) {
        items.push_back({entry.menuIndex - 1, QStringLiteral("-")});
        CommandItem shows{entry.menuIndex, entry.caption};
        shows.handler = [this, page = entry.page] { pane_->showHelpPage(page); };
        items.push_back(shows);
    }
    commands.define(help_menu::Menu, items);
}

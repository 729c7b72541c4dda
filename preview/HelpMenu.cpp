#include "preview/HelpMenu.h"

#include "platform/CommandRegistry.h"
#include "preview/HelpPane.h"

HelpMenu::HelpMenu(Settings& settings)
    : HelpInBrowserWindow(settings, setting::HelpInBrowserWindow)
{
}

void HelpMenu::declareMenu(CommandRegistry& commands, HelpPane& pane)
{
    pane_ = &pane;
    std::vector<CommandItem> items;
    auto item = [this](int index, const QString& caption) {
        CommandItem c{index, caption};
        c.handler = [this, index] { mhelp_Click(index); };
        return c;
    };
    items.push_back(item(0, QStringLiteral("ヘルプ")));
    items.push_back({1, QStringLiteral("-")});
    CommandItem ie = item(2, QStringLiteral("ヘルプをie(エクスプローラー）で表示"));
    ie.toggles = &HelpInBrowserWindow;
    items.push_back(ie);
    for (const HelpPage& page : helpPages()) {
        items.push_back({page.number - 1, QStringLiteral("-")});
        items.push_back(item(page.number, page.caption));
    }
    commands.define(QStringLiteral("mhelp"), items);
}

void HelpMenu::mhelp_Click(int index)
{
    if (!pane_)
        return;
    if (index == 0)
        pane_->showHelpIndex();
    else if (!helpPageFile(index).isEmpty())
        pane_->SetumeiSize(index);
    // Item 2 is the switch, which the menu toggles and the settings keep.
}

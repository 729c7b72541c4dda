#include "preview/HelpMenu.h"

#include "platform/CommandRegistry.h"

HelpMenu::HelpMenu(Settings& settings)
    : HelpInBrowserWindow(settings, setting::HelpInBrowserWindow)
{
}

void HelpMenu::declareMenu(CommandRegistry& commands)
{
    CommandItem ie{2, QStringLiteral("ヘルプをie(エクスプローラー）で表示")};
    ie.toggles = &HelpInBrowserWindow;
    commands.define(QStringLiteral("mhelp"), {ie});
}

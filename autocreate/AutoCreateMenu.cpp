#include "autocreate/AutoCreateMenu.h"

#include "platform/CommandRegistry.h"

AutoCreateMenu::AutoCreateMenu(Settings& settings)
    : AutoRun(settings, setting::AutoRun)
{
}

void AutoCreateMenu::declareMenu(CommandRegistry& commands)
{
    CommandItem autoRun{0, QStringLiteral("自動作成自動実行")};
    autoRun.toggles = &AutoRun;
    commands.define(QStringLiteral("mjidou"), {autoRun});
}

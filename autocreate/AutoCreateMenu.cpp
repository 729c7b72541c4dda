#include "autocreate/AutoCreateMenu.h"

#include "autocreate/AutoCreateRunner.h"
#include "autocreate/AutoSettingsPanel.h"
#include "platform/CommandRegistry.h"

AutoCreateMenu::AutoCreateMenu(Settings& settings)
    : AutoRun(settings, setting::AutoRun)
{
}

void AutoCreateMenu::declareMenu(CommandRegistry& commands, AutoCreateRunner& runner, AutoSettingsPanel& panel)
{
    CommandItem autoRun{0, QStringLiteral("自動作成自動実行")};
    autoRun.toggles = &AutoRun;
    commands.define(QStringLiteral("mjidou"),
                    {
                        autoRun,
                        {1, QStringLiteral("自動作成実行"), {}, [&runner] { runner.RunAutoCreate(); }},
                        {2, QStringLiteral("自動作成設定"), {}, [&panel] { panel.ShowAutoSettings(); }},
                        {3, QStringLiteral("-")},
                        {4, QStringLiteral("同じページにリンクに変更"), {}, [&runner] { runner.MakeAnchorLinks(); }},
                    });
}

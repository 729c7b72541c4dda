#include "autocreate/AutoCreateMenu.h"

#include "autocreate/AutoCreateControls.h"
#include "autocreate/AutoCreateRunner.h"
#include "autocreate/AutoSettingsPanel.h"
#include "platform/CommandRegistry.h"

AutoCreateMenu::AutoCreateMenu(Settings& settings)
    : autoRun(settings, setting::AutoRun)
{
}

void AutoCreateMenu::declareMenu(CommandRegistry& commands, AutoCreateRunner& runner, AutoSettingsPanel& panel)
{
    commands.addMenuBarMenu(auto_create_menu::Menu, QStringLiteral("自動作成"));
    CommandItem runOnOpening{0, QStringLiteral("自動作成自動実行")};
    runOnOpening.toggles = &autoRun;
    runOnOpening.id = auto_create_menu::RunOnOpening;
    CommandItem run{1, QStringLiteral("自動作成実行"), {}, [&runner] { runner.run(); }};
    run.id = auto_create_menu::Run;
    CommandItem settings{2, QStringLiteral("自動作成設定"), {}, [&panel] { panel.showPanel(); }};
    settings.id = auto_create_menu::ShowSettings;
    CommandItem anchors{4, QStringLiteral("同じページにリンクに変更"), {}, [&runner] { runner.makeAnchorLinks(); }};
    anchors.id = auto_create_menu::MakeAnchorLinks;
    commands.define(auto_create_menu::Menu, {runOnOpening, run, settings, {3, QStringLiteral("-")}, anchors});
}

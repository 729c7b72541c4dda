#include "preview/HelpMenu.h"

#include "platform/CommandRegistry.h"
#include "preview/HelpPane.h"

#include <QDir>

const std::vector<HelpPage>& helpPages()
{
    static const std::vector<HelpPage> pages = {
        {4, QStringLiteral("helphelp.html"), QStringLiteral("HTMLヘルプ目次")},
        {6, QStringLiteral("pelmorindex.html"), QStringLiteral("総合ヘルプ（ＨＴＭＬ版)")},
        {8, QStringLiteral("hensyu1.html"), QStringLiteral("編集モードの説明")},
        {10, QStringLiteral("region.html"), QStringLiteral("リージョン機能の説明")},
        {12, QStringLiteral("csssetumei.html"), QStringLiteral("スタイルシートの説明")},
        {14, QStringLiteral("bildersetumei.html"), QStringLiteral("「CSSビルダー」の説明")},
        {16, QStringLiteral("csshelpindex.html"), QStringLiteral("ＣＳＳ　プロパティ・バリューの説明")},
        {18, QStringLiteral("color.html"), QStringLiteral("「カラーペルモア」の説明")},
    };
    return pages;
}

QString helpPageFile(int number)
{
    for (const HelpPage& page : helpPages()) {
        if (page.number == number)
            return page.file;
    }
    return QString();
}

QString helpPagePath(const QString& programFolder, const QString& file)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("resource/") + file));
}

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

#include "preview/HelpPages.h"

#include <QDir>

const std::vector<HelpPageEntry>& helpPages()
{
    static const std::vector<HelpPageEntry> pages = {
        {HelpPage::Contents, 4, QStringLiteral("helphelp.html"), QStringLiteral("HTMLヘルプ目次")},
        {HelpPage::Overview, 6, QStringLiteral("pelmorindex.html"), QStringLiteral("総合ヘルプ（ＨＴＭＬ版)")},
        {HelpPage::EditMode, 8, QStringLiteral("hensyu1.html"), QStringLiteral("編集モードの説明")},
        {HelpPage::Regions, 10, QStringLiteral("region.html"), QStringLiteral("リージョン機能の説明")},
        {HelpPage::Stylesheets, 12, QStringLiteral("csssetumei.html"), QStringLiteral("スタイルシートの説明")},
        {HelpPage::CssBuilder, 14, QStringLiteral("bildersetumei.html"), QStringLiteral("「CSSビルダー」の説明")},
        {HelpPage::CssProperties, 16, QStringLiteral("csshelpindex.html"), QStringLiteral("ＣＳＳ　プロパティ・バリューの説明")},
        {HelpPage::ColourPicker, 18, QStringLiteral("color.html"), QStringLiteral("「カラーペルモア」の説明")},
    };
    return pages;
}

QString helpPageFile(HelpPage page)
{
    for (const HelpPageEntry& entry : helpPages()) {
        if (entry.page == page)
            return entry.file;
    }
    return QString();
}

QString helpPagePath(const QString& programFolder, const QString& file)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("resource/") + file));
}

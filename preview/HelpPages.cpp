#include "preview/HelpPages.h"

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

#include "lesson/LessonTexts.h"

#include "platform/SharedConstants.h"

namespace lesson_texts {

QString windowCaption()
{
    return QStringLiteral("ＣＳＳペルモア");
}

QString stepCaption(const QString& stepMark)
{
    return QStringLiteral("CSSペルモア  ") + QStringLiteral("実行行 = ") + stepMark;
}

QString welcomeText()
{
    const char* const lines[] = {
        "ようこそ「HTMLペルモア」スタイルシート",
        "ペルモリアルへ。",
        "真中のボタンを押すとペルモアの",
        "ステップが一つずつ実行されます。",
        "<< ボタンは最初に戻ります",
        ">>　ボタンは一挙に最後まで実行します",
        "<　ボタンは一つ戻しです。（時間が掛かります）",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + CrLf;
    return text;
}

QString scriptUnreadable(const QString& path)
{
    return scriptFileName() + QStringLiteral("が読めません。レッスンは始められません。") + CrLf + path;
}

QString folderUnwritable(const QString& folder)
{
    return QStringLiteral("レッスン用のフォルダーが作れません。書き込めるかどうかを確かめてください。") + FaceSweat + CrLf
        + folder;
}

QString pageUnwritable(const QString& path)
{
    return QStringLiteral("レッスンのページが書き込めませんでした。") + FaceSweat + CrLf + path;
}

QString scriptFileName()
{
    return QStringLiteral("CSSDEMO.txt");
}

QString stylesheetName()
{
    return QStringLiteral("Kaisetu.css");
}

} // namespace lesson_texts

#include "autocreate/AutoCreateTexts.h"

#include "platform/SharedConstants.h"

namespace autotext {

QString settingsExplanation()
{
    return QStringLiteral("自動執行の時の各設定を行います。");
}

QString tooManyDocuments()
{
    return QStringLiteral("二つ以上のタブが開かれています。自動作成で開けるファイルは１つだけです、自動作成以外のファイルは保存して")
        + CrLf + QStringLiteral("タブを閉じてください。");
}

QString saveBeforeFrames()
{
    return QStringLiteral("フレームのページの名前はファイルの名前から作ります。") + CrLf
        + QStringLiteral("先にファイルに名前を付けて保存して下さい。") + FaceSweat;
}

QString pageNotWritten(const QString& path, const QString& detail)
{
    QString text = QStringLiteral("自動作成したページが書き込めませんでした。ページはタブに残っています。");
    if (!detail.isEmpty())
        text += CrLf + detail;
    return text + CrLf + path;
}

QString runFailed(const QString& detail, bool unchanged)
{
    QString text = QStringLiteral("自動作成を最後まで実行できませんでした。") + FaceSweat;
    if (unchanged)
        text += CrLf + QStringLiteral("文書は変更されていません。");
    return text + CrLf + detail;
}

} // namespace autotext

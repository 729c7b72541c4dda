#include "stylesheet/StylesheetTexts.h"

#include "platform/SharedConstants.h"

#include <QStringList>

QString stylesheetNameExplanation()
{
    return QStringLiteral("スタイルシートの名前を入れてください。") + QStringLiteral("名前は何でも構いませんが、拡張子は")
        + QStringLiteral("’css’とします。");
}

QString stylesheetLinkExplanation()
{
    const QStringList lines = {
        QStringLiteral("別ファイルのスタイルシートを作成する場合は、"),
        QStringLiteral("新しいタブを挿入して、そのタブのファイルを"),
        QStringLiteral("「名前を付けて保存」で拡張子「css」"),
        QStringLiteral("とし保存します。"),
        QStringLiteral("「ファイル名」にこのスタイルシート名を要れて実行すると、"),
        QStringLiteral("現在のタブのへダー部にリンクが書き込まれます。"),
        QStringLiteral("挿入したcssの拡張子を持つテキストファイルにスタールシートの"),
        QStringLiteral("設定を書き込みます。"),
        QStringLiteral("cssの拡張子を持つタブが見つからない場合は*.cssで記入されます。"),
        QStringLiteral("後でcssファイルを作成した時、*の部分に正式な名前で置き換えます。"),
    };
    QString text;
    for (const QString& line : lines)
        text += line + CrLf;
    return text;
}

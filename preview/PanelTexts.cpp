#include "preview/PanelTexts.h"

#include "platform/SharedConstants.h"

#include <QStringList>

QString favouritesExplanation()
{
    return QStringList{
        QStringLiteral("ブラウザーで表示されるお気に入りの整理をします。マウスでＵＲＬを選択して、"),
        QStringLiteral("削除 ---選択したURLを削除します。"),
        QStringLiteral("戻す ---一旦削除したＵＲＬを戻します."),
        QStringLiteral("先頭に--る--選択したＵＲＬを先頭にします。先頭のＵＲＬはブラウザーを開い時に、表示されます。"),
        QStringLiteral("保存---変更を保存します。"),
    }
        .join(CrLf);
}

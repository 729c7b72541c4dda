#include "toolwindows/ToolWindowTexts.h"

#include "platform/SharedConstants.h"

namespace toolwindow_texts {

QString colourPickerExplanation()
{
    return QStringLiteral("色の説明とパレットの使い方。") + CrLf
        + QStringLiteral("光の三原色は　RED(赤) GREEN(緑) BLUE(青)　ですこの組み合わせで") + QStringLiteral("全ての色が表せます。") + CrLf
        + QStringLiteral("HTMLの場合それぞれの色の強さを０から２５５までの２５６段階であらわします") + CrLf
        + QStringLiteral("つまりこの三色の組み合わせで　256X256X256=16777216色を表すことが出来ます。") + CrLf
        + QStringLiteral("ただし設定は１０進法ではなく１６進法で表します。") + CrLf
        + QStringLiteral("色指定値は「＃rrggbb」と表します。") + CrLf
        + QStringLiteral("エディターで文字列を選択して「挿入」又はパレットでダブルクリックをすると")
        + QStringLiteral("テキストの色設定が出来ます。") + CrLf
        + QStringLiteral("又既に設定してある色を選択して「挿入」又はパレットをダブルクリックすると、色が置き換わります。")
        + QStringLiteral("置き換えの場合は「#ff00ff」のように＃から全体を選択してください。") + CrLf
        + QStringLiteral("ただし色の名前は置き換わりません。") + QStringLiteral("下の選択ボックスで名前の挿入か値の挿入かを選択できます。") + CrLf
        + QStringLiteral("「基本と合成」「色の名前」「拡張表示] でパレットを切り替えることが出来ます。(^_^)")
        + QStringLiteral("「拡張表示」では色をドラッグして混合パレットに置くことにより色を混ぜ合わせることが出来ます。");
}

QString basicColoursExplanation()
{
    return QStringLiteral("左側に基本１６色を示します") + QStringLiteral("基本１６色はWindowsのＶＧＡに準拠しています。")
        + QStringLiteral("右側では色の合成が出来ます、これで全ての色の組み合わせが") + QStringLiteral("可能となります。") + CrLf
        + QStringLiteral("それぞれのパレットはシングルクリックで選択され、ダブルクリックで") + QStringLiteral("テキストに挿入されます。")
        + QStringLiteral("もちろん挿入ボタンでは挿入が可能です。") + QStringLiteral("色の説明についてはメニューの説明をお読み下さい。")
        + QStringLiteral("「色の名前」と「拡張表示」は遅いコンピュータですと表示まで") + QStringLiteral("時間がかかる場合があります。")
        + QStringLiteral("ただし２回目からの立ち上がりは早くなります。") + CrLf + QStringLiteral("メニューの説明もあわせてお読みください。");
}

QString tagDictionaryGreeting()
{
    return QStringLiteral("タグをクリックすると説明が下に出ます。") + CrLf + QStringLiteral("ダブルクリックすると編集中のソースに挿入されます。");
}

} // namespace toolwindow_texts

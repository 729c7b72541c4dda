#include "editor/EditMenuItems.h"

namespace {

const MenuItemText EditItems[] = {
    {0, "元に戻す(&U)", "Ctrl+Z"},
    {1, "-", ""},
    {2, "切り取り(&T)", "Ctrl+X"},
    {3, "ｺﾋﾟｰ(&C)", "Ctrl+C"},
    {4, "貼り付け(&P)", "Ctrl+V"},
    {5, "-", ""},
    {6, "検索(&F)", "Ctrl+F"},
    {7, "-", ""},
    {8, "置換(&H)", "Ctrl+H"},
    {9, "-", ""},
    {10, "改行挿入(&K)", ""},
    {11, "選択範囲の改行マークの削除", ""},
    {12, "選択範囲の改行マーク挿入", ""},
    {13, "-", ""},
    {14, "スペースを挿入(&O)", ""},
    {15, "スペースを全て削除", ""},
    {16, "-", ""},
    {17, "タグを大文字に", ""},
    {18, "タグを小文字に", ""},
    {19, "-", ""},
    {20, "特殊文字の変換", ""},
    {21, "-", ""},
    {22, "文字の色分け(&C)", "Ctrl+T"},
    {23, "-", ""},
    {24, "ヘッダー・フッターの挿入", ""},
    {25, "-", ""},
    {26, "すべて選択", ""},
    {27, "すべてさ削除", ""},
    {28, "-", ""},
    {29, "ダイレクトサーチ(コピーが必要)", ""},
    {30, "-", ""},
    {31, "編集説明", ""},
};
const MenuItemText PopupItems[] = {
    {0, "元に戻す", ""},
    {2, "切り取り", ""},
    {3, "コピー", ""},
    {4, "貼り付け", ""},
    {6, "リージョン　選択部分のみ表示", ""},
    {7, "リージョン　選択部分のみ隠す", ""},
    {8, "リージョン　全て表示", ""},
    {10, "文字の色分け", ""},
    {12, "ＣＳＳビルダー", ""},
    {13, "ＣＳＳ　リスト表示", ""},
};
const MenuItemText StylePopupItems[] = {
    {0, "項目リスト", ""},
    {2, "元に戻す", ""},
    {4, "切り取り", ""},
    {5, "コピー", ""},
    {6, "貼り付け", ""},
};
const MenuItemText Edit2Items[] = {
    {1, "スペースの挿入", "F1"},
    {2, "改行挿入", "F2"},
    {3, "-", ""},
    {4, "段落設定 (<P> </P>)", "F3"},
    {5, "位置設定 (<DIV> </DIV>", "F4"},
    {6, "-", ""},
    {7, "文字を大きく", "F5"},
    {8, "文字を小さく", "F6"},
    {9, "太字(ボールド)", "F7"},
    {10, "-", ""},
    {11, "色パレット表示", "F8"},
    {12, "タグ辞典を表示", "F9"},
    {13, "-", ""},
    {14, "文法チェック", "F12"},
    {15, "-", ""},
    {16, "リージョンの説明表示", ""},
    {17, "リージョン 選択範囲　表示", "Shift+F1"},
    {18, "リージョン 選択範囲　非表示", "Shift+F2"},
    {19, "-", ""},
    {20, "リージョン 全て　　　　表示", "Shift+F3"},
    {21, "リージョン 選択部分  表示", "Shift+F4"},
    {22, "-", ""},
    {23, "ヘッダー、フッター 　 非表示", "Shift+F5"},
    {24, "ヘッダー、フッター　　表示", "Shift+F6"},
    {25, "-", ""},
    {26, "インデント実行", ""},
    {27, "インデント解除", ""},
    {28, "インデント設定", ""},
};
const ToolbarButtonText ToolbarButtons[] = {
    {"新規挿入", "新規のタブセットを挿入します"},
    {"開く", "ファイルを開く"},
    {"閉じる", "現在のタブを閉じる"},
    {"上書き保存", "上書き保存"},
    {"印刷", "印刷"},
    {"元に戻す", "元に戻す"},
    {"切り取り", "切り取り"},
    {"ｺﾋﾟｰ", "ｺﾋﾟｰ"},
    {"貼り付け", "貼り付け"},
    {"検索", "検索"},
    {"改行", "改行マークの挿入"},
    {"タグ", "タグ辞典"},
    {"太字", "太字"},
    {"斜体", "斜体"},
    {"下線", "下線"},
    {"文字大", "文字を大きくする"},
    {"文字少", "文字を小さくする"},
    {"左揃え", "左揃え"},
    {"中央揃え", "中央揃え"},
    {"右揃え", "右揃え"},
    {"色の設定", "「カラーペルモア」の起動"},
    {"画像", "画像挿入"},
    {"音楽", "音楽の挿入"},
    {"ブラウザー", "ブラウザー表示"},
    {"貼", "ダイレクト貼り付け"},
};

} // namespace

std::span<const MenuItemText> editMenuItems()
{
    return EditItems;
}

std::span<const MenuItemText> edit2MenuItems()
{
    return Edit2Items;
}

std::span<const MenuItemText> editorPopupItems()
{
    return PopupItems;
}

std::span<const MenuItemText> stylePopupItems()
{
    return StylePopupItems;
}

std::span<const ToolbarButtonText> toolbarButtons()
{
    return ToolbarButtons;
}

std::vector<CommandItem> commandItems(std::span<const MenuItemText> items)
{
    std::vector<CommandItem> out;
    out.reserve(items.size());
    for (const MenuItemText& item : items) {
        CommandItem c;
        c.index = item.index;
        c.caption = QString::fromUtf8(item.caption);
        c.shortcut = QKeySequence(QString::fromUtf8(item.shortcut));
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<CommandItem> commandItems(std::span<const MenuItemText> items, const ItemActions& actions)
{
    std::vector<CommandItem> out = commandItems(items);
    for (CommandItem& item : out) {
        if (auto it = actions.find(item.index); it != actions.end())
            item.handler = it->second;
    }
    return out;
}

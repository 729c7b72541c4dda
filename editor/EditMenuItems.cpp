#include "editor/EditMenuItems.h"

#include "editor/EditorMenus.h"

namespace {

const MenuItemText EditItems[] = {
    {0, "元に戻す(&U)", "Ctrl+Z", edit_menu::Undo},
    {1, "-", ""},
    {2, "切り取り(&T)", "Ctrl+X", edit_menu::Cut},
    {3, "ｺﾋﾟｰ(&C)", "Ctrl+C", edit_menu::Copy},
    {4, "貼り付け(&P)", "Ctrl+V", edit_menu::Paste},
    {5, "-", ""},
    {6, "検索(&F)", "Ctrl+F", edit_menu::Search},
    {7, "-", ""},
    {8, "置換(&H)", "Ctrl+H", edit_menu::Replace},
    {9, "-", ""},
    {10, "改行挿入(&K)", "", edit_menu::InsertLineBreak},
    {11, "選択範囲の改行マークの削除", "", edit_menu::RemoveLineBreakMarks},
    {12, "選択範囲の改行マーク挿入", "", edit_menu::InsertLineBreakMarks},
    {13, "-", ""},
    {14, "スペースを挿入(&O)", "", edit_menu::InsertSpace},
    {15, "スペースを全て削除", "", edit_menu::RemoveAllSpaces},
    {16, "-", ""},
    {17, "タグを大文字に", "", edit_menu::TagsToUpperCase},
    {18, "タグを小文字に", "", edit_menu::TagsToLowerCase},
    {19, "-", ""},
    {20, "特殊文字の変換", "", edit_menu::ConvertSpecialCharacters},
    {21, "-", ""},
    {22, "文字の色分け(&C)", "Ctrl+T", edit_menu::Recolour},
    {23, "-", ""},
    {24, "ヘッダー・フッターの挿入", "", edit_menu::InsertHeaderAndFooter},
    {25, "-", ""},
    {26, "すべて選択", "", edit_menu::SelectAll},
    {27, "すべてさ削除", "", edit_menu::ClearAll},
    {28, "-", ""},
    {29, "ダイレクトサーチ(コピーが必要)", "", edit_menu::DirectSearch},
    {30, "-", ""},
    {31, "編集説明", "", edit_menu::ShowEditingHelp},
};
const MenuItemText PopupItems[] = {
    {0, "元に戻す", "", editor_popup::Undo},
    {2, "切り取り", "", editor_popup::Cut},
    {3, "コピー", "", editor_popup::Copy},
    {4, "貼り付け", "", editor_popup::Paste},
    {6, "リージョン　選択部分のみ表示", "", editor_popup::ShowOnlySelection},
    {7, "リージョン　選択部分のみ隠す", "", editor_popup::HideSelection},
    {8, "リージョン　全て表示", "", editor_popup::ShowAllRegions},
    {10, "文字の色分け", "", editor_popup::Recolour},
    {12, "ＣＳＳビルダー", "", editor_popup::ShowCssBuilder},
    {13, "ＣＳＳ　リスト表示", "", editor_popup::ListStyleClasses},
};
const MenuItemText StylePopupItems[] = {
    {0, "項目リスト", "", style_popup::ListStyleClasses},
    {2, "元に戻す", "", style_popup::Undo},
    {4, "切り取り", "", style_popup::Cut},
    {5, "コピー", "", style_popup::Copy},
    {6, "貼り付け", "", style_popup::Paste},
};
const MenuItemText Edit2Items[] = {
    {1, "スペースの挿入", "F1", edit2_menu::InsertSpace},
    {2, "改行挿入", "F2", edit2_menu::InsertLineBreak},
    {3, "-", ""},
    {4, "段落設定 (<P> </P>)", "F3", edit2_menu::InsertAlignedParagraph},
    {5, "位置設定 (<DIV> </DIV>", "F4", edit2_menu::InsertAlignedDivision},
    {6, "-", ""},
    {7, "文字を大きく", "F5", edit2_menu::LargerText},
    {8, "文字を小さく", "F6", edit2_menu::SmallerText},
    {9, "太字(ボールド)", "F7", edit2_menu::Bold},
    {10, "-", ""},
    {11, "色パレット表示", "F8", edit2_menu::ShowColourPicker},
    {12, "タグ辞典を表示", "F9", edit2_menu::ShowTagDictionary},
    {13, "-", ""},
    {14, "文法チェック", "F12", edit2_menu::CheckGrammar},
    {15, "-", ""},
    {16, "リージョンの説明表示", "", edit2_menu::ShowRegionHelp},
    {17, "リージョン 選択範囲　表示", "Shift+F1", edit2_menu::ShowOnlySelection},
    {18, "リージョン 選択範囲　非表示", "Shift+F2", edit2_menu::HideSelection},
    {19, "-", ""},
    {20, "リージョン 全て　　　　表示", "Shift+F3", edit2_menu::ShowAllRegions},
    {21, "リージョン 選択部分  表示", "Shift+F4", edit2_menu::ShowHiddenPart},
    {22, "-", ""},
    {23, "ヘッダー、フッター 　 非表示", "Shift+F5", edit2_menu::HideHeaderAndFooter},
    {24, "ヘッダー、フッター　　表示", "Shift+F6", edit2_menu::ShowHeaderAndFooter},
    {25, "-", ""},
    {26, "インデント実行", "", edit2_menu::Indent},
    {27, "インデント解除", "", edit2_menu::RemoveIndent},
    {28, "インデント設定", "", edit2_menu::IndentSettings},
};
const ToolbarButtonText ToolbarButtons[] = {
    {"新規挿入", "新規のタブセットを挿入します", toolbar::NewDocument},
    {"開く", "ファイルを開く", toolbar::Open},
    {"閉じる", "現在のタブを閉じる", toolbar::Close},
    {"上書き保存", "上書き保存", toolbar::Save},
    {"印刷", "印刷", toolbar::Print},
    {"元に戻す", "元に戻す", toolbar::Undo},
    {"切り取り", "切り取り", toolbar::Cut},
    {"ｺﾋﾟｰ", "ｺﾋﾟｰ", toolbar::Copy},
    {"貼り付け", "貼り付け", toolbar::Paste},
    {"検索", "検索", toolbar::Search},
    {"改行", "改行マークの挿入", toolbar::InsertLineBreak},
    {"タグ", "タグ辞典", toolbar::TagDictionary},
    {"太字", "太字", toolbar::Bold},
    {"斜体", "斜体", toolbar::Italic},
    {"下線", "下線", toolbar::Underline},
    {"文字大", "文字を大きくする", toolbar::LargerText},
    {"文字少", "文字を小さくする", toolbar::SmallerText},
    {"左揃え", "左揃え", toolbar::AlignLeft},
    {"中央揃え", "中央揃え", toolbar::Centre},
    {"右揃え", "右揃え", toolbar::AlignRight},
    {"色の設定", "「カラーペルモア」の起動", toolbar::ColourPicker},
    {"画像", "画像挿入", toolbar::Image},
    {"音楽", "音楽の挿入", toolbar::BackgroundSound},
    {"ブラウザー", "ブラウザー表示", toolbar::Browser},
    {"貼", "ダイレクト貼り付け", toolbar::PasteMode},
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
        c.id = item.id;
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

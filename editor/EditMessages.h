#pragma once

#include "platform/SharedConstants.h"

#include <QString>

// The texts that the editing commands show, in one place.
namespace editmsg {

// Commands that act on the selection and find none (OK button).
inline const QString NoSelection = QStringLiteral("範囲が指定されていません");

// The special-character conversion on a text that looks like HTML (Yes/No).
inline const QString SpecialCharsQuestion = QStringLiteral("このモードは　<  や  > を特殊なタグに変換します。") + CrLf
    + QStringLiteral("このモードはHTMLに使用するのではなく、TXTファイルに使用します。") + CrLf
    + QStringLiteral("HTMLファイルには使用しないで下さい。") + CrLf + QStringLiteral("処理を続けますか?");

// Clear all (Yes/No).
inline const QString ClearAllQuestion = QStringLiteral("全てのテキストを削除します。");

// The direct search from the preview (OK button); the not-found message is followed by the text.
inline const QString DirectSearchNoText = QStringLiteral("文字を選択して、コピーをして下さい。");
inline const QString DirectSearchNotFound = QStringLiteral("検索文字が見つかりません。") + QStringLiteral(" 検索文字 = ");

// The toolbar's browser button (OK button); the page's path follows on the next line.
inline const QString BrowserPageNotWritten = QStringLiteral("ブラウザーで表示する一時ファイルが書き込めませんでした。フォルダーがあるか、書き込めるかを確かめてください。");
inline const QString BrowserNotStarted = QStringLiteral("ブラウザーを起動できませんでした。");

// The grammar check.
inline const QString KanaQuestion = QStringLiteral("半角カタカナがあります、全て置換しますか");
inline const QString BracketMissing = QStringLiteral("<が有りません。");
inline const QString BlankAfterBracket = QStringLiteral("< と文字の間に空白があります");
// "<" + name + "のエンドタグ " + "</" + name + ">が有りません。"
inline QString missingEndTag(const QString& name)
{
    const QString tag = QStringLiteral("<") + name;
    return tag + QStringLiteral("のエンドタグ ") + QStringLiteral("</") + name + QStringLiteral(">が有りません。");
}

// Explanations of the search, replace and line-length panels.
inline const QString SearchPanelExplanation = QStringLiteral("テキストボックスの中の文字を検索します")
    + QStringLiteral("「一つずつ検索」は見つかった文字を一つずつ選択します。") + CrLf
    + QStringLiteral("「全部検索」は見つかった文字を全て赤で表示します。");
inline const QString ReplacePanelExplanation = QStringLiteral("テキストボックスの中の文字を検索し置換します。")
    + QStringLiteral("「一つずつ置換」は「次を探す」で見つけた文字を一つずつ置換します。") + CrLf
    + QStringLiteral("「一斉置換」は見つかった文字を全て一度に置換します。");

} // namespace editmsg

#pragma once

#include <QString>

// The explanation texts of the colour picker and the tag dictionary.
namespace toolwindow_texts {

// The picker's "説明" page.
QString colourPickerExplanation();
// The basic-colours mode's note beside its sliders.
QString basicColoursExplanation();
// The tag dictionary's explanation box before a tag is clicked.
QString tagDictionaryGreeting();
// The tag look-up when no dictionary entry holds the selected name (OK button).
inline const QString TagNotInDictionary = QStringLiteral("選択された文字はタグ辞典には登録されていません。");

} // namespace toolwindow_texts

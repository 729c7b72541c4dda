#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Scanning helpers that the steps of automatic creation share. Texts are CR LF texts; positions
// are 0-based indexes into the QString.
namespace autocreate {

// A stretch of a text: 0-based start and length.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The text cut after every line feed; each piece keeps its line end. The piece after the last
// line feed (empty when the text ends with one) is the last element.
QList<QStringView> splitAfterLineFeeds(QStringView text);

// The line without its line end (CR LF, or a lone LF).
QStringView withoutLineEnd(QStringView line);

// The view without U+0020 blanks at both ends (tabs and the ideographic space stay).
QStringView trimBlanks(QStringView s);

// True for a line that is CR LF once blanks are trimmed from both ends (a lone LF counts too).
bool isEmptyLine(QStringView line);

// The page body: from behind the ">" of the first "<BODY" (any case) up to "</BODY>" (any case).
// A text without those tags gives the whole text.
TextRange bodyRange(const QString& text);

// The 0-based index of the first unescaped occurrence of `upperWord` in `upperText` at or after
// `from`, -1 when there is none. An occurrence right behind a backslash is escaped and skipped.
// `upperText` is the text with ASCII letters in capitals; `upperWord` is written in capitals.
qsizetype findUnescaped(const QString& upperText, const QString& upperWord, qsizetype from);

// Index of the first CR or LF at or after `from`, or the text's length.
qsizetype lineEndAt(QStringView text, qsizetype from);

} // namespace autocreate

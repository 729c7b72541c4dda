#pragma once

#include "editor/EditResult.h"

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

// The grammar check: half-width katakana, angle brackets and missing end tags.

// U+FF61 to U+FF9F: the half-width katakana and their punctuation.
bool isHalfWidthKana(QChar c);
// The full-width character a half-width one stands for (the voiced marks as the full-width marks
// U+309B and U+309C); any other character comes back as it is.
QChar fullWidthKana(QChar c);
// The half-width katakana of the text, runs of neighbours as one range.
QList<MarkRange> halfWidthKanaRuns(const QString& text);
// Every half-width katakana replaced by its full-width counterpart, one character for one, so
// that positions stay as they were.
QString widenKana(const QString& text);

// A problem that the message panel shows, with the range it marks red over a text painted blue.
struct CheckFinding {
    QString message;
    MarkRange mark;
    friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

// The angle-bracket scan: a "<" inside an open tag stops it with "<が有りません。" (marked from
// after the open "<" through the second "<"); a blank right after a "<" gives
// "< と文字の間に空白があります" (marked: the blank) and the scan goes on, a later finding
// replacing it. "<!" opens no tag. A tag still open at the end is not reported.
std::optional<CheckFinding> checkBracket(const QString& text);

// The end-tag scan over html, head, body, title, address, span, div, p, nobr, pre, em, strong,
// sup, sub, comment, font and center (letter case ignored; "<" + name opens, also as the start of
// a longer name, "</" + name + ">" closes): the first of them left open, its name marked.
std::optional<CheckFinding> checkEndTag(const QString& text);

// The three scans over one text, in the order the check runs them.
struct GrammarReport {
    QList<MarkRange> kana;               // non-empty: ask the question
    std::optional<CheckFinding> bracket;
    std::optional<CheckFinding> endTag;
    // What the panel finally shows (the end-tag finding replaces the bracket finding), if anything.
    std::optional<CheckFinding> shown() const;
    // The red ranges that stay over the blue text: the shown finding's, else the katakana.
    QList<MarkRange> redMarks() const;
};
GrammarReport grammarCheck(const QString& text);

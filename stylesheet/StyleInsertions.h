#pragma once

#include <QString>
#include <optional>

// What the stylesheet menu and the link panel put into a page, as functions of the page's text.
// Positions count characters of the text from 0, a line break being the two characters CR LF.
namespace css {

// Text that goes in at a position; nothing is removed.
struct TextInsert {
    int at = 0;
    QString text;
    friend bool operator==(const TextInsert&, const TextInsert&) = default;
};

// A wrap of the range [start, start + length) in `before` and `after`.
struct TextWrap {
    int start = 0;
    int length = 0;
    QString before;
    QString after;
    friend bool operator==(const TextWrap&, const TextWrap&) = default;
};

// Where the first "</HEAD>" starts, in any letter case; -1 when there is none.
int headEnd(const QString& text);

// The page's own STYLE block, put right before "</HEAD>" (on a line of its own). Nothing when the
// page has a style block already ("STYLE TYPE" in any case) or no "</HEAD>".
std::optional<TextInsert> pageStyleBlock(const QString& text);

// A SPAN with an empty STYLE attribute around the selection. At the start of a line (or of the
// text) the tags stand on lines of their own; a line break that ends the selection stays behind
// the end tag.
TextWrap scopedSpan(const QString& text, int selStart, int selLength);

// Where an attribute goes into the first start tag of the selection: the position of the ">"
// that closes it. The selection, without the blanks and line breaks around it, must begin with
// "<" and end with ">"; nothing when it does not or holds no start tag.
std::optional<int> startTagClose(const QString& text, int selStart, int selLength);

// The selection without blanks, tabs and line breaks at either end.
QString trimmedSelection(const QString& text, int selStart, int selLength);

// " STYLE=" + the quoted blank: the attribute that the inline style command writes.
QString inlineStyleAttribute();

// The element that links a page to a stylesheet, with the line break behind it.
QString linkLine(const QString& file);
// The file of the link panel's box: the box as it stands, or "*.css" while it is blank.
QString linkFile(const QString& box);
// The link into one page, before its "</HEAD>"; nothing when there is none.
std::optional<TextInsert> linkInsert(const QString& text, const QString& file);
// A page that may be linked by "link all": it has a head and its end, and no LINK REL yet.
bool linkableInAll(const QString& text);

// The name of a new stylesheet from the name box: trimmed, with ".css" added unless it ends in
// ".css" in any case.
QString stylesheetName(const QString& box);
// A name that cannot be a file of the document's folder (it names a folder on the way).
bool badStylesheetName(const QString& name);

} // namespace css

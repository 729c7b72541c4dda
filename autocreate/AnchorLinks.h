#pragma once

#include <QString>
#include <optional>

namespace autocreate {

// The list of links to a page's own anchors and where it goes: in front of the line break that
// ends the line before the first "<A name=" (exact case). For every anchor "<A name=" ... "</A>"
// in text order one line: the anchor's start tag turned into a link ("A name=" and a double quote
// become "A href=", a double quote and "#"), its text, "</A><BR>" and CR LF. Nothing comes back
// when the text has no anchor, its first anchor stands on the first line, or an anchor has no
// "</A>".
struct AnchorLinkList {
    qsizetype at = 0;  // 0-based position of the insertion
    QString links;
};
std::optional<AnchorLinkList> anchorLinkList(const QString& text);

// The text with that list inserted.
std::optional<QString> makeAnchorLinks(const QString& text);

} // namespace autocreate

#pragma once

#include <QString>
#include <optional>

namespace autocreate {

// Puts a list of links to the page's own anchors in front of the line break that ends the line
// before the first "<A name=" (exact case): for every anchor "<A name=" ... "</A>" in text order
// one line, the anchor's start tag turned into a link ("A name=" and a double quote become
// "A href=", a double quote and "#"), its text, "</A><BR>" and CR LF. Nothing comes back when the
// text has no anchor, its first anchor stands on the first line, or an anchor has no "</A>".
std::optional<QString> makeAnchorLinks(const QString& text);

} // namespace autocreate

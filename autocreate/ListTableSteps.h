#pragma once

#include <QList>
#include <QString>
#include <functional>

// Lists and tables written with pseudo-tags: "&lt;項目&gt;" ... "&lt;/項目&gt;" and
// "&lt;表&gt;" ... "&lt;/表&gt;" (ASCII letters in any case), a backslash in front keeping a
// pseudo-tag as text.
namespace autocreate {

// The HTML that stands in place of the given lines (whole lines, each ending with CR LF, as they
// stand between the pseudo-tags); an empty result leaves nothing in their place.
using BlockGenerator = std::function<QString(const QString& lines)>;

// Hands the lines between each pair of list pseudo-tags to the list generator and removes the
// pseudo-tags, then puts every rule that follows other text on a line of its own. The lines
// strictly between the pseudo-tags' lines are the items, each without the half-width and
// ideographic spaces at its start; what else stands on a pseudo-tag's line stays there, unless it
// is only "<BR>". An opening pseudo-tag without a closing one after it
// ends the step there, leaving the rest as it is and skipping the rule pass.
QString autoItems(const QString& text, const BlockGenerator& makeList);

// The same with tables, a line a row (the blanks at a row's start are no part of its first cell),
// then closes a paragraph that is open where a table starts in front of
// the table and drops that paragraph's own end tag behind it.
QString autoTables(const QString& text, const BlockGenerator& makeTable);

// What a line of a text as typed (its pseudo-tags still written with "<" and ">") is to the list
// and table blocks that the steps above will make of it.
enum class BlockLine {
    Outside,    // no part of a block
    PseudoTag,  // holds a list or table pseudo-tag, opening or closing
    Inside,     // between an opening pseudo-tag's line and its closing one's
};

// One role per line of the typed text, the lines cut after each line feed (the piece after the
// last line feed is a line too). Openings and closings pair up as the steps pair them.
QList<BlockLine> typedBlockLines(const QString& typedText);

} // namespace autocreate

#pragma once

#include "stylesheet/StyleInsertions.h"

#include <QString>
#include <QStringList>
#include <optional>

// The class and ID list: the selectors a page can use, and what choosing one does to the
// editor's selection.
namespace css {

// The HREF of the first LINK element of the page whose REL names a stylesheet, in its own case;
// nothing when there is none.
std::optional<QString> linkedStylesheet(const QString& page);
// A link to another machine ("http:", "https:", "//..."), which is not read.
bool isRemoteLink(const QString& href);
// The path of a linked stylesheet: relative links are taken from the page's folder.
QString linkedStylesheetPath(const QString& href, const QString& pageFolder);

// The text of the page's first STYLE block, trimmed, without tabs and ideographic spaces; empty
// when the page has none or it is not closed.
QString styleBlock(const QString& page);

// The list's entries: the selector of every rule line of the stylesheet and then of the style
// block (the text before the "{", a blank in front of it kept), comment lines left out, then
// "SPAN style" and "SPAN class".
QStringList classEntries(const QString& stylesheet, const QString& block);

// What choosing an entry does to the editor's selection.
struct ClassEdit {
    enum class Kind {
        Message,   // show `message`; nothing changes
        Insert,    // `insert`: an attribute put into the selected tag, unpainted
        Wrap,      // `wrap`: the selection wrapped, the tags painted
    } kind = Kind::Message;
    QString message;
    TextInsert insert;
    TextWrap wrap;
};
ClassEdit applyClassEntry(const QString& text, int selStart, int selLength, const QString& entry);

} // namespace css

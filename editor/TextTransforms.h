#pragma once

#include "editor/EditResult.h"

#include <QString>
#include <optional>

// The text transformations of the Edit and Edit-2 menus and the body selection.

// Every "<BR>" of the selection removed, in any mix of letter case; nullopt without a selection.
std::optional<EditResult> removeBrMarks(const QString& text, const Selection& selection);

// Every CR LF of the selection preceded by "<BR>"; nullopt without a selection.
std::optional<EditResult> brMarksAtLineEnds(const QString& text, const Selection& selection);

// "<BR>" put in front of the selection, the caret right behind it; nullopt while the caret stands
// at 0. A caret inside a region marker puts the mark behind the marker, which stays whole.
std::optional<EditResult> insertBrMark(const QString& text, const Selection& selection);

// The position itself, or the end of the region marker ("<!--Reg" + three digits + "-->") that
// it stands inside of.
int outsideRegionMarker(const QString& text, int pos);

// Tag and attribute names in upper case (mode 1) or lower case (any other mode). Values, quoted
// or not, text between tags and comments (region markers among them) keep their letters. A tag
// runs from a "<" followed by a letter, "/" and a letter, "!" or "?" to the first ">", with no
// other "<" between them. The length of the text does not change.
QString changeTagCase(const QString& text, int mode);

// "&", the double quote, "<" and ">" written as "&amp;", "&quot;", "&lt;" and "&gt;"; and back,
// with the entity names in any letter case. Each is one pass, so "&amp;lt;" decodes to "&lt;".
QString encodeEntities(const QString& s);
QString decodeEntities(const QString& s);

// The entity conversion of the Edit menu: the selection when there is one, else the whole text;
// mode 0 encodes, any other mode decodes. The caret ends behind a converted selection, and keeps
// its place when the whole text was converted.
EditResult convertEntities(const QString& text, const Selection& selection, int mode);

// What the Edit menu's special-character item does before it converts.
enum class SpecialCharsAction {
    ConvertSelection, // a selection: convert it
    AskFirst,         // no selection, the text looks like HTML: ask, and convert all on Yes
    Nothing,          // no selection, no HEAD or BR tag
};
SpecialCharsAction specialCharsAction(const QString& text, const Selection& selection);

// The direct search from the preview: the clipboard's text without any CR or LF, looked up in the
// source exactly. Found: `word` is what the search panel searches for. Otherwise `message`
// says why.
struct DirectSearchStep {
    QString word;
    QString message;
};
DirectSearchStep directSearch(const QString& clipboardText, const QString& text);

// What lies between the body start tag and "</BODY>" (letter case ignored), line breaks
// included; the whole text when either is missing.
Selection selectBody(const QString& text);

// Every CR LF pair removed; a lone CR or LF stays.
QString removeLineBreaks(const QString& text);

// Every tab character removed.
QString removeTabs(const QString& text);

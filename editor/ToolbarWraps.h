#pragma once

#include "editor/EditResult.h"

#include <QString>
#include <array>
#include <optional>

// The tags that the toolbar's style, size and alignment buttons and the paste mode put around the
// selection. Each answer is a wrap for the marking insertion (both pieces painted, the caret after
// the first), or nullopt when the button inserts nothing.

// Mode 1 bold, 2 italic, 3 underline. Nothing without a selection; line breaks at the selection's
// end stay outside the tags.
std::optional<Wrap> textStyleWrap(int mode, const QString& text, const Selection& selection);

// Mode 1 one size bigger, 2 one size smaller; as the style wrap otherwise.
std::optional<Wrap> fontSizeWrap(int mode, const QString& text, const Selection& selection);

// Mode 1 left, 2 centre, 3 right: the attribute in front of the selection (the user places the
// caret inside a start tag). Nothing while the caret stands at 0.
std::optional<Wrap> alignWrap(int mode, const Selection& selection);

// The paste mode's split of the clipboard's text: trimmed of blanks, then cut before each "<"
// into at most three parts (the text from a fourth "<" on is dropped); a text that does not start
// with "<" is part 1 as a whole. Parts 1 and 2 come back trimmed of blanks.
std::array<QString, 3> splitPasteText(const QString& clipboardText);

// What one paste tick does with the clipboard's text: nullopt when the text is blank; otherwise
// the selection wrapped in parts 1 and 2, line breaks at its end left outside.
std::optional<Wrap> pasteWrap(const QString& clipboardText, const QString& text, const Selection& selection);

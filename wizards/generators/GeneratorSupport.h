#pragma once

#include "platform/ControlRegistry.h"
#include "wizards/generators/GeneratedEdit.h"

#include <QString>

#include <optional>

// Pieces that many generators share.
namespace gen {

// The floating mini panel, which several generators hide or show.
ControlRef miniPanel();

// Quote + value + Quote.
QString quoted(const QString& value);

// Position (from 0) of the first tag in the text, letters compared in ASCII upper case; -1 when
// it does not occur. upperTag is written in upper case.
int findTag(const QString& text, const QString& upperTag);

// Length of the line break that ends the text: 2 for CR LF, 1 for a lone LF, else 0.
int trailingLineBreak(const QString& text);

// The box's leading number divided by mmPerPixel, rounded half to even. Empty when the
// pixel number does not fit a 32-bit signed integer.
std::optional<long long> toPixels(const QString& box, double mmPerPixel);

// The millimetre factors of the panels.
inline constexpr double MmPerPixel = 0.35;
inline constexpr double MmPerPixelMarquee = 0.34;
inline constexpr double MmPerPixelFrameBorder = 0.34;

// Shown when a millimetre box holds a number too large to write.
QString tooLargeMessage();

// Shown when a generator that writes into the body start tag finds none.
QString noBodyMessage();

// A missing head tag: what the tag is for, then the request to insert the skeleton first.
QString insertSkeletonFirst(const QString& firstLine);

// A result that only shows a message (OK button) and changes the panels listed.
GeneratedEdit messageOnly(const QString& text, QList<ControlRef> hide = {}, QList<ControlRef> show = {});

// A wrap of the current selection through WrapMarked; the panels listed are hidden.
GeneratedEdit selects(const QString& before, const QString& after, QList<ControlRef> hide);

// The same wrap with the generator's own snapshot. With keepLineBreakOutside a line break that
// ends the selection stays behind the end text.
GeneratedEdit wrapSelection(const EditorState& editor, const QString& before, const QString& after,
                            QList<ControlRef> hide, bool keepLineBreakOutside = false);

// Inserts text, unpainted, at the position `at` with the generator's own snapshot and leaves it
// selected; the panels listed are hidden.
GeneratedEdit insertSelected(int at, const QString& text, QList<ControlRef> hide);

} // namespace gen

#pragma once

#include "platform/StateValue.h"

#include <QColor>
#include <QtGlobal>

class RichEdit;
class Workspace;

// The colours of one scheme: the text before the first tag, tags, text after a tag, quoted
// attribute values, and the editor's ground.
struct SchemeColours {
    QColor defaultColour;
    QColor tag;
    QColor text;
    QColor value;
    QColor back;
};

// Schemes 1 to 4 (Ａ to Ｄ).
SchemeColours schemeColours(int scheme);

// One pass over the text: styles[i] receives the colour index (0 to 3) of byte i. Only "<", ">"
// and the double quote change the colour, so the scan works on UTF-8 bytes as they are.
void colourScan(const char* text, qsizetype length, char* styles);

// Syntax colouring of the editors. It holds the colour scheme that the font menu chooses; every
// rebuild reads it.
class Colouring {
public:
    explicit Colouring(Workspace& workspace);

    // The colour scheme, 1 to 4 (Ａ to Ｄ).
    IntState scheme{1};
    int checkedScheme() const { return scheme.value(); }
    // Recolours the whole text of an editor in the checked scheme and sets its ground; the red
    // paint of inserted tags is cleared. The text and its modified flag are not touched.
    void recolour(RichEdit* editor);
    // Recolours the current document, keeping its caret and first visible line.
    void recolourCurrent();

    // While valid, an editor coloured in scheme Ａ, Ｂ or Ｃ gets this ground instead of the
    // scheme's (paste mode); scheme Ｄ keeps its black ground, so that its white text stays
    // readable.
    void setGroundTint(const QColor& tint) { tint_ = tint; }
    QColor groundTint() const { return tint_; }

private:
    Workspace& ws;
    QColor tint_;
};

#pragma once

#include <QColor>
#include <QtGlobal>

class fomPelmor;
class RichEdit;

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

// Syntax colouring of the editors.
class Colouring {
public:
    explicit Colouring(fomPelmor& window) : w(window) {}

    // The first checked scheme item, 1 to 4, or 0 when none is checked.
    int CheckedScheme() const;
    // Recolours the whole text of an editor in the checked scheme and sets its ground; the red
    // paint of inserted tags is cleared. The text and its modified flag are not touched.
    void Setcolor2(RichEdit* editor);
    // Recolours the current document, keeping its caret and first visible line.
    void ResetColor();

private:
    fomPelmor& w;
};

#include "editor/Colouring.h"

#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

SchemeColours schemeColours(int scheme)
{
    const QColor ground(238, 238, 255);
    switch (scheme) {
    case 1:
        return {QColor(0, 0, 0), QColor(0, 0, 200), QColor(100, 0, 100), QColor(180, 0, 0), ground};
    case 2:
        return {QColor(0, 0, 0), QColor(0, 0, 255), QColor(0, 0, 128), QColor(180, 0, 0), ground};
    case 3:
        return {QColor(0, 0, 0), QColor(180, 0, 180), QColor(0, 0, 100), QColor(200, 0, 0), ground};
    case 4:
        // Text in front of the first tag is shown like the text after a tag, readable on black.
        return {QColor(255, 255, 255), QColor(0, 0, 255), QColor(255, 255, 255), QColor(255, 0, 0), QColor(0, 0, 0)};
    default:
        return {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0), QColor()};
    }
}

void colourScan(const char* text, qsizetype length, char* styles)
{
    bool inTag = false;
    bool inQuote = false;
    char current = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '<') {
            current = 1;
            inTag = true;
            styles[i] = current;
        } else if (c == '>') {
            styles[i] = current;
            current = 2;
            inTag = false;
        } else if (c == '"') {
            if (inTag && !inQuote) {
                styles[i] = current;
                current = 3;
                inQuote = true;
            } else if (!inTag && inQuote) {
                current = 2;
                styles[i] = current;
                inQuote = false;
            } else if (inTag && inQuote) {
                current = 1;
                styles[i] = current;
                inQuote = false;
            } else {
                styles[i] = current;
            }
        } else {
            styles[i] = current;
        }
    }
}

Colouring::Colouring(Workspace& workspace)
    : ws(workspace)
{
    // A file's text is coloured as soon as it is in its editor.
    QObject::connect(&ws, &Workspace::textLoaded, &scheme, [this](int n) { recolour(ws.sourceEditor(n)); });
}

void Colouring::recolour(RichEdit* editor)
{
    if (!editor)
        return;
    const int scheme = checkedScheme();
    const SchemeColours c = schemeColours(scheme);
    QColor back = c.back;
    if (scheme == 0)
        back = editor->backgroundColour();
    else if (scheme != 4 && tint_.isValid())
        back = tint_;
    editor->setStyleColours(c.defaultColour, c.tag, c.text, c.value, back);
    editor->clearPaint();
    editor->restyleAll(colourScan);
}

void Colouring::recolourCurrent()
{
    RichEdit* ed = ws.currentEditor();
    const int top = ed->firstVisibleLine();
    const int caret = ed->selectionStart();
    recolour(ed);
    ed->setSelectionStart(caret);
    ed->setFirstVisibleLine(top);
}

#pragma once

#include <QFont>
#include <functional>

class Colouring;
class CommandRegistry;
class ControlRegistry;
class Workspace;

// The font menu: the editor font, the four colour schemes and the font of the lesson panel's
// explanation box.
class EditorFonts {
public:
    EditorFonts(Workspace& workspace, Colouring& colouring, ControlRegistry& controls);

    // Declares the items of the font menu.
    void declareMenu(CommandRegistry& commands);
    // Asks for the editor font; the first document's is stored.
    void chooseEditorFont();
    // Colour scheme 1 to 4 (Ａ to Ｄ) for the current editor, stored; caret and scroll stay.
    void applyColourScheme(int scheme);
    // Asks for the font of the lesson panel's explanation box and hands it to
    // explanationFontChosen, which the shell fills in with the panel's owner.
    void chooseExplanationFont();
    std::function<void(const QFont&)> explanationFontChosen;
    void reapplyColourScheme();
    // The first editor's font from the settings.
    void applyStoredFont();

private:
    // A new document's editor takes the first editor's font and the scheme.
    void prepareNewDocument(int n);
    Workspace& ws;
    Colouring& colour;
    ControlRegistry& controls;
};

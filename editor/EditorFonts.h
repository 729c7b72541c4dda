#pragma once

class Colouring;
class CommandRegistry;
class ControlRegistry;
class Workspace;

// The font menu `Mefont1`: the editor font, the four colour schemes and the font of the lesson
// panel's explanation box.
class EditorFonts {
public:
    EditorFonts(Workspace& workspace, Colouring& colouring, ControlRegistry& controls);

    // Declares the items of the font menu.
    void declareMenu(CommandRegistry& commands);
    void Mefont1_Click(int index);
    void reapplyColourScheme();
    // The first editor's font from the settings.
    void applyStoredFont();

private:
    void SetEditorFont();
    void SetSetumeiFont();
    // A new document's editor takes the first editor's font and the scheme.
    void prepareNewDocument(int n);
    Workspace& ws;
    Colouring& colour;
    ControlRegistry& controls;
};

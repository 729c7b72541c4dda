#pragma once

class fomPelmor;

// The font menu: the editor font, the four colour schemes and the font of the lesson panel.
class EditorFonts {
public:
    explicit EditorFonts(fomPelmor& window) : w(window) {}

    void Mefont1_Click(int index);
    void ReapplyColorScheme();

private:
    void SetEditorFont();
    void SetSetumeiFont();
    fomPelmor& w;
};

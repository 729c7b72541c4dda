#pragma once

struct EditContext;
class EditorFonts;
class GrammarPanel;
class PanelKit;
class Regions;
class ToolbarButtons;

// The Edit-2 menu `hen2`: function-key tag insertions and the document-wide tools (grammar
// check, regions, header and footer, re-indenting).
class Edit2Menu {
public:
    Edit2Menu(EditContext& context, ToolbarButtons& toolbar, GrammarPanel& grammar, Regions& regions, EditorFonts& fonts,
              PanelKit& panels);

    // Declares the items of the menu "hen2" (the shell creates the menu itself).
    void declareMenu();
    // An item of the menu; index 10, a separator in the menu, re-applies the colour scheme.
    void hen2_Click(int index);
    // Re-indents the whole text of the current document.
    void IndentHtml();
    void ShowLineLengthPanel();

private:
    EditContext& ctx;
    ToolbarButtons& toolbar;
    GrammarPanel& grammar;
    Regions& regions;
    EditorFonts& fonts;
    PanelKit& panels;
};

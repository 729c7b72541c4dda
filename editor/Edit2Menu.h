#pragma once

#include <functional>

struct EditContext;
class EditorFonts;
class GrammarPanel;
class PanelKit;
class Regions;
class ToolbarButtons;

// The Edit-2 menu: function-key tag insertions and the document-wide tools (grammar
// check, regions, header and footer, re-indenting).
class Edit2Menu {
public:
    Edit2Menu(EditContext& context, ToolbarButtons& toolbar, GrammarPanel& grammar, Regions& regions, EditorFonts& fonts,
              PanelKit& panels);

    // Declares the items of the Edit-2 menu (the shell creates the menu itself).
    void declareMenu();
    // The colour scheme again over the whole text, which clears the red marks.
    void reapplyColourScheme();
    // Re-indents the whole text of the current document.
    void reindentHtml();
    void showLineLengthPanel();
    // Opens the indent panel for the line length; the wizards own it, and the shell fills this in.
    std::function<void()> openLineLengthPanel;

private:
    // Removes every tab; the caret keeps its place in the text without them.
    void removeIndentation();
    EditContext& ctx;
    ToolbarButtons& toolbar;
    GrammarPanel& grammar;
    Regions& regions;
    EditorFonts& fonts;
    PanelKit& panels;
};

#pragma once

#include "editor/HelpViewer.h"

#include <QObject>

struct EditContext;
class EditorFonts;
class GrammarPanel;
class PanelKit;
class Regions;
class ToolbarButtons;

// The Edit-2 menu: function-key tag insertions and the document-wide tools (grammar
// check, regions, header and footer, re-indenting). What the menu asks of the subsystems above
// the editor it signals; the shell connects each request to the subsystem that does it.
class Edit2Menu : public QObject {
    Q_OBJECT

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

Q_SIGNALS:
    // The guided panels' non-breaking space, aligned paragraph and aligned division.
    void spaceRequested();
    void alignedParagraphRequested();
    void alignedDivisionRequested();
    void colourPickerRequested();
    void tagDictionaryRequested();
    void helpPageRequested(HelpPage page);
    // The indent panel, which the wizards own, for the line length.
    void lineLengthPanelRequested();

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

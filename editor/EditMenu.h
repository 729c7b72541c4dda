#pragma once

#include "editor/EditResult.h"
#include "editor/HelpViewer.h"

#include <QObject>
#include <functional>
#include <optional>

struct EditContext;
class PasteMode;
class SearchPanels;

// The Edit menu `edit` and the commands behind it that the toolbar and the popup menus share:
// undo, the clipboard, line-break marks, tag case, entities, clearing, selecting the body and
// the direct search from the preview. What the menu asks of the subsystems above the editor it
// signals; the shell connects each request to the subsystem that does it.
class EditMenu : public QObject {
    Q_OBJECT

public:
    EditMenu(EditContext& context, PasteMode& pasteMode, SearchPanels& search);

    // Declares the items of the Edit menu, edit_menu (the shell creates the menu itself).
    void declareMenu();
    // The Edit menu's search item, which the toolbar shares.
    void openSearchPanel();

    void undo();
    void cutSelection();
    void copySelection();
    void deleteLineBreakTags();
    void insertLineBreakTagsInSelection();
    // Mode 1 upper case, any other lower case.
    void changeTagCase(int mode);
    void encodeSpecialCharacters();
    // Mode 0 encodes, any other mode decodes: the selection, or the whole text without one.
    void convertEntities(int mode);
    void clearAllText();
    void searchSelectedText();
    void deleteAllLineBreaks();
    // Selects what lies inside the body (the whole text without one).
    void selectBody();
    void selectAll();

Q_SIGNALS:
    // The direct search leaves the preview: its pending display is stopped.
    void previewTimerStopRequested();
    // The guided panels' non-breaking space.
    void spaceRequested();
    // Automatic creation's page around a text that has none.
    void pageSkeletonRequested();
    void helpPageRequested(HelpPage page);

private:
    // The rule of every Edit menu item: on the current document's source tab the command runs
    // and the editor's own undo buffer is emptied; on its preview tab nothing runs, except the
    // direct search (`fromPreview`).
    void runFromMenu(const std::function<void()>& command, const std::function<void()>& fromPreview = {});
    // Changes the selected text after an undo snapshot; without a selection the user is told.
    using SelectionTransform = std::optional<EditResult> (*)(const QString& text, const Selection& selection);
    void transformSelection(SelectionTransform transform);
    EditContext& ctx;
    PasteMode& paste;
    SearchPanels& search;
};

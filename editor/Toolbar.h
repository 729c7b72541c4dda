#pragma once

#include "editor/EditResult.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct EditContext;
class ColourLookup;
class DocumentFiles;
class EditMenu;
class PasteMode;
class QMenu;
class QToolBar;

// The main toolbar: document commands, undo and the clipboard, search, a few tag insertions, the
// colour picker, the browser and the paste-mode switch. Its buttons are the items of the command
// registry's menu `toolbar::Buttons` (editor/EditorMenus.h), in their order on the bar.
class ToolbarButtons {
public:
    ToolbarButtons(EditContext& context, QToolBar* bar, PasteMode& pasteMode, EditMenu& editMenu, ColourLookup& lookup,
            DocumentFiles& files);

    // A button, by the key it carries.
    void pressButton(const QString& key);

    // Mode 1 bold, 2 italic, 3 underline: the selection wrapped in the tags.
    void setTextStyle(int mode);
    // Mode 1 one size bigger, 2 one size smaller.
    void changeFontSize(int mode);
    // Mode 1 left, 2 centre, 3 right: the alignment attribute put at the caret.
    void setAlignment(int mode);
    // Writes the current document's temporary page and opens it in the desktop's browser.
    void showInBrowser();

    // The file commands of the shell; it fills them in.
    std::function<void()> openFile;
    std::function<void()> printText;

private:
    void declareButtons(QToolBar* bar);
    // Wraps a selection that is not empty in the tags of `wrapOf`, after an undo snapshot.
    using SelectionWrap = std::optional<Wrap> (*)(int mode, const QString& text, const Selection& selection);
    void wrapSelection(SelectionWrap wrapOf, int mode);
    EditContext& ctx;
    PasteMode& paste;
    EditMenu& edit;
    ColourLookup& lookup;
    DocumentFiles& files;
    QMenu* buttons_;
    std::vector<std::pair<QString, std::function<void()>>> actions_;
};

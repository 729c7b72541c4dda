#pragma once

#include "editor/EditResult.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct EditContext;
class DocumentFiles;
class EditMenu;
class PasteMode;
class QMenu;
class QToolBar;

// The main toolbar: document commands, undo and the clipboard, search, a few tag insertions, the
// colour picker, the browser and the paste-mode switch. Its buttons are the items of the command
// registry's menu `toolbar::Buttons` (editor/EditorMenus.h), in their order on the bar. What a
// button asks of the subsystems above the editor it signals; the shell connects each request.
class ToolbarButtons : public QObject {
    Q_OBJECT

public:
    ToolbarButtons(EditContext& context, QToolBar* bar, PasteMode& pasteMode, EditMenu& editMenu, DocumentFiles& files);

    // A button, by the key it carries.
    void pressButton(const QString& key);

    // Mode 1 bold, 2 italic, 3 underline: the selection wrapped in the tags.
    void setTextStyle(int mode);
    // Mode 1 one size bigger, 2 one size smaller.
    void changeFontSize(int mode);
    // Mode 1 left, 2 centre, 3 right: the alignment attribute put at the caret.
    void alignAtCaret(int mode);
    // Writes the current document's temporary page and opens it in the desktop's browser.
    void showInBrowser();

Q_SIGNALS:
    // The File menu's open and print.
    void openFileRequested();
    void printRequested();
    // The tag dictionary: the selected text looked up in it, or, with nothing selected, the
    // dictionary shown.
    void tagLookUpRequested(const QString& selectedText);
    void colourPickerRequested();
    void imagePanelRequested();
    void backgroundSoundPanelRequested();

private:
    void declareButtons(QToolBar* bar);
    // Wraps a selection that is not empty in the tags of `wrapOf`, after an undo snapshot.
    using SelectionWrap = std::optional<Wrap> (*)(int mode, const QString& text, const Selection& selection);
    void wrapSelection(SelectionWrap wrapOf, int mode);
    EditContext& ctx;
    PasteMode& paste;
    EditMenu& edit;
    DocumentFiles& files;
    QMenu* buttons_;
    std::vector<std::pair<QString, std::function<void()>>> actions_;
};

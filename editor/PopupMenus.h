#pragma once

#include "editor/EditMenuItems.h"

#include <QObject>

struct EditContext;
class EditMenu;
class QWidget;
class Regions;

// The editor's right-button popup and the stylesheet popup (editor/EditorMenus.h; the lesson
// player runs the stylesheet popup's rows). Neither empties the editor's own undo buffer. The
// rows that open the stylesheet tools signal; the shell connects them.
class PopupMenus : public QObject {
    Q_OBJECT

public:
    PopupMenus(EditContext& context, EditMenu& editMenu, Regions& regions, QWidget* host);

    // Runs the stylesheet popup's row that the lesson script names; separators and unknown rows
    // do nothing.
    void runStylePopupRow(int index);
    // A mouse button in an editor: the right one opens the editor's popup at the pointer, any
    // other hides the class/ID list.
    void onEditorMouseDown(int button);

Q_SIGNALS:
    void cssBuilderRequested();
    // The class and ID list of the page at the last right click, and its dismissal.
    void styleClassListRequested();
    void styleClassListDismissed();

private:
    ItemActions editorPopupActions();
    ItemActions stylePopupActions();
    EditContext& ctx;
    EditMenu& edit;
    Regions& regions;
};

#pragma once

#include "editor/EditMenuItems.h"

struct EditContext;
class EditMenu;
class QWidget;
class Regions;

// The editor's right-button popup `pm` and the stylesheet popup `sh` (items `sh1`, driven by the
// lesson player). Neither empties the editor's own undo buffer.
class PopupMenus {
public:
    PopupMenus(EditContext& context, EditMenu& editMenu, Regions& regions, QWidget* host);

    // Runs the stylesheet popup's row that the lesson script names; separators and unknown rows
    // do nothing.
    void runStylePopupRow(int index);
    // A mouse button in an editor: the right one opens the editor's popup at the pointer, any
    // other hides the class/ID list.
    void onEditorMouseDown(int button);

private:
    ItemActions editorPopupActions();
    ItemActions stylePopupActions();
    EditContext& ctx;
    EditMenu& edit;
    Regions& regions;
};

#pragma once

struct EditContext;
class EditMenu;
class QWidget;
class Regions;

// The editor's right-button popup `pm` and the stylesheet popup `sh` (items `sh1`, driven by the
// lesson player). Neither empties the editor's own undo buffer.
class PopupMenus {
public:
    PopupMenus(EditContext& context, EditMenu& editMenu, Regions& regions, QWidget* host);

    void pmm_Click(int index);
    void sh1_Click(int index);
    // A mouse button in editor n: the right one opens `pm` at the pointer, any other hides the
    // class/ID list.
    void HtText_MouseDown(int n, int button);

private:
    EditContext& ctx;
    EditMenu& edit;
    Regions& regions;
};

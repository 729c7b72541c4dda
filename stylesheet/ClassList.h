#pragma once

#include <QString>

class Insertion;
class PanelKit;
class QListWidget;
class UndoRing;
class Workspace;

// The class and ID list `List3(12)`: the selectors the current page can use, shown where the
// editor was last right-clicked. Choosing an entry applies it to the editor's selection.
class ClassList {
public:
    ClassList(Workspace& workspace, PanelKit& panels, UndoRing& undo, Insertion& insertion);

    // Fills the list with the current page's selectors and shows it at the last right click.
    void showClassesOfPage();
    void hideList();
    // The chosen entry applied to the current editor's selection.
    void applyChosenEntry();

private:
    QString stylesheetText();

    Workspace& ws;
    UndoRing& undo;
    Insertion& insert;
    QListWidget* list_ = nullptr;
};

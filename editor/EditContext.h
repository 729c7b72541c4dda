#pragma once

class Colouring;
class CommandRegistry;
class ControlRegistry;
class Insertion;
class UndoRing;
class Workspace;

// What the editing commands (toolbar, Edit and Edit-2 menus, popups, panels) work with: the
// documents, the undo ring, the insertion primitives, the colouring and the registries.
struct EditContext {
    Workspace& ws;
    UndoRing& undo;
    Insertion& insert;
    Colouring& colour;
    ControlRegistry& controls;
    CommandRegistry& commands;

    // Empties the current editor's own undo buffer, so that the next undo takes the ring snapshot.
    void emptyUndoBuffer() const;
};

#pragma once

#include "platform/Procedures.h"

#include <QString>
#include <QVariant>

class Colouring;
class CommandRegistry;
class ControlRegistry;
class Insertion;
class Procedures;
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
    Procedures& procs;

    // Runs a procedure of a subsystem above the editor when that subsystem is built; false when
    // nobody defined it.
    bool callIfDefined(ProcedureId id, const QVariant& argument = QVariant()) const;
    // Empties the current editor's own undo buffer, so that the next undo takes the ring snapshot.
    void emptyUndoBuffer() const;
};

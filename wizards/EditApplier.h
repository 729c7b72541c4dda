#pragma once

#include "wizards/generators/GeneratedEdit.h"

class Colouring;
class ControlRegistry;
class Insertion;
class UndoRing;
class Workspace;

// Applies what a construct generator asks for to the current document and the panels, in the
// order GeneratedEdit.h gives, through the insertion primitives.
class EditApplier {
public:
    EditApplier(Workspace& workspace, UndoRing& undo, Insertion& insertion, Colouring& colouring, ControlRegistry& controls);

    // The current editor's text and selection, as the generators read them.
    gen::EditorState editorState() const;
    // False when the user said No to the question, or nothing was to be asked; true otherwise.
    bool apply(const gen::GeneratedEdit& edit);

private:
    void writeField(const gen::FieldWrite& field);
    void setControlsVisible(const QList<gen::ControlRef>& controls, bool visible);
    Workspace& ws;
    UndoRing& undo;
    Insertion& insert;
    Colouring& colour;
    ControlRegistry& controls;
};

#pragma once

class Colouring;
class Workspace;

// Undo on two levels: the editor's own undo for what was typed since the last command, and a ring
// of ten text snapshots per document, one taken right before each command changes the text.
class UndoRing {
public:
    UndoRing(Workspace& workspace, Colouring& colouring)
        : ws(workspace)
        , colour(colouring)
    {
    }

    // Snapshot before a command's change; nothing when the text equals the document's newest
    // snapshot or while automatic creation runs.
    void takeSnapshot();
    // Snapshot before a tag-dictionary insertion: always taken, and marked so that the next undo
    // restores it without trying the editor's own undo first.
    void takeMarkedSnapshot();
    // Undo: the editor's own undo first, then one step back round the ring.
    void stepBack();

private:
    void store(bool marked);
    Workspace& ws;
    Colouring& colour;
};

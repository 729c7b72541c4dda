#pragma once

class ControlRegistry;
class Insertion;
class Workspace;

// Block-level generators: the line-break tag.
class LineBreakGenerators {
public:
    LineBreakGenerators(Workspace& workspace, Insertion& insertion, ControlRegistry& controls);

    // Puts "<BR>" in front of the selection, the caret right behind it; nothing at position 0.
    void insertLineBreak();

private:
    Workspace& ws;
    Insertion& insert;
    ControlRegistry& controls;
};

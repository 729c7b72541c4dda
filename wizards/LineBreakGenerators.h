#pragma once

class fomPelmor;

// Block-level generators: the line-break tag.
class LineBreakGenerators {
public:
    explicit LineBreakGenerators(fomPelmor& window) : w(window) {}

    // Puts "<BR>" in front of the selection, the caret right behind it; nothing at position 0.
    void InsertBr();

private:
    fomPelmor& w;
};

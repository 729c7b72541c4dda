#pragma once

class Workspace;

// Steps that prepare a document's text.
class TextPreparation {
public:
    explicit TextPreparation(Workspace& workspace) : ws(workspace) {}

    // Cleans doubled carriage returns out of the current editor; a text without them is not touched.
    void removeDoubledCarriageReturns();

private:
    Workspace& ws;
};

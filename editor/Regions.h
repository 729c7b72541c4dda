#pragma once

#include <QString>

class Colouring;
class Workspace;

// Region folding and hiding of a page's header and footer.
class Regions {
public:
    Regions(Workspace& workspace, Colouring& colouring)
        : ws(workspace)
        , colour(colouring)
    {
    }

    void foldSelection();
    void foldAllButSelection();
    void unfoldSelection();
    void unfoldAll(int n);
    void hideHeaderAndFooter();
    void showHeaderAndFooter(int n);
    // The whole text of document n (hidden header and footer put back), and the same with its
    // regions expanded.
    QString fullText(int n) const;
    QString expandedText(int n) const;

private:
    Workspace& ws;
    Colouring& colour;
};

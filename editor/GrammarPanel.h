#pragma once

#include "workspace/ExecuteButtons.h"

#include <functional>
#include <utility>
#include <vector>

struct EditContext;
class EditorFonts;
class PanelKit;

// The grammar check of the Edit-2 menu and its message panel `Frame(37)`: half-width katakana
// (a question, and on Yes each one replaced by its full-width counterpart), angle brackets and
// missing end tags. The problem found is marked red over the text painted blue; the marks stay
// while the panel is shown, and closing the panel recolours the text.
class GrammarPanel {
public:
    GrammarPanel(EditContext& context, PanelKit& panels, EditorFonts& fonts);

    // The three checks in their order, then the recolour unless a problem is shown.
    void runCheck();

    using Branch = std::function<bool()>;
    // The dispatcher's branch of the panel's close box, for the shell to install.
    std::vector<std::pair<ExecuteButton, Branch>> dispatcherBranches();

private:
    // Asks about half-width katakana; true when there were any.
    bool replaceHalfWidthKana();
    void showCheckError(int start, int length);
    EditContext& ctx;
    EditorFonts& fonts;
};

#pragma once

#include "wizards/generators/GeneratedEdit.h"

// The line break, paragraph and position generators.
namespace gen {

struct BreakInput {
    EditorState editor;
};
// "<BR>" in front of the selection, the caret right behind it; nothing at the start of the text.
// The indent panel (Frame(17)) closes.
GeneratedEdit makeBr(const BreakInput& in);

struct AlignInput {
    EditorState editor;
    // The selected option of the panel's group. The paragraph panel: 0 left, 1 centre, 2 right
    // (paragraph_panel::Alignment's places). The position panel: 5 left, 4 centre, 3 right
    // (position_panel::Alignment's places 0, 1, 2).
    int option2 = 0;
};
// The paragraph panel (Frame(24)), ExecuteButton::InsertAlignedParagraph; the Edit-2 menu's item 4.
GeneratedEdit makePAlign(const AlignInput& in);
// The position panel (Frame(25)), ExecuteButton::InsertAlignedDivision; the Edit-2 menu's item 5.
GeneratedEdit makeDivAlign(const AlignInput& in);

} // namespace gen

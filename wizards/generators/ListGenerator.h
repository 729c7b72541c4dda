#pragma once

#include "wizards/generators/GeneratedEdit.h"

namespace gen {

struct ListInput {
    EditorState editor;
    int kind = 1;   // list_panel::Kind place: 0 "マークなし", 1 "マーク付き", 2 "番号付き"
    int bullet = 1; // list_panel::Mark place: 0 disk, 1 circle, 2 square
};

// The list panel (Frame(2)), ExecuteButton::InsertList; also the list step of automatic creation. Each selected
// line gets an item tag; the list's tags are painted red and the caret ends in front of the end
// block.
GeneratedEdit makeList(const ListInput& in);

} // namespace gen

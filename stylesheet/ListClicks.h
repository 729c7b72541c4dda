#pragma once

class ClassList;
class ControlRegistry;
class CssBuilder;
class Procedures;

// The click and double-click of the panels' list array `List3`, by the list's index, offered as
// the procedures "List3_Click" and "List3_DblClick". The stylesheet lists (6, 8, 9, 12) run their
// own handlers; the rename list (3), the template list (5) and the list of the line-length box
// (11) act on their panels' controls when those panels exist. Other indexes do nothing.
class ListClicks {
public:
    ListClicks(ControlRegistry& controls, Procedures& procs, CssBuilder& builder, ClassList& classes);

    void List3_Click(int index);
    void List3_DblClick(int index);

private:
    void renameChosen();
    void templateChosen();
    void lineLengthChosen();

    ControlRegistry& controls;
    CssBuilder& builder;
    ClassList& classes;
};

#pragma once

class ClassList;
class ControlRegistry;
class CssBuilder;
class Procedures;

// The click and double-click of the panels' list array `List3`, by the list's index; the clicks
// that other layers need are offered as procedures (stylesheet/StylesheetProcedures.h). The stylesheet lists (6, 8, 9, 12) run their
// handlers here; the link list (0), the rename list (3) and the template list (5) run their own
// panels' click handling on their chosen entry; the list offered for the line-length box (11)
// puts its entry into the indent panel's line length box and closes. Lists that do not exist,
// other indexes and a list without a chosen entry do nothing.
class ListClicks {
public:
    ListClicks(ControlRegistry& controls, Procedures& procs, CssBuilder& builder, ClassList& classes);

    void List3_Click(int index);
    void List3_DblClick(int index);

private:
    void ownersClick(int index);
    void lineLengthChosen();

    ControlRegistry& controls;
    CssBuilder& builder;
    ClassList& classes;
};

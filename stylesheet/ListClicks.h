#pragma once

class ControlRegistry;
class CssBuilder;
class Procedures;

// The choices in lists that other layers take as procedures (stylesheet/StylesheetProcedures.h):
// the list offered for the indent panel's line length box puts its chosen entry into the box and
// closes; the CSS builder's value list writes its chosen value. A list that does not exist and a
// list without a chosen entry do nothing.
class ListClicks {
public:
    ListClicks(ControlRegistry& controls, Procedures& procs, CssBuilder& builder);

    void takeChosenLineLength();

private:
    ControlRegistry& controls;
};

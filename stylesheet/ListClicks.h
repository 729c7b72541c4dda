#pragma once

class ControlRegistry;
class CssBuilder;
class Procedures;

// The choices in lists of other panels that other layers run as procedures
// (stylesheet/StylesheetProcedures.h): the link list, the rename list and the template list run
// their own panels' click handling on their chosen entry; the list offered for the line-length
// box puts its entry into the indent panel's line length box and closes; the CSS builder's value list writes its chosen
// value. Lists that do not exist and a list without a chosen entry do nothing.
class ListClicks {
public:
    ListClicks(ControlRegistry& controls, Procedures& procs, CssBuilder& builder);

    void runChosenLinkListEntry();
    void runChosenRenameEntry();
    void runChosenTemplateEntry();
    void takeChosenLineLength();

private:
    ControlRegistry& controls;
};

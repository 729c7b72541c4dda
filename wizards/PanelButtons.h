#pragma once

class ControlRegistry;
class Dispatcher;
class Workspace;

// The dispatcher's branches of the construct panels' close buttons, the link panel's target
// button (3) and the line-length panel's close button (53), which stores the "Indent" setting.
// The execute buttons get their branches from the generators.
class PanelButtons {
public:
    PanelButtons(Workspace& workspace, ControlRegistry& controls, Dispatcher& dispatcher);

    // 3: choose the link target; the link is inserted at once. False when it leaves at once.
    bool chooseLinkTarget();
    // 53: the indent panel's line length is kept in the settings.
    void storeLineLength();
    // At start: the indent panel's box shows the line length kept in the settings.
    void loadLineLength();

private:
    Workspace& ws;
    ControlRegistry& controls;
    Dispatcher& dispatcher;
};

// The list offered for the indent panel's line length box: its chosen entry goes into the box and
// the list hides. A list that does not exist and a list without a chosen entry do nothing.
void takeChosenLineLength(ControlRegistry& controls);

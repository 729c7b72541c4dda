#pragma once

class ControlRegistry;

// The chosen entry of the rename panel's name list and of the template list runs that panel's
// click handling, as a click on it does. A list that does not exist and a list without a chosen
// entry do nothing.
class ChosenListEntries {
public:
    explicit ChosenListEntries(ControlRegistry& controls);

    void runChosenRenameEntry();
    void runChosenTemplateEntry();

private:
    ControlRegistry& controls;
};

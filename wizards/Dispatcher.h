#pragma once

#include "platform/ControlRegistry.h"
#include "workspace/ExecuteButtons.h"

#include <QString>
#include <array>
#include <functional>

class ControlRegistry;
class UndoRing;
class Workspace;

// The execute-button dispatcher: every press of an execute button (workspace/ExecuteButtons.h)
// takes an undo snapshot, runs the button's branch and then empties the editor's own undo buffer,
// so that the next undo goes to the undo ring. The subsystem that owns a button's target fills in
// its branch; a button without a branch changes only the undo state.
class Dispatcher {
public:
    static constexpr int ButtonCount = ExecuteButtonCount;

    // A branch returns false when it leaves at once: the editor's undo buffer is then left alone.
    using Branch = std::function<bool()>;

    Dispatcher(Workspace& workspace, UndoRing& undo, ControlRegistry& controls);

    // A press, by a click or by the program (the shell hands it every PanelKit::executeButtonPressed).
    void press(ExecuteButton button);
    void setBranch(ExecuteButton button, Branch branch);
    // A branch that does its work and always finishes normally.
    void setAction(ExecuteButton button, std::function<void()> action);
    // A close button: hides its own panel and does nothing else.
    void setClose(ExecuteButton button, ControlRef panel);
    bool hasBranch(ExecuteButton button) const;

private:
    static bool inRange(ExecuteButton button);

    Workspace& ws;
    UndoRing& undo;
    ControlRegistry& controls;
    std::array<Branch, ButtonCount> branches_;
};

#pragma once

#include <QString>
#include <array>
#include <functional>

class ControlRegistry;
class Procedures;
class UndoRing;
class Workspace;

// The execute-button dispatcher: every press of a button `Cmdcmd(0..144)` runs `Cmdcmd_Click`,
// which takes an undo snapshot, runs the button's branch and then empties the editor's own undo
// buffer so that the next undo goes to the undo ring. The subsystem that owns a button's target
// fills in its branch; an index without a branch changes only the undo state.
class Dispatcher {
public:
    static constexpr int ButtonCount = 145;

    // A branch returns false when it leaves at once: the editor's undo buffer is then left alone.
    using Branch = std::function<bool()>;

    Dispatcher(Workspace& workspace, UndoRing& undo, ControlRegistry& controls, Procedures& procs);

    void Cmdcmd_Click(int index);
    void setBranch(int index, Branch branch);
    // A branch that does its work and always finishes normally.
    void setAction(int index, std::function<void()> action);
    // A close button: hides its own panel and does nothing else.
    void setClose(int index, const QString& panelName, int panelIndex);
    bool hasBranch(int index) const;

private:
    Workspace& ws;
    UndoRing& undo;
    ControlRegistry& controls;
    std::array<Branch, ButtonCount> branches_;
};

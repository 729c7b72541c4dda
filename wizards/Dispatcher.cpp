#include "wizards/Dispatcher.h"

#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

#include <QWidget>
#include <stdexcept>
#include <string>

Dispatcher::Dispatcher(Workspace& workspace, UndoRing& undoRing, ControlRegistry& controlRegistry)
    : ws(workspace)
    , undo(undoRing)
    , controls(controlRegistry)
{
}

bool Dispatcher::inRange(ExecuteButton button)
{
    return buttonNumber(button) >= 0 && buttonNumber(button) < ButtonCount;
}

void Dispatcher::press(ExecuteButton button)
{
    undo.takeSnapshot();
    if (inRange(button) && branches_[static_cast<size_t>(buttonNumber(button))]) {
        // A copy: a branch may replace branches while it runs.
        const Branch branch = branches_[static_cast<size_t>(buttonNumber(button))];
        if (!branch())
            return;
    }
    ws.currentEditor()->clearUndoHistory();
}

void Dispatcher::setBranch(ExecuteButton button, Branch branch)
{
    const std::string number = std::to_string(buttonNumber(button));
    if (!inRange(button))
        throw std::logic_error("no execute button " + number);
    if (branches_[static_cast<size_t>(buttonNumber(button))])
        throw std::logic_error("execute button " + number + " has a branch already");
    branches_[static_cast<size_t>(buttonNumber(button))] = std::move(branch);
}

void Dispatcher::setAction(ExecuteButton button, std::function<void()> action)
{
    setBranch(button, [action = std::move(action)] {
        action();
        return true;
    });
}

void Dispatcher::setClose(ExecuteButton button, ControlRef panel)
{
    setAction(button, [this, panel] { controls.get<QWidget>(panel)->hide(); });
}

bool Dispatcher::hasBranch(ExecuteButton button) const
{
    return inRange(button) && branches_[static_cast<size_t>(buttonNumber(button))];
}

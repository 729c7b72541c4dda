#include "wizards/Dispatcher.h"

#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "workspace/Workspace.h"

#include <QWidget>
#include <stdexcept>
#include <string>

Dispatcher::Dispatcher(Workspace& workspace, UndoRing& undoRing, ControlRegistry& controlRegistry, Procedures& procs)
    : ws(workspace)
    , undo(undoRing)
    , controls(controlRegistry)
{
    procs.define(QStringLiteral("Cmdcmd_Click"), std::function<void(int)>([this](int index) { Cmdcmd_Click(index); }));
}

void Dispatcher::Cmdcmd_Click(int index)
{
    undo.takeSnapshot();
    if (index >= 0 && index < ButtonCount && branches_[static_cast<size_t>(index)]) {
        // A copy: a branch may replace branches while it runs.
        const Branch branch = branches_[static_cast<size_t>(index)];
        if (!branch())
            return;
    }
    ws.currentEditor()->EmptyUndoBuffer();
}

void Dispatcher::setBranch(int index, Branch branch)
{
    if (index < 0 || index >= ButtonCount)
        throw std::logic_error("no button Cmdcmd(" + std::to_string(index) + ")");
    if (branches_[static_cast<size_t>(index)])
        throw std::logic_error("Cmdcmd(" + std::to_string(index) + ") has a branch already");
    branches_[static_cast<size_t>(index)] = std::move(branch);
}

void Dispatcher::setAction(int index, std::function<void()> action)
{
    setBranch(index, [action = std::move(action)] {
        action();
        return true;
    });
}

void Dispatcher::setClose(int index, const QString& panelName, int panelIndex)
{
    setAction(index, [this, panelName, panelIndex] { controls.get<QWidget>(panelName, panelIndex)->hide(); });
}

bool Dispatcher::hasBranch(int index) const
{
    return index >= 0 && index < ButtonCount && branches_[static_cast<size_t>(index)];
}

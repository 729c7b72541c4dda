#include "stylesheet/StylesheetTools.h"

#include "workspace/PanelKit.h"

StylesheetTools::StylesheetTools(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, UndoRing& undo,
                                 Insertion& insertion, Colouring& colouring, Procedures& procs)
    : builder(workspace, panels, dispatcher, insertion, procs)
    , classes(workspace, panels, undo, insertion, procs)
    , menu(workspace, panels, dispatcher, undo, insertion, colouring, procs, builder)
    , lists(panels.controls, procs, builder)
{
}

#include "stylesheet/StylesheetTools.h"

#include "workspace/PanelKit.h"

StylesheetTools::StylesheetTools(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, UndoRing& undo,
                                 Insertion& insertion, Colouring& colouring, HelpViewer& help, ColourPicking& colourPicker,
                                 AdvancedMenu& imagePanelOpener)
    : builder(workspace, panels, dispatcher, insertion, help, colourPicker, imagePanelOpener)
    , classes(workspace, panels, undo, insertion)
    , menu(workspace, panels, dispatcher, undo, insertion, colouring, help, builder)
{
}

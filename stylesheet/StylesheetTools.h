#pragma once

#include "stylesheet/ClassList.h"
#include "stylesheet/CssBuilder.h"
#include "stylesheet/ListClicks.h"
#include "stylesheet/StylesheetMenu.h"

class Colouring;
class CommandRegistry;
class Dispatcher;
class Insertion;
class PanelKit;
class Procedures;
class UndoRing;
class Workspace;

// The stylesheet tools as the main window holds them: the CSS builder, the class and ID list,
// the stylesheet menu with its panels, and the clicks of the panels' lists.
class StylesheetTools {
public:
    StylesheetTools(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, UndoRing& undo, Insertion& insertion,
                    Colouring& colouring, Procedures& procs);

    CssBuilder builder;
    ClassList classes;
    StylesheetMenu menu;
    ListClicks lists;
};

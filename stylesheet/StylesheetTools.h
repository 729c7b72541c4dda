#pragma once

#include "stylesheet/ClassList.h"
#include "stylesheet/CssBuilder.h"
#include "stylesheet/StylesheetMenu.h"

class AdvancedMenu;
class ColourPicking;
class Colouring;
class CommandRegistry;
class Dispatcher;
class HelpViewer;
class Insertion;
class PanelKit;
class UndoRing;
class Workspace;

// The stylesheet tools as the main window holds them: the CSS builder, the class and ID list and
// the stylesheet menu with its panels.
class StylesheetTools {
public:
    StylesheetTools(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, UndoRing& undo, Insertion& insertion,
                    Colouring& colouring, HelpViewer& help, ColourPicking& colourPicker, AdvancedMenu& imagePanelOpener);

    CssBuilder builder;
    ClassList classes;
    StylesheetMenu menu;
};

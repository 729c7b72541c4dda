#pragma once

#include "wizards/AdvancedMenu.h"
#include "wizards/EasyMenu.h"
#include "wizards/EditApplier.h"
#include "wizards/FramesWizard.h"
#include "wizards/Generators.h"
#include "wizards/LineBreakGenerators.h"
#include "wizards/MiniPanel.h"
#include "wizards/MovablePanels.h"
#include "wizards/PanelButtons.h"
#include "wizards/PanelOptions.h"
#include "wizards/PanelViews.h"
#include "wizards/Pickers.h"

class ColourPicking;
class Colouring;
class CommandRegistry;
class ControlRegistry;
class Dispatcher;
class Insertion;
class PanelKit;
class SearchPanels;
class UndoRing;
class Workspace;

// Builds every panel of the construct wizards at start-up, hidden, so that their fields exist
// before they are shown.
struct WizardPanelsBuilt {
    explicit WizardPanelsBuilt(PanelKit& kit);
};

// The construct wizards: their panels, the two menus that open them, the buttons beside their
// boxes, their option handlers, the dragging of panels, the generators behind the execute
// buttons and the dispatcher's branches of their buttons.
class Wizards {
public:
    Wizards(Workspace& workspace, UndoRing& undo, Insertion& insertion, Colouring& colouring, PanelKit& panels,
            ControlRegistry& controls, Dispatcher& dispatcher, ColourPicking& colourPicker, SearchPanels& search);

    // Declares the items of the easy-creation menu and the advanced menu (the shell creates the menus).
    void declareMenus(CommandRegistry& commands);

private:
    WizardPanelsBuilt built_;

public:
    MiniPanel mini;
    MovablePanels movable;
    Pickers pickers;
    PanelOptions options;
    PanelButtons buttons;
    EasyMenu easy;
    AdvancedMenu advanced;
    PanelViews views;
    FramesWizard frames;
    EditApplier applier;
    Generators generators;
    LineBreakGenerators lineBreaks;
};

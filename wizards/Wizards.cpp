#include "wizards/Wizards.h"

#include "wizards/AdvancedPanels.h"
#include "wizards/EasyPanels.h"
#include "wizards/FramesPanel.h"

WizardPanelsBuilt::WizardPanelsBuilt(PanelKit& kit)
{
    buildEasyPanels(kit);
    buildAdvancedPanels(kit);
    buildTablePanel(kit);
    buildFramesPanel(kit);
}

Wizards::Wizards(Workspace& workspace, UndoRing& undo, Insertion& insertion, Colouring& colouring, PanelKit& panels,
                 ControlRegistry& controls, Dispatcher& dispatcher, ColourPicking& colourPicker, SearchPanels& search)
    : built_(panels)
    , mini(workspace, panels, controls)
    , movable(panels)
    , pickers(workspace, controls, colourPicker)
    , options(controls)
    , buttons(workspace, controls, dispatcher)
    , easy(workspace, undo, panels)
    , advanced(workspace, panels, controls, mini, movable)
    , views(workspace, controls)
    , frames(workspace, colouring, controls)
    , applier(workspace, undo, insertion, colouring, controls)
    , generators(workspace, controls, applier, insertion)
    , lineBreaks(workspace, insertion, controls)
{
    generators.serve(dispatcher, mini, pickers, easy, search);
}

void Wizards::declareMenus(CommandRegistry& commands)
{
    commands.addMenuBarMenu(easy_menu::Menu, QStringLiteral("簡単作成(&K)"));
    commands.addMenuBarMenu(advanced_menu::Menu, QStringLiteral("ちょっと高度に(&L)"));
    easy.declareMenu(commands);
    advanced.declareMenu(commands);
}

#include "shell/MainWindow.h"

#include "platform/TabStrip.h"

// A subsystem calls the ones below it directly. What it asks of a subsystem above it, or beside it
// in its layer, it signals or leaves to a callback; here each of those is connected to the
// subsystem that answers it.
void MainWindow::connectSubsystems()
{
    // Every execute button's press, a click or the program's, runs through the dispatcher.
    connect(&panels, &PanelKit::executeButtonPressed, this, [this](ExecuteButton button) { dispatcher.press(button); });
    connect(documentTabs_, &TabStrip::tabClicked, this, [this] { preview.showSelectedTab(); });
    connect(&ws, &Workspace::filesDropped, this, [this](int, const QStringList& paths) { fileMenu.openPath(paths.first()); });
    // While the lesson window is shown, its initialising clears the window without asking.
    files.clearsWithoutAsking = [this] { return lesson.quietClear(); };

    // The insertion primitives' line break is the guided panels' generator.
    connect(&insert, &Insertion::lineBreakRequested, this, [this] { wizards.lineBreaks.insertLineBreak(); });

    // The Edit menu.
    connect(&editMenu, &EditMenu::spaceRequested, this, [this] { wizards.generators.insertSpace(); });
    connect(&editMenu, &EditMenu::pageSkeletonRequested, &autoRunner, &AutoCreateRunner::insertPageSkeleton);
    connect(&editMenu, &EditMenu::helpPageRequested, &helpPane, &HelpPane::showHelpPage);
    connect(&editMenu, &EditMenu::previewTimerStopRequested, &preview.previewDelay, &QTimer::stop);

    // The Edit-2 menu.
    connect(&edit2, &Edit2Menu::spaceRequested, this, [this] { wizards.generators.insertSpace(); });
    connect(&edit2, &Edit2Menu::alignedParagraphRequested, this,
            [this] { wizards.generators.insertAlignedParagraph(); });
    connect(&edit2, &Edit2Menu::alignedDivisionRequested, this,
            [this] { wizards.generators.insertAlignedDivision(); });
    connect(&edit2, &Edit2Menu::colourPickerRequested, &colourPicker, &ColourPickerWindow::showPicker);
    connect(&edit2, &Edit2Menu::tagDictionaryRequested, &tagDictionary, &TagDictionaryWindow::showDictionary);
    connect(&edit2, &Edit2Menu::helpPageRequested, &helpPane, &HelpPane::showHelpPage);
    connect(&edit2, &Edit2Menu::lineLengthPanelRequested, this, [this] { wizards.easy.showLineLengthPanel(); });

    // The toolbar.
    connect(&toolbar, &ToolbarButtons::openFileRequested, this, [this] { fileMenu.openFile(); });
    connect(&toolbar, &ToolbarButtons::printRequested, this, [this] { fileMenu.printText(); });
    connect(&toolbar, &ToolbarButtons::tagLookUpRequested, &tagDictionary, &TagDictionaryWindow::openForSelection);
    connect(&toolbar, &ToolbarButtons::colourPickerRequested, &colourPicker, &ColourPickerWindow::showPicker);
    connect(&toolbar, &ToolbarButtons::imagePanelRequested, this, [this] { wizards.advanced.openImagePanel(); });
    connect(&toolbar, &ToolbarButtons::backgroundSoundPanelRequested, this,
            [this] { wizards.advanced.openBackgroundSoundPanel(); });

    // The popup menus' stylesheet rows.
    connect(&popups, &PopupMenus::cssBuilderRequested, this, [this] { stylesheet.builder.showBuilder(); });
    connect(&popups, &PopupMenus::styleClassListRequested, this, [this] { stylesheet.classes.showClassesOfPage(); });
    connect(&popups, &PopupMenus::styleClassListDismissed, this, [this] { stylesheet.classes.hideList(); });

    // The search and grammar panels' buttons, and the mini panel's close box, which makes the
    // next search start at the top.
    for (auto& [button, branch] : search.dispatcherBranches())
        dispatcher.setBranch(button, branch);
    for (auto& [button, branch] : grammar.dispatcherBranches())
        dispatcher.setBranch(button, branch);
    connect(&wizards.mini, &MiniPanel::closed, this, [this] { search.searchPosition = 0; });

    // The editor's colour and font commands that end in the mini panel.
    colourLookup.colourApplied = [this](const QString& replacement) { wizards.mini.takeAppliedColour(replacement); };
    fonts.explanationFontChosen = [this](const QFont& font) { wizards.mini.setBodyFont(font); };

    // A frames wizard's option hides automatic creation's navigation settings; the image panel's
    // insert writes into the CSS builder while it is shown.
    connect(&wizards.options, &PanelOptions::framesOptionChosen, &autoSettings, [this] { autoSettings.showNavigationSettings(false); });
    wizards.generators.imageIntoStyleText = [this](const QString& path) { return stylesheet.builder.takeImagePath(path); };

    // The stylesheet menu's lesson, which it leaves alone while the lesson is shown.
    stylesheet.menu.openLessonWindow = [this] { lesson.openLessonWhenFree(); };
    stylesheet.menu.lessonVisible = [this] { return lesson.isVisible(); };

    // The lesson window comes back in front when the colour picker hides for it; the picker comes
    // back in front when the help pane closes.
    connect(&colourPicker, &ColourPickerWindow::lessonWindowToFront, &lesson, &LessonWindow::raiseIfShown);
    connect(&helpPane, &HelpPane::closed, &colourPicker, &ColourPickerWindow::raiseIfShown);

    fileMenu.closeWindow = [this] { close(); };
}

#pragma once

#include "editor/ColourPicking.h"
#include "platform/ControlRegistry.h"

#include <QList>
#include <QObject>
#include <functional>

class Workspace;

// The small buttons beside the panels' input boxes: file buttons fill their box from the open
// dialog, colour buttons ask the colour picker for a colour and write it into their box, and the
// font panel's buttons add and remove font names.
class Pickers : public QObject {
    Q_OBJECT

public:
    Pickers(Workspace& workspace, ControlRegistry& controls, ColourPicking& picker);

    // The file buttons 0 sound, 1 movie, 2 background image (inserted at once): each fills its
    // box from the open dialog.
    void chooseMediaFile(int button);
    // A colour button beside a box of the font colour or body colours panel; the font colour's
    // empties its box.
    void pickColourOfButton(ControlId button);
    void pickMarqueeBackgroundColour();
    void pickRuleColour();
    void pickCellBackgroundColour();
    // The table's border colour (0), its light (1) and dark (2) border colours.
    void pickTableBorderColour(int box);
    void pickFrameBorderColour();
    void addChosenFont();
    void removeSelectedFont();

    // The background-image generator, run after a file was chosen for it.
    std::function<void()> insertBackgroundImage;

private:
    // Asks the picker for a colour that goes into the box and empties the others.
    void pickColourInto(ControlId box, QList<ControlId> emptied = {},
                        ColourRequest::LessonWindow lessonWindow = ColourRequest::LessonWindow::Stays);
    void connectButtons();
    Workspace& ws;
    ControlRegistry& controls;
    ColourPicking& picker;
};

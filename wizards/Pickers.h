#pragma once

#include "platform/ControlRegistry.h"

#include <QObject>
#include <functional>

class Procedures;
class Workspace;

// The small buttons beside the panels' input boxes: file buttons fill their box from the open
// dialog, colour buttons open the colour picker with the code of the box that is to receive the
// colour, and the font panel's buttons add and remove font names.
class Pickers : public QObject {
    Q_OBJECT

public:
    Pickers(Workspace& workspace, ControlRegistry& controls, Procedures& procs);

    // The picker delivers a colour by the code (toolwindows/ColourDelivery.cpp): the marquee's
    // background (100), the rule colour (101), the table cell background (102), the table's
    // border colours (110 to 112), the frames wizard's border colour (120), and the boxes of the
    // font colour, body colours and automatic creation's settings by their own codes.
    // The file buttons 0 sound, 1 movie, 2 background image (inserted at once): each fills its
    // box from the open dialog.
    void chooseMediaFile(int button);
    // A colour button beside a box of the font colour or body colours panel or of automatic
    // creation's settings panel; the font colour's empties its box.
    void pickColourOfButton(ControlId button);
    void pickMarqueeBackgroundColour();
    void pickRuleColour();
    void pickCellBackgroundColour();
    // The table's three border colours.
    void pickTableBorderColour(int box);
    void pickFrameBorderColour();
    void addChosenFont();
    void removeSelectedFont();

    // The background-image generator, run after a file was chosen for it.
    std::function<void()> insertBackgroundImage;
    // Shows the colour picker in front with the code of the box that receives the next colour:
    // the tool window's procedure procedure::OpenColourPickerFor, once that window exists.
    std::function<void(int code)> OpenColorPicker;

private:
    void openPicker(int code);
    void connectButtons();
    Workspace& ws;
    ControlRegistry& controls;
    Procedures& procs;
};

#pragma once

#include <QObject>
#include <functional>

class ControlRegistry;
class Procedures;
class Workspace;

// The small buttons beside the panels' input boxes: file buttons fill their box from the open
// dialog, colour buttons open the colour picker with the code of the box that is to receive the
// colour, and the font panel's buttons add and remove font names.
class Pickers : public QObject {
    Q_OBJECT

public:
    Pickers(Workspace& workspace, ControlRegistry& controls, Procedures& procs);

    // The picker delivers a colour by the code: Text6(code), txtiro1 (100), Txtkeisenc (101),
    // Txttc (102), Text5(code - 110) (110 to 112), Text1(8) of the frames wizard (120).
    // The file buttons 0 sound, 1 movie, 2 background image (inserted at once): each fills its
    // box from the open dialog.
    void chooseMediaFile(int button);
    // The colour buttons 3 to 10 beside the boxes; 3 is the font colour's.
    void pickColourOfButton(int button);
    void pickMarqueeBackgroundColour();
    void pickRuleColour();
    void pickCellBackgroundColour();
    // The table's three border colours.
    void pickTableBorderColour(int box);
    void pickFrameBorderColour();
    void addChosenFont();
    void removeSelectedFont();

    // The background-image generator, run after a file was chosen for it.
    std::function<void()> InsertBgImage;
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

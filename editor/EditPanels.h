#pragma once

#include "workspace/ExecuteButtons.h"

#include <QString>

class PanelKit;
class QGroupBox;

// The frame of a panel of the editing commands: the panel `Frame(frame)` at its place (twips),
// its title across the top with its close box at the right end, and the read-only text box
// `Text(textIndex)` of `textHeight` below them.
struct EditPanelHead {
    int frame;
    QString caption;
    QString title;
    ExecuteButton closeBox;
    int textIndex;
    int left;
    int top;
    int width;
    int height;
    int textHeight;
};
QGroupBox* addEditPanel(PanelKit& panels, const EditPanelHead& head);

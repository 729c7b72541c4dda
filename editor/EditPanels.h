#pragma once

#include "platform/ControlRegistry.h"
#include "workspace/ExecuteButtons.h"

#include <QString>

class PanelKit;
class QGroupBox;

// The frame of a panel of the editing commands: the panel at its place (twips), its title across
// the top with its close box at the right end, and the read-only explanation box of `textHeight`
// below them.
struct EditPanelHead {
    ControlId panel;
    ControlId titleLabel;
    ControlId explanation;
    QString caption;
    QString title;
    ExecuteButton closeBox;
    int left;
    int top;
    int width;
    int height;
    int textHeight;
};
QGroupBox* addEditPanel(PanelKit& panels, const EditPanelHead& head);

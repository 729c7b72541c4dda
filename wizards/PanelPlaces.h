#pragma once

#include "workspace/PanelKit.h"

#include <QString>

// Where each guided panel of the easy-creation and advanced menus opens, in twips relative to the
// main window's client area, with its explanation box and its layout. The panels are built at
// this size, so that their inputs lie where the opener shows them.
struct PanelRow {
    ControlId panel;
    ControlId explanation;
    ControlId title;
    int top;
    int left;
    int width;
    int height;
    ControlRef closeBox; // the "×" that layOutPanel places with the title; unset: no layout
    bool font12;         // the explanation in 12 points (always with a layout)
    bool selectTab;      // the opener selects the current document's source tab itself
};

// The row of a panel; a panel without one is a programming error.
const PanelRow& panelRow(ControlId panel);

// The opener's arguments for the row with its explanation.
PanelPlace placeOf(const PanelRow& row, const QString& explanation);

// Where the frames wizard opens, and its size.
inline constexpr int FramesWizardLeft = 1000;
inline constexpr int FramesWizardTop = 1000;
inline constexpr int FramesWizardWidth = 7290;
inline constexpr int FramesWizardHeight = 8130;

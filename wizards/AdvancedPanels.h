#pragma once

class PanelKit;

// The panels of the advanced menu with their inputs at their defaults, hidden; the table panel
// and the frames wizard have builders of their own.
void buildAdvancedPanels(PanelKit& kit);
// The table panel (Frame(5)).
void buildTablePanel(PanelKit& kit);

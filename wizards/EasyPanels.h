#pragma once

class PanelKit;

// The panels of the easy-creation menu with their inputs at their defaults, hidden, and the two
// panels that no command opens (Frame(32), Frame(38)).
void buildEasyPanels(PanelKit& kit);

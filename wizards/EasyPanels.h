#pragma once

class PanelKit;

// The panels of the easy-creation menu with their inputs at their defaults, hidden, and the two
// panels that no command opens: the line length panel and the drop cap panel.
void buildEasyPanels(PanelKit& kit);

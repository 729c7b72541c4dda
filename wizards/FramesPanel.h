#pragma once

class PanelKit;

// The frames wizard's panel with its inputs at their defaults, hidden.
void buildFramesPanel(PanelKit& kit);

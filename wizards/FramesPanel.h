#pragma once

class PanelKit;

// The frames wizard's panel FrmFrame with its inputs at their defaults, hidden.
void buildFramesPanel(PanelKit& kit);

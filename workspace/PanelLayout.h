#pragma once

class ControlRegistry;

// Lays out a guided panel's title `Label(labelIndex)`, its close box (the execute button numbered
// `buttonIndex`) and its explanation box `Text(textIndex)` inside the panel `Frame(frameIndex)`.
void LayoutPanel(ControlRegistry& controls, int frameIndex, int labelIndex, int buttonIndex, int textIndex);

#pragma once

class ControlRegistry;
class QWidget;

// Lays out a guided panel's title, its close button and its explanation box inside the panel:
// the title and the button in a bar across the top, the box below them.
void layOutPanel(QWidget* panel, QWidget* title, QWidget* closeButton, QWidget* explanationBox);
// The same for the parts registered by index: the title `Label(labelIndex)`, the close button
// (the execute button numbered `buttonIndex`) and the explanation box `Text(textIndex)` of the panel `Frame(frameIndex)`.
void layOutPanel(ControlRegistry& controls, int frameIndex, int labelIndex, int buttonIndex, int textIndex);

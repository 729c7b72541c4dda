#pragma once

class QWidget;

// Lays out a guided panel's title, its close button and its explanation box inside the panel:
// the title and the button in a bar across the top, the box below them.
void layOutPanel(QWidget* panel, QWidget* title, QWidget* closeButton, QWidget* explanationBox);

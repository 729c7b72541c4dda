#pragma once

#include <QString>

class QFont;
class QLineEdit;

// The width in pixels at which a line edit shows a text whole in a given font: the text's
// advance and the box's own frame and margins as the style draws them.
int lineEditWidthFor(const QLineEdit* box, const QString& text, const QFont& font);

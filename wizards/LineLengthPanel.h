#pragma once

class ControlRegistry;
class QWidget;

// The line-length box `Text(45)` that keeps the "Indent" setting.
class LineLengthPanel {
public:
    LineLengthPanel(ControlRegistry& controls, QWidget* host);
};

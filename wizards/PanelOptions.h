#pragma once

#include <QObject>

class ControlRegistry;

// The panels' own reactions to their options, check boxes and spinners: they change the panel's
// controls only, never the document. Each runs when its control changes, by the user or by a
// program that sets it.
class PanelOptions : public QObject {
    Q_OBJECT

public:
    explicit PanelOptions(ControlRegistry& controls);

    // Font-size panel: the spinner's range for absolute (0) or relative (1) sizes.
    void setFontSizeRange(int kind);
    void showFontSize();
    // Heading panel: the level spinner writes the heading level into its box.
    void showHeadingLevel();
    // Font-shape panel: 上付 / 下付 shown exactly while "添字にする" is ticked.
    void showScriptChoices();
    // Frames wizard: the frame names and the link target follow the split direction.
    void nameFramesForSplit(int split);
    // Any yes / no / auto option of the frames wizard was chosen: automatic creation's heading
    // settings are shown only for its own left-and-right layout, and hide on this signal.
Q_SIGNALS:
    void framesOptionChosen();

public:
    // Jump panel: the name box of the chosen end of the jump (its source or its target) is the
    // one enabled.
    void enableChosenJumpName(bool source);

private:
    ControlRegistry& controls;
};

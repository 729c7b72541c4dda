#pragma once

#include "platform/ControlRegistry.h"
#include "workspace/ExecuteButtons.h"

#include <QString>
#include <optional>

class PanelKit;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// Puts the controls of one panel (or of a group inside it) at their places in twips, registering
// each control that procedures reach under its id as it is made.
class PanelForm {
public:
    PanelForm(PanelKit& kit, QWidget* container);

    QWidget* container() const { return container_; }
    PanelKit& kit() const { return kit_; }

    // The panel's title across its top and its "×" close box at the title's right end, where
    // layOutPanel puts them for a panel `width` twips wide.
    QLabel* titleBar(ControlRef id, const QString& caption, int width, ExecuteButton closeBox);

    // A caption that no procedure reads.
    QLabel* label(const QString& caption, int left, int top, int width, int height = 285);
    // A caption that procedures read or change.
    QLabel* label(ControlRef id, const QString& caption, int left, int top, int width, int height = 285);
    QLineEdit* textBox(ControlRef id, const QString& text, int left, int top, int width, int height = 330);
    // An execute button: a click presses it through the dispatcher.
    QPushButton* pushButton(ExecuteButton button, const QString& caption, int left, int top, int width = 645, int height = 330);
    QPushButton* pushButton(ControlRef id, const QString& caption, int left, int top, int width, int height = 330);
    QCheckBox* check(ControlRef id, const QString& caption, bool checked, int left, int top, int width, int height = 285);
    // An option button of a group of options that exclude each other.
    QRadioButton* option(QButtonGroup* group, ControlRef id, const QString& caption, bool selected, int left, int top,
                         int width, int height = 285);
    QButtonGroup* group();
    QScrollBar* spinner(ControlRef id, int minimum, int maximum, int value, int left, int top, int height = 330);
    // A read-only explanation box.
    QPlainTextEdit* explanation(ControlRef id, int left, int top, int width, int height);
    // A group of controls inside the panel, registered under its id.
    QGroupBox* group(ControlRef id, const QString& caption, int left, int top, int width, int height);
    // A group that no procedure names.
    QGroupBox* group(const QString& caption, int left, int top, int width, int height);
    // The buttons "実行" `execute` and "閉じる" `close` side by side, ending at `right`; no
    // `execute`: a panel without an execute button.
    void executeAndClose(std::optional<ExecuteButton> execute, ExecuteButton close, int right, int top,
                         const QString& executeCaption = QStringLiteral("実行"));

private:
    PanelKit& kit_;
    QWidget* container_;
};

// A construct panel `id`, hidden, at the place and size its opener gives it (PanelPlaces), with
// the title of its row and its "×" `closeBox`. With a layout, the title, the "×" and the
// explanation box of its row are placed as layOutPanel places them.
QGroupBox* newConstructPanel(PanelKit& kit, ControlId id, const QString& caption, const QString& title,
                             ExecuteButton closeBox);

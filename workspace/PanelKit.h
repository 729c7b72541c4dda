#pragma once

#include "platform/ControlRegistry.h"
#include "workspace/ExecuteButtons.h"

#include <QList>
#include <QObject>
#include <QString>

class PanelFitting;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class Workspace;

// Where and how a guided panel opens: its panel, place and size in twips relative to the main
// window's client area, the text of its explanation box, and the optional layout of its title,
// close button and explanation box.
struct PanelPlace {
    QString explanation{};
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    // Select the current document's source tab first.
    bool selectSourceTab = false;
    // Only the font size, without the layout.
    bool font12 = false;
    // The panel; its explanation box, unset for a panel whose opener fills no explanation.
    ControlId panel{};
    ControlId explanationBox{};
    // The title label and close button that layOutPanel places; the layout also sets the
    // explanation's font to 12 points. No title: no layout.
    ControlId title{};
    ControlRef closeButton = ControlId{};
};

// Builds the guided panels over the editors: every control is registered under its id as it is
// made, so that the dispatcher, automatic creation, the lesson player and the tests
// reach it while the panel is still hidden. Every subsystem builds its own panels with it.
//
// A panel's title label reports the mouse on it, in twips in the label's own coordinates, so that
// the user can drag the panel by it; the movable panels do the dragging.
//
// A panel over the editors shows its title bar and its controls only: the caption it carries
// names the construct for the program and is not drawn. Such a panel is kept inside the editor
// area (PanelFitting), scrolled when the window is too small for it.
class PanelKit : public QObject {
    Q_OBJECT

public:
    PanelKit(ControlRegistry& controls, Workspace& workspace, QWidget* host);
    ~PanelKit() override;

    ControlRegistry& controls;
    QWidget* host() const { return host_; }

    // A panel, hidden, with its caption. Without a parent it lies over the editors; with one it is
    // a group inside that parent, its caption drawn.
    QGroupBox* addPanel(ControlRef id, const QString& caption, QWidget* parent = nullptr);
    // The title that the user drags the panel by.
    QLabel* addTitle(QWidget* panel, ControlRef id, const QString& caption);
    // The read-only explanation box.
    QPlainTextEdit* addExplanation(QWidget* panel, ControlRef id);
    // An execute button, registered as `executeButton(button)`: a click presses it.
    QPushButton* addExecuteButton(QWidget* parent, ExecuteButton button, const QString& caption);
    // Presses an execute button as a click on it does (executeButtonPressed).
    void press(ExecuteButton button) { Q_EMIT executeButtonPressed(button); }
    // Any other control, registered under its id.
    template <typename T>
    T* add(QWidget* parent, ControlRef id)
    {
        T* control = new T(parent);
        controls.add(id, control);
        return control;
    }

    // The panel opener: source tab, explanation text, place and size, shown in front, layout. A
    // panel opened smaller than its controls were placed for grows to hold them whole.
    void openPanel(const PanelPlace& place);

    // The panels over the editors, in the order they were made.
    const QList<QGroupBox*>& panelsOverEditors() const { return overEditors_; }
    PanelFitting& fitting() { return *fitting_; }

Q_SIGNALS:
    // An execute button was clicked or pressed by the program; the shell hands it to the dispatcher.
    void executeButtonPressed(ExecuteButton button);
    // The mouse on a panel's title: pressed, moved, released (x and y in twips).
    void titlePressed(QWidget* panel, int x, int y);
    void titleMoved(QWidget* panel, int x, int y);
    void titleReleased(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* makePanel(const QString& caption, QWidget* parent);
    QLabel* makeTitle(QWidget* panel, const QString& caption);
    QPlainTextEdit* makeExplanation(QWidget* panel);
    void holdControls(QWidget* panel);

    Workspace& ws_;
    QWidget* host_;
    PanelFitting* fitting_;
    QList<QGroupBox*> overEditors_;
};

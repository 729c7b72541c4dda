#pragma once

#include "platform/ControlRegistry.h"
#include "platform/StateValue.h"
#include "toolwindows/ColourDelivery.h"
#include "toolwindows/ColourNames.h"
#include "toolwindows/PickerColours.h"

#include <QList>
#include <QWidget>

class Procedures;
class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Workspace;

// The colour picker "カラーペルモア": a tool window of the main window in which the user finds a
// colour by name, among the sixteen basic colours and their sliders, or in the extended palette,
// and sends it where the opener's target code points (ColorTarget). After a delivery the window
// hides, the code goes back to 0 and the window returns to its basic colours.
//
// Its controls are registered in its own registry under their names (`Text1(i)`, `Text6(i)`,
// `Text5(i)`, `Text3`, `Option1` ...); the boxes it delivers to are looked up in the main window's
// registry. The window builds itself on its first showing or on the first call of a handler.
class ColourPickerWindow : public QWidget {
    Q_OBJECT

public:
    ColourPickerWindow(Workspace& workspace, ControlRegistry& mainControls, Procedures& procs, QWidget* mainWindow);
    ~ColourPickerWindow() override;

    // The window's own controls.
    ControlRegistry controls;
    // Where the next colour goes: 0 the editor, 130 the stylesheet builder, any other code a
    // colour box of the main window.
    IntState ColorTarget;

    // Shows the window in front with a target code (procedure::OpenColourPickerFor).
    void openFor(int code);
    // Shows the window and gives it the focus; the target stays (procedure::ShowColourPicker).
    void showWithFocus();

    // ---- window events and procedures ----
    void Form_Load();
    bool loaded() const { return loaded_; }
    // Delivers the value box (or the name box, when insertion by name is chosen).
    void InsertC();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command2_Click();
    void Command3_Click() { InsertC(); }
    void Command5_Click();
    void msetumei_Click();
    void Command1_Click();

    // Colour names (resource/color.txt).
    void LoadColorNames();
    void Text1_Click(int index);
    void Text1_DblClick(int index);
    // Basic colours and sliders.
    void ShowBasicColors();
    void Text6_Click(int index);
    void Text6_DblClick(int index);
    void HScroll1_Change(int index);
    void Text7_Change(int index);
    void Text7_DblClick(int index);
    void Command6_Click();
    // Extended palette (resource/color2.txt) and the mixing palette.
    void ShowExtendedPalette();
    void Text5_Click(int index);
    void Text5_MouseDown(int index);
    // A swatch of the extended palette dropped on the mixing palette.
    void Picture1_DragDrop(QLineEdit* source);
    void Command4_Click();
    const picker::Mix& mix() const { return mix_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureLoaded();
    void buildBottomBar();
    void buildNamesFrame();
    void buildBasicFrame();
    void buildExtendedFrame();
    void buildExplanationFrame();
    void placeBarBelow(QWidget* frame, int height, int width);
    void setWindowSize(int width, int height);
    void showOnly(const QList<QWidget*>& hide, const QList<QWidget*>& show);
    // The handlers a swatch array's mouse events run (null for none).
    struct SwatchEvents {
        void (ColourPickerWindow::*click)(int) = nullptr;
        void (ColourPickerWindow::*doubleClick)(int) = nullptr;
        void (ColourPickerWindow::*mouseDown)(int) = nullptr;
        bool drags = false;
    };
    // The next swatch of an array, registered under the array's name and wired to its handlers.
    QLineEdit* addSwatch(QWidget* frame, QList<QLineEdit*>& array, const QString& name, const SwatchEvents& events);
    static SwatchEvents nameSwatch() { return {&ColourPickerWindow::Text1_Click, &ColourPickerWindow::Text1_DblClick, nullptr, false}; }
    static SwatchEvents basicSwatch() { return {&ColourPickerWindow::Text6_Click, &ColourPickerWindow::Text6_DblClick, nullptr, false}; }
    static SwatchEvents extendedSwatch() { return {&ColourPickerWindow::Text5_Click, nullptr, &ColourPickerWindow::Text5_MouseDown, true}; }
    void startSwatchDrag(int index);
    // Writes the chosen text where the delivery says; false when that place does not exist.
    bool deliverTo(const picker::Delivery& d, const QString& chosen);
    void bringLessonToFront();
    void focusMainWindow();

    Workspace& ws;
    ControlRegistry& mainControls_;
    Procedures& procs_;
    QWidget* mainWindow_;
    bool loaded_ = false;
    bool loading_ = false;

    QMenuBar* menuBar_ = nullptr;
    QAction* msetumei = nullptr;
    QWidget* client_ = nullptr;

    // Bottom bar.
    QGroupBox* Frame4 = nullptr;
    QButtonGroup* modes_ = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label2[2] = {};
    QCheckBox* Check1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command2 = nullptr;
    QFrame* Picture1 = nullptr;
    QPushButton* Command4 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label5 = nullptr;

    // Colour names.
    QGroupBox* Frame1 = nullptr;
    QList<QLineEdit*> Text1;
    QList<ColourNameRecord> List1;
    // The point size of the colour names longer than ten characters.
    int longNamePoints_ = 8;

    // Basic colours.
    QGroupBox* Frame6 = nullptr;
    QList<QLineEdit*> Text6;
    QLabel* Label3 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QScrollBar* HScroll1[3] = {};
    QLabel* Label4[4] = {};
    QLineEdit* Text7[4] = {};
    QPushButton* Command6 = nullptr;

    // Extended palette.
    QGroupBox* Frame5 = nullptr;
    QList<QLineEdit*> Text5;
    picker::Mix mix_;

    // Explanation.
    QGroupBox* Frame3 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
};

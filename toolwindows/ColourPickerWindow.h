#pragma once

#include "editor/ColourPicking.h"
#include "platform/ControlRegistry.h"
#include "toolwindows/ColourNames.h"
#include "toolwindows/PickerColours.h"

#include <QList>
#include <QWidget>
#include <optional>

class ColourLookup;
class HelpViewer;
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
// and hands it to whoever asked for it (a panel's colour button, the CSS builder), or, when
// nobody asked, puts it into the editor's selection. After a delivery the window hides, the
// request is done with and the window returns to its basic colours.
//
// Its controls are registered in its own registry under the ids of ColourPickerControls.h. The
// window builds itself on its first showing or on the first call of a handler.
class ColourPickerWindow : public QWidget, public ColourPicking {
    Q_OBJECT

public:
    ColourPickerWindow(Workspace& workspace, ColourLookup& colourLookup, HelpViewer& help, ControlRegistry& mainControls,
                       QWidget* mainWindow);
    ~ColourPickerWindow() override;

    // The window's own controls.
    ControlRegistry controls;

    void pickColour(ColourRequest request) override;
    void showPicker() override;
    // True while a request waits for its colour.
    bool hasRequest() const { return request_.has_value(); }
    // Comes back in front of the main window when it is shown.
    void raiseIfShown();

    // ---- showing the modes and delivering ----
    // Places the window and shows its basic colours, once.
    void loadPicker();
    bool loaded() const { return loaded_; }
    // Delivers the value box (or the name box, when insertion by name is chosen) to the request,
    // or without one into the editor's selection.
    void insertChosenColour();
    void chooseNamesMode();
    void chooseBasicMode();
    void chooseExtendedMode();
    // Returns to the basic colours and hides the window.
    void closeWindow();
    void showHelpPage();
    void showExplanation();
    void hideExplanation();

    // Colour names (resource/color.txt).
    void loadColourNames();
    void chooseNamedColour(int index);
    void insertNamedColour(int index);
    // Basic colours and sliders.
    void showBasicColours();
    void chooseBasicColour(int index);
    void insertBasicColour(int index);
    // A slider moved: its box shows its value and the composed colour follows.
    void composeFromSliders(int channel);
    // The composed colour becomes the chosen value.
    void takeComposedValue();
    void insertComposedColour();
    void chooseSystemColour();
    // Extended palette (resource/color2.txt) and the mixing palette.
    void showExtendedPalette();
    void chooseExtendedColour(int index);
    // A swatch of the extended palette dropped on the mixing palette.
    void dropOnMixingPalette(QLineEdit* source);
    void clearMixingPalette();
    const picker::Mix& mix() const { return mix_; }

Q_SIGNALS:
    // A request asked for the lesson window in front as the picker hides.
    void lessonWindowToFront();

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
    // The next swatch of an array, registered under the array's id and wired to its handlers.
    QLineEdit* addSwatch(QWidget* frame, QList<QLineEdit*>& array, ControlArrayId id, const SwatchEvents& events);
    static SwatchEvents nameSwatch() { return {&ColourPickerWindow::chooseNamedColour, &ColourPickerWindow::insertNamedColour, nullptr, false}; }
    static SwatchEvents basicSwatch() { return {&ColourPickerWindow::chooseBasicColour, &ColourPickerWindow::insertBasicColour, nullptr, false}; }
    static SwatchEvents extendedSwatch() { return {&ColourPickerWindow::chooseExtendedColour, nullptr, &ColourPickerWindow::chooseExtendedColour, true}; }
    void startSwatchDrag(int index);
    void focusMainWindow();

    Workspace& ws;
    ColourLookup& colourLookup_;
    HelpViewer& help_;
    QWidget* mainWindow_;
    std::optional<ColourRequest> request_;
    bool loaded_ = false;
    bool loading_ = false;

    QMenuBar* menuBar_ = nullptr;
    QAction* explanationItem_ = nullptr;
    QWidget* client_ = nullptr;

    // Bottom bar.
    QGroupBox* bottomBar_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QRadioButton* namesMode_ = nullptr;
    QRadioButton* basicMode_ = nullptr;
    QRadioButton* extendedMode_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QCheckBox* insertByName_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QFrame* mixingPalette_ = nullptr;
    QPushButton* clearMixButton_ = nullptr;
    QFrame* mixedColour_ = nullptr;
    QLabel* mixingPaletteLabel_ = nullptr;

    // Colour names.
    QGroupBox* namesFrame_ = nullptr;
    QList<QLineEdit*> nameSwatches_;
    QList<ColourNameRecord> colourNames_;
    // The point size of the colour names longer than ten characters.
    int longNamePoints_ = 8;

    // Basic colours.
    QGroupBox* basicFrame_ = nullptr;
    QList<QLineEdit*> basicSwatches_;
    QLabel* basicExplanation_ = nullptr;
    QGroupBox* sliderFrame_ = nullptr;
    QScrollBar* sliders_[3] = {};
    // Red, green, blue and the composed colour.
    QLabel* channelLabels_[4] = {};
    QLineEdit* channelBoxes_[4] = {};
    QPushButton* systemColourButton_ = nullptr;

    // Extended palette.
    QGroupBox* extendedFrame_ = nullptr;
    QList<QLineEdit*> extendedSwatches_;
    picker::Mix mix_;

    // Explanation.
    QGroupBox* explanationFrame_ = nullptr;
    QLabel* explanationText_ = nullptr;
    QPushButton* explanationCloseButton_ = nullptr;
};

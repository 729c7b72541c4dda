#pragma once

#include "stylesheet/CssDictionary.h"

#include <QString>
#include <optional>

class AdvancedMenu;
class ColourPicking;
class ControlRegistry;
class Dispatcher;
class HelpViewer;
class Insertion;
class PanelKit;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QWidget;
class Workspace;

// The CSS builder (`Frame(40)`): a rule composed from the dictionary resource/css.txt. The
// categories `List3(8)` give the properties `List3(6)`, a property its values `List3(7)`, its
// description `Text(42)` and its example `Text(43)`; a double click on a value writes a
// declaration into the style text box (`Text(44)`). A value that is a placeholder opens its input: the
// numeric panel `framesub(35)`, the font panel `framesub(32)`, the colour picker or the image
// panel. The selector `Text(50)` is built in `framesub(30)` from its kind `OoptGif(4..7)` and the
// element box `Combo2(0)`. Buttons 52, 124 to 143 are the builder's.
class CssBuilder {
public:
    CssBuilder(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, Insertion& insertion, HelpViewer& help,
               ColourPicking& colourPicker, AdvancedMenu& imagePanelOpener);

    void showBuilder();
    // The chosen category's properties fill the property list.
    void listPropertiesOfChosenCategory();
    // The chosen property's values, description and example.
    void listValuesOfChosenProperty();
    // The chosen font's name goes into the style text.
    void addChosenFontName();
    // The chosen value (a double click) becomes a declaration; a placeholder opens its input.
    void writeChosenValue();
    // The element chosen in the element box joins the selector.
    void addChosenElementToSelector();
    // The selector kind option `index` (4 to 7) was chosen; other indexes do nothing.
    void chooseSelectorKind(int index);
    // Opens the input that a value asks for; kind is trimmed in place.
    void openValueInput(QString& kind);
    // A colour from the picker: value "#" + six hexadecimal digits, and its name.
    void putPickedColour(const QString& value, const QString& name);

    // The colour notation asked for last; also the placeholder a picked colour replaces.
    QString colourNotation;
    // The builder was open when a preview tab hid it: a source tab shows it again.
    bool wasVisible = false;

    // The style text with CR LF line breaks.
    QString styleText() const;
    void setStyleText(const QString& text);
    bool isBuilderShown() const;
    // The image panel's picture while the builder is shown: its relative path goes into the style
    // text as a background image. False, and nothing changes, while the builder is hidden.
    bool takeImagePath(const QString& relativePath);

private:
    void build(PanelKit& panels);
    void buildSelectorPanel(PanelKit& panels, QWidget* frame);
    void buildValuePanels(PanelKit& panels, QWidget* frame);
    void wireButtons(Dispatcher& dispatcher);
    void followTabs();
    std::optional<CssDictionary> readDictionary();
    // Widens the category and property lists where the font needs more room than their twips.
    void fitLists(const CssDictionary& dictionary);
    void numberTyped();

    Workspace& ws;
    ControlRegistry& controls;
    Insertion& insert;
    HelpViewer& help;
    ColourPicking& colourPicker;
    AdvancedMenu& imagePanel;
    // The property whose number placeholder the numeric panel fills.
    QString numberProperty_;

    QGroupBox* frame_ = nullptr;            // the builder's panel
    QListWidget* categories_ = nullptr;     // List3(8)
    QListWidget* properties_ = nullptr;     // List3(6)
    QListWidget* values_ = nullptr;         // List3(7)
    QLabel* propertiesCaption_ = nullptr;
    QLabel* valuesCaption_ = nullptr;
    QListWidget* fonts_ = nullptr;          // List3(9)
    QPlainTextEdit* description_ = nullptr; // Text(42)
    QPlainTextEdit* example_ = nullptr;     // Text(43)
    QPlainTextEdit* style_ = nullptr;       // the style text box
    QLineEdit* selector_ = nullptr;         // Text(50)
    QLineEdit* number_ = nullptr;           // Text(53)
    QLineEdit* colour_ = nullptr;           // Text(47)
    QComboBox* elements_ = nullptr;         // Combo2(0)
    QRadioButton* elementKind_ = nullptr;   // OoptGif(4): the kind "element"
    QLabel* kindLabel_ = nullptr;           // Label10(27)
    QLabel* unitLabel_ = nullptr;           // Label10(36)
    QWidget* fontPanel_ = nullptr;          // framesub(32)
    QWidget* colourPanel_ = nullptr;        // framesub(33)
    QWidget* numberPanel_ = nullptr;        // framesub(35)
};

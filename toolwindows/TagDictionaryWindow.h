#pragma once

#include "platform/ControlRegistry.h"
#include "platform/StateValue.h"
#include "toolwindows/TagDictionary.h"
#include "toolwindows/TagDictionaryControls.h"

#include <QColor>
#include <QList>
#include <QWidget>
#include <array>

class BlankWrapLabel;
class Insertion;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class UndoRing;
class Workspace;

// The tag dictionary "タグの貼り付けと意味": a tool window that stays on top and shows the tags of
// resource/tag.txt as a grid of 65 labels. A click shows a tag's explanation in blue in the
// explanation box below the grid; a double click wraps the current editor's selection in the
// label's tags.
//
// Its controls are in its own registry under the ids of toolwindows/TagDictionaryControls.h: the
// editor's tag look-up reads the labels' captions there and marks a label by its back colour (the
// palette's window colour; the labels fill their background).
class TagDictionaryWindow : public QWidget {
    Q_OBJECT

public:
    TagDictionaryWindow(Workspace& workspace, UndoRing& undoRing, Insertion& insertion, ControlRegistry& mainControls,
                        QWidget* mainWindow);
    ~TagDictionaryWindow() override;

    ControlRegistry controls;
    // True while the window is open (shown by the menu or the toolbar, until it is closed). While
    // it is set the window hides on a preview tab and comes back on a source tab.
    BoolState isOpen;
    // The index of the last label.
    static constexpr int LastTagIndex = TagLabelCount - 1;
    // The explanations of the entries; entries past the file's last are empty.
    std::array<QString, 101> explanations;

    // Shows the window, loading it first when it is not loaded.
    void showDictionary();
    // The toolbar's tag button: the selected text looked up, or without one the window shown;
    // either way the window counts as open.
    void openForSelection(const QString& selectedText);
    // Marks the label whose caption holds the tag name and shows its explanation in front; a
    // name that no caption holds is told, and no label is marked.
    void lookUpTag(const QString& name);
    // Back colours of the labels: every label, and the one a look-up found.
    static QColor plainLabelColour();
    static QColor foundLabelColour();
    // Loads the window (its labels from tag.txt) without showing it.
    void ensureLoaded();

    // ---- loading, the labels and the explanation box ----
    // Fills the explanation box with its greeting, places the labels and reads tag.txt into them.
    void loadDictionary();
    // Marks the window closed and not loaded.
    void unload();
    bool loaded() const { return loaded_; }
    // Places the grid, the labels in rows of five and the explanation box in the window. The
    // labels wrap their captions at blanks; each row is as high as its highest label.
    void layoutTags();
    // Sizes the window for its captions, within the screen's available area: wide enough for
    // every caption in two lines if the screen allows, high enough for the rows and the
    // explanation box; and never smaller than what shows every word of a caption whole.
    void fitWindowToCaptions();
    // Moves the window, and makes it smaller if need be, so that it lies within the screen's
    // available area, its frame included.
    void keepOnScreen();
    // Reads resource/tag.txt into the labels' captions and the explanations.
    void readTags();
    // A click on a label: its explanation, in blue, in the explanation box.
    void showExplanation(int index);
    // A double click on a label: the current editor's selection wrapped in the label's tags.
    void wrapSelectionInTags(int index);
    // The popup menu's "コピー": the explanation box's selection to the clipboard.
    void copySelectedExplanation();
    // The popup menu's "貼り付け": the explanation box's selection into the editor.
    void pasteSelectedExplanation();
    // A click in the explanation box: with the colour-code word selected, a chosen colour fills
    // the explanation's star.
    void chooseColourForCode();
    // A button pressed in the explanation box: the right one pops up the edit menu at (x, y),
    // given in twips.
    void popUpEditMenu(int button, int shift, int x, int y);

    // The explanation box's text and selection, with CR LF line ends.
    QString explanationText() const;
    QString selectedExplanationText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label(int index) const;
    void followTab();
    // The width of a label in a grid of that width, and the bottom of the last row (twips).
    static int labelWidthInGrid(int gridWidth);
    int rowsBottom(int labelWidth) const;
    int rowHeight(int row, int labelWidth) const;

    Workspace& ws;
    UndoRing& undo;
    Insertion& insert;
    QWidget* mainWindow_;
    bool loaded_ = false;

    QGroupBox* grid_ = nullptr;
    QList<BlankWrapLabel*> tagLabels_;
    QPlainTextEdit* explanationBox_ = nullptr;
    QMenu* editMenu_ = nullptr;
};

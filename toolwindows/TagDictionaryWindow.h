#pragma once

#include "platform/ControlRegistry.h"
#include "platform/StateValue.h"
#include "toolwindows/TagDictionary.h"

#include <QList>
#include <QWidget>
#include <array>

class Insertion;
class Procedures;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class UndoRing;
class Workspace;

// The tag dictionary "タグの貼り付けと意味": a tool window that stays on top and shows the tags of
// resource/tag.txt as a grid of labels `Lbltag(0..64)`. A click shows a tag's explanation in blue
// in the box `Text1`; a double click wraps the current editor's selection in the label's tags.
//
// Its controls are in its own registry (`Lbltag(i)`, `Text1`, `Frame1`, `Medit`): the editor's
// tag look-up reads the labels' captions there and marks a label by its back colour (the
// palette's window colour; the labels fill their background).
class TagDictionaryWindow : public QWidget {
    Q_OBJECT

public:
    TagDictionaryWindow(Workspace& workspace, UndoRing& undoRing, Insertion& insertion, ControlRegistry& mainControls, Procedures& procs,
           QWidget* mainWindow);
    ~TagDictionaryWindow() override;

    ControlRegistry controls;
    // True while the window is open (shown by the menu or the toolbar, until it is closed). While
    // it is set the window hides on a preview tab and comes back on a source tab.
    BoolState TagDicOpen;
    // The index of the last label.
    static constexpr int TagCount = TagLabelCount - 1;
    // The explanations of the entries; entries past the file's last are empty.
    std::array<QString, 101> TagText;

    // Shows the window, loading it first when it is not loaded (procedure::ShowTagDictionary).
    void showDictionary();
    // Loads the window (its labels from tag.txt) without showing it.
    void ensureLoaded();

    // ---- window events and procedures ----
    void Form_Load();
    void Form_Unload();
    bool loaded() const { return loaded_; }
    void LayoutTags();
    void LoadTags();
    void Lbltag_Click(int index);
    void Lbltag_DblClick(int index);
    void mcopy_Click();
    void mpaste_Click();
    void CopySelText();
    void Text1_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    // The explanation box's text and selection, with CR LF line ends.
    QString Text1Text() const;
    QString Text1SelText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label(int index) const;
    void followTab();

    Workspace& ws;
    UndoRing& undo;
    Insertion& insert;
    QWidget* mainWindow_;
    bool loaded_ = false;

    QGroupBox* Frame1 = nullptr;
    QList<QLabel*> Lbltag;
    QPlainTextEdit* Text1 = nullptr;
    QMenu* Medit = nullptr;
};

#pragma once

#include "editor/Colouring.h"
#include "editor/EditorFonts.h"
#include "editor/Insertion.h"
#include "editor/Regions.h"
#include "editor/UndoRing.h"
#include "autocreate/TextPreparation.h"
#include "platform/ControlArray.h"
#include "preview/PreviewTab.h"
#include "shell/Document.h"
#include "shell/DocumentTabs.h"
#include "shell/FileCommands.h"
#include "shell/Module1.h"
#include "shell/Projects.h"
#include "wizards/LineBreakGenerators.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class Dialogs;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QGroupBox;
class QPlainTextEdit;
class QTextEdit;
class QToolBar;
class RichEdit;
class TabStrip;

// The main window. It owns the controls and the documents; each subsystem keeps its procedures
// in a class of its own that reaches the window through a reference.
class fomPelmor : public QMainWindow {
    Q_OBJECT

public:
    fomPelmor(Module1& module, Dialogs& dialogs, QWidget* parent = nullptr);
    ~fomPelmor() override;

    Module1& m1;
    Dialogs& dlg;

    // ---- subsystems ----
    DocumentTabs tabs;
    FileCommands files;
    Projects projects;
    Colouring colour;
    UndoRing undo;
    Insertion insert;
    Regions regions;
    EditorFonts fonts;
    PreviewTab preview;
    LineBreakGenerators lineBreaks;
    TextPreparation prep;

    // ---- controls ----
    TabStrip* TabStrip1 = nullptr;
    QToolBar* Toolbar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* statusPanel1 = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mFontSet = nullptr;
    QMenu* mj = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* pm = nullptr; // the editor's popup menu
    ControlArray<QAction> mfile;
    ControlArray<QAction> Mefont1;
    ControlArray<QAction> mjidou;
    ControlArray<QAction> mhelp;
    ControlArray<QGroupBox> Frame;
    ControlArray<QLabel> Label;
    ControlArray<QPlainTextEdit> Text;
    ControlArray<QPushButton> Cmdcmd;
    ControlArray<QWidget> List3;
    QLineEdit* Text45 = nullptr; // the line-length box of the indent panel
    QTextEdit* Rtxt = nullptr;   // the explanation box of the lesson panel
    QWidget* FomRemote = nullptr; // the lesson window, while one exists

    // ---- documents ----
    std::vector<std::unique_ptr<Document>> docs;
    Document& doc(int n) { return *docs.at(static_cast<size_t>(n)); }
    RichEdit* HtText(int n) { return doc(n).HtText; }
    RichEdit* CurEditor() { return doc(CurDoc).HtText; }
    int DocCount() const { return static_cast<int>(docs.size()); }
    int TabCount() const;
    int CurDoc = 0;
    // Folders that closed documents leave in their slot; a new document there takes it.
    std::array<QString, MaxDocuments> DataPathLeft;

    bool CtrlDown = false;
    bool Unsaved = false;
    int PopupX = 0;
    int PopupY = 0;
    QString RemFile[6];

    // ---- procedures of the window ----
    void Form_Load();
    void LayoutMain();
    void LayoutPanel(int frameIndex, int labelIndex, int buttonIndex, int textIndex);
    void SetStatusText(const QString& text);
    QString StatusText() const;
    // The questions of quitting; false when the user said No to one of them.
    bool Form_QueryUnload();
    bool Form_Unload();
    // True once the window has been through its unload.
    bool unloaded() const { return unloaded_; }

    void mjidou_Click(int index);
    void mhelp_Click(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void deleteOwnTempFiles(const QString& folder);
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    QWidget* central_ = nullptr;
    bool layoutBusy_ = false;
    bool unloaded_ = false;
    bool closing_ = false;
};

#pragma once

#include "wizards/generators/FramesetGenerator.h"

#include <QObject>
#include <QString>

class Colouring;
class ControlRegistry;
class RichEdit;
class Workspace;

// The frames wizard: documents 0 and 1 become the two frames' pages, the frameset page
// goes into a document from the third on, and the three pages are written, each into its own
// document's folder. 戻す takes back the last 実行.
class FramesWizard : public QObject {
    Q_OBJECT

public:
    FramesWizard(Workspace& workspace, Colouring& colouring, ControlRegistry& controls);

    // The buttons "×" and "閉る": the panel goes.
    void close();
    // Builds the frameset page from the panel into a document and writes the pages. False when
    // it stopped before the page was put anywhere.
    bool makeFrameset();

    // The panel's inputs as the generator reads them.
    gen::FramesetInput input() const;

private:
    // "実行": makes the frameset and keeps what it changed for "戻す".
    void run();
    // "戻す": takes back the last "実行".
    void undo();
    // Writes document i's whole text into its folder under its own name; false after a message.
    bool writePage(int i, bool framesetPage);
    void addBaseTarget(const QString& baseLine);

    struct Kept {
        RichEdit* editor = nullptr;
        QString text;
        QString header;
        QString footer;
        bool modified = false;
    };
    Kept keep(int n) const;
    // What the last 実行 changed: the two pages before it, and the document of the frameset page.
    struct LastRun {
        bool valid = false;
        Kept pages[2];
        RichEdit* frameset = nullptr;
        bool added = false;
        QString filledName;
    };
    LastRun last_;
    // Where makeFrameset last put the page.
    RichEdit* framesetEditor_ = nullptr;
    bool framesetAdded_ = false;
    QString framesetOldName_;

    Workspace& ws;
    Colouring& colour;
    ControlRegistry& controls;
};

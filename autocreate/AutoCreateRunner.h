#pragma once

#include "autocreate/GeneratorAdapters.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AutoCreateMenu;
class AutoSettingsPanel;
class Colouring;
class ControlRegistry;
class DocumentFiles;
class RichEdit;
class UndoRing;
class Workspace;

// Automatic creation on the window: the run on the single open document, with frames the two
// further pages in new documents and on disk; the automatic run when a text file is opened; the
// bare skeleton of the Edit menu; the in-page links of the body page.
//
// A run works out every page from the document's text first and changes the documents only
// when that has succeeded, so a failure leaves everything as it was.
class AutoCreateRunner : public QObject {
    Q_OBJECT

public:
    AutoCreateRunner(Workspace& workspace, DocumentFiles& files, ControlRegistry& controls, UndoRing& undo,
                     Colouring& colouring, AutoCreateMenu& menu, AutoSettingsPanel& panel);

    // The menu item "自動作成実行" and the automatic run of a text file just opened.
    void run();
    // The Edit menu's "ヘッダー・フッターの挿入": the page around a text that has none.
    void insertPageSkeleton();
    // The menu item "同じページにリンクに変更": links to the anchors of document 1, in that page.
    void makeAnchorLinks();

    // The generators a run uses; the real ones unless replaced.
    using GeneratorFactory = std::function<autocreate::AutoCreateGenerators(
        const autocreate::PanelInputs& panels, const QString& documentFolder,
        const std::shared_ptr<autocreate::GeneratorEffects>& effects)>;
    GeneratorFactory makeGenerators = autocreate::realGenerators;

private:
    void textFileOpened(int n);
    // The document takes a page the run made: its text in one change, its name and encoding, and
    // its colours and temporary page.
    void putPage(int n, const QString& name, const QString& folder, const QString& text);
    void writePageFile(const QString& path, const QString& text);
    void writePanelFields(const autocreate::AutoCreateOutcome& outcome,
                          const autocreate::AutoCreateSettings& settings,
                          const autocreate::GeneratorEffects& effects);

    Workspace& ws;
    ControlRegistry& controls;
    UndoRing& undo;
    Colouring& colour;
    AutoCreateMenu& menu;
    AutoSettingsPanel& panel;
};

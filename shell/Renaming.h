#pragma once

#include <QString>

class CommandRegistry;
class ControlRegistry;
class Dispatcher;
class PanelKit;
class Workspace;

// The name under which a document will be saved, from what the user typed: blanks around it
// dropped, in lower case, the part before its first "." followed by ".css" when the text ends
// in "css" and by ".html" otherwise. Empty when nothing usable was typed.
QString renamedFileName(const QString& typed);
// A message when the new name cannot name a file in the document's folder; empty when it can.
QString renameProblem(const QString& newName);

// The rename panel: another save name for an open document. No file on disk is
// renamed; the document keeps its folder and counts as changed. Its buttons are the
// dispatcher's 112 to 114.
class Renaming {
public:
    Renaming(Workspace& workspace, PanelKit& panels, ControlRegistry& controls, Dispatcher& dispatcher);

    // The File menu's "ファイル名の変更".
    void declareCommands(CommandRegistry& commands);

    void showPanel();
    void renameFile();
    // An entry chosen in the name list goes into the new-name box.
    void takeChosenName(int row);

private:
    void build(PanelKit& panels);
    Workspace& ws;
    ControlRegistry& controls;
};

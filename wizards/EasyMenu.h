#pragma once

#include <QString>
#include <functional>

class CommandRegistry;
class PanelKit;
class UndoRing;
class Workspace;

// The easy-creation menu `mk1(0..25)` and the openers of its panels. Every item takes an undo
// snapshot first and empties the editor's own undo buffer last; opening a panel never changes
// the document.
class EasyMenu {
public:
    EasyMenu(Workspace& workspace, UndoRing& undo, PanelKit& panels);

    // The items of menu "mk1", separators included, in their order.
    void declareMenu(CommandRegistry& commands);
    // Also the lesson player's way to choose an item; a separator or an index outside 0 to 25
    // only touches the undo state.
    void mk1_Click(int index);

    // The page skeletons of items 0 and 1.
    std::function<void()> InsertSamplePage;
    std::function<void()> InsertPageSkeleton;

    void ShowBrPanel();
    void ShowSpacePanel();
    void ShowTitlePanel();
    void ShowHeadingPanel();
    void ShowBodyColourPanel();
    void ShowMarginPanel();
    void ShowCommentPanel();
    void ShowParagraphPanel();
    void ShowPositionPanel();
    void ShowRawTextPanel();
    void ShowFontPanel();
    void ShowFontSizePanel();
    void ShowFontColorPanel();
    void ShowEmPanel();
    void ShowStrongPanel();
    void ShowFontStylePanel();

private:
    void open(int frame, const QString& explanation);
    // The prompt in front of the explanation while nothing is selected.
    QString selectFirst(const QString& prompt, const QString& explanation) const;
    Workspace& ws;
    UndoRing& undo;
    PanelKit& panels;
};

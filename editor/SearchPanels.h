#pragma once

#include "platform/ControlRegistry.h"
#include "workspace/ExecuteButtons.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

struct EditContext;
class PanelKit;
class QLineEdit;
class QRadioButton;
class QWidget;

// The search panel `Frame(26)` (one occurrence at a time, letter case ignored, or every
// occurrence highlighted) and the replace panel `Frame(27)` (find next and replace one, or
// replace all, letter case exact). Their buttons run through the execute-button dispatcher.
class SearchPanels {
public:
    SearchPanels(EditContext& context, PanelKit& panels);

    // The 1-based position where the next one-at-a-time search starts (0 counts as 1).
    int searchPosition = 1;

    void showSearchPanel();
    void showReplacePanel();
    // The search panel's button: one search step, or the highlight of every occurrence.
    void searchForWord();
    // Presses the search panel's button, as a click on it does.
    void pressSearchButton();
    // The word in the search box, every occurrence chosen, and the search run: every occurrence
    // is painted.
    void searchEveryOccurrenceOf(const QString& word);
    // Paints the whole text blue and every occurrence of st red; the last one stays selected.
    void searchFor(const QString& st);
    // Find next; false when there is nothing to find (the press then leaves at once).
    bool findNext();
    // Replace one; false when nothing is selected.
    bool replaceOne();
    void replaceAll();
    // The replace panel's choice between one at a time (find next, replace one) and all at once
    // (replace all): shows the buttons of the chosen way.
    void chooseReplaceWay(bool allAtOnce);
    // A changed search word: the next one-at-a-time search starts at the top again.
    void restartSearch();

    // The dispatcher's branches of the panels' buttons, for the shell to install.
    using Branch = std::function<bool()>;
    std::vector<std::pair<ExecuteButton, Branch>> dispatcherBranches();

private:
    void buildSearchPanel();
    void buildReplacePanel();
    // One option array's buttons side by side, one of them chosen at a time.
    void addOptions(QWidget* panel, std::initializer_list<std::pair<ControlId, const char*>> options, int top);
    QLineEdit* panelBox(ControlId id) const;
    EditContext& ctx;
    PanelKit& panels;
};

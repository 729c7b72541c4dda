#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

#include <QString>
#include <functional>

class PanelKit;
class UndoRing;
class Workspace;

// The easy-creation menu and its items by purpose; the rows between them are separators.
namespace easy_menu {
inline constexpr MenuId Menu{"easy-creation"};
inline constexpr CommandId InsertSamplePage{"easy-creation.sample-page"};
inline constexpr CommandId InsertPageSkeleton{"easy-creation.page-skeleton"};
inline constexpr CommandId LineBreakPanel{"easy-creation.line-break-panel"};
inline constexpr CommandId SpacePanel{"easy-creation.space-panel"};
inline constexpr CommandId TitlePanel{"easy-creation.title-panel"};
inline constexpr CommandId HeadingPanel{"easy-creation.heading-panel"};
inline constexpr CommandId BodyColoursPanel{"easy-creation.body-colours-panel"};
inline constexpr CommandId MarginsPanel{"easy-creation.margins-panel"};
inline constexpr CommandId CommentPanel{"easy-creation.comment-panel"};
inline constexpr CommandId ParagraphPanel{"easy-creation.paragraph-panel"};
inline constexpr CommandId PositionPanel{"easy-creation.position-panel"};
inline constexpr CommandId RawTextPanel{"easy-creation.raw-text-panel"};
inline constexpr CommandId FontPanel{"easy-creation.font-panel"};
inline constexpr CommandId FontSizePanel{"easy-creation.font-size-panel"};
inline constexpr CommandId FontColourPanel{"easy-creation.font-colour-panel"};
inline constexpr CommandId EmphasisPanel{"easy-creation.emphasis-panel"};
inline constexpr CommandId StrongEmphasisPanel{"easy-creation.strong-emphasis-panel"};
inline constexpr CommandId FontShapePanel{"easy-creation.font-shape-panel"};
} // namespace easy_menu

// The easy-creation menu (26 rows) and the openers of its panels. Every item takes an undo
// snapshot first and empties the editor's own undo buffer last; opening a panel never changes
// the document.
class EasyMenu {
public:
    EasyMenu(Workspace& workspace, UndoRing& undo, PanelKit& panels);

    // The items of the easy-creation menu, separators included, in their order.
    void declareMenu(CommandRegistry& commands);
    // Runs the menu's row as a click on it does; a separator or a row outside 0 to 25 only
    // touches the undo state.
    void chooseItem(int row);

    // The page skeletons of the first two items, filled in by the generators.
    std::function<void()> makeSamplePage;
    std::function<void()> makePageSkeleton;
    void insertSamplePage();
    void insertPageSkeleton();

    void showLineBreakPanel();
    // The same panel for the Edit-2 menu's line length, with its own explanation and place.
    void showLineLengthPanel();
    void showSpacePanel();
    void showTitlePanel();
    void showHeadingPanel();
    void showBodyColoursPanel();
    void showMarginsPanel();
    void showCommentPanel();
    void showParagraphPanel();
    void showPositionPanel();
    void showPreformattedPanel();
    void showFontPanel();
    void showFontSizePanel();
    void showFontColourPanel();
    void showEmphasisPanel();
    void showStrongPanel();
    void showFontShapePanel();

private:
    void openWithExplanation(ControlId panel, const QString& explanation);
    // The prompt in front of the explanation while nothing is selected.
    QString selectFirst(const QString& prompt, const QString& explanation) const;
    Workspace& ws;
    UndoRing& undo;
    PanelKit& panels;
};

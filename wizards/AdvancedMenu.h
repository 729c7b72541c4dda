#pragma once

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"

#include <QString>

class ControlRegistry;
class MiniPanel;
class MovablePanels;
class PanelKit;
class Workspace;

// The advanced menu and its items, by purpose.
namespace advanced_menu {
inline constexpr MenuId Menu{"advanced"};
inline constexpr CommandId InsertRule{"advanced.insert-rule"};
inline constexpr CommandId InsertImage{"advanced.insert-image"};
inline constexpr CommandId MakeList{"advanced.make-list"};
inline constexpr CommandId SetLink{"advanced.set-link"};
inline constexpr CommandId MailLink{"advanced.mail-link"};
inline constexpr CommandId JumpInPage{"advanced.jump-in-page"};
inline constexpr CommandId JumpToPage{"advanced.jump-to-page"};
inline constexpr CommandId ScrollText{"advanced.scroll-text"};
inline constexpr CommandId MakeTable{"advanced.make-table"};
inline constexpr CommandId MakeMailForm{"advanced.make-mail-form"};
inline constexpr CommandId MakeFrames{"advanced.make-frames"};
inline constexpr CommandId BackgroundSound{"advanced.background-sound"};
inline constexpr CommandId PlayMovie{"advanced.play-movie"};
inline constexpr CommandId BackgroundImage{"advanced.background-image"};
inline constexpr CommandId DocumentInfo{"advanced.document-info"};
inline constexpr CommandId Doctype{"advanced.doctype"};
} // namespace advanced_menu

// The advanced menu: one handler per item, each opening its panel. None of them
// touches the document or the undo state.
class AdvancedMenu {
public:
    AdvancedMenu(Workspace& workspace, PanelKit& panels, ControlRegistry& controls, MiniPanel& mini, MovablePanels& drag);

    // The items of the advanced menu with the separators between them, in their order.
    void declareMenu(CommandRegistry& commands);

    void openRulePanel();
    void openImagePanel();
    // The image panel for a stylesheet's url: its own settings (size, border, alignment) hidden.
    void openImagePanelForUrl();
    void openListPanel();
    void openLinkPanel();
    void openMailLinkPanel();
    void openJumpInPagePanel();
    void openJumpToPagePanel();
    void openMarqueePanel();
    void openTablePanel();
    void openMailFormPanel();
    void openFramesWizard();
    void openBackgroundSoundPanel();
    void openMoviePanel();
    void openBackgroundImagePanel();
    void openDocumentInfoPanel();
    void openDoctypePanel();

private:
    void openWithExplanation(ControlId panel, const QString& explanation);
    // The image panel's テキストパス: the path of the current document, which relative paths
    // are counted from.
    void showImageBasePath();
    void setLinkMode(bool link);
    void setJumpNames(const QString& source);
    Workspace& ws;
    PanelKit& panels;
    ControlRegistry& controls;
    MiniPanel& mini;
    MovablePanels& drag;
};

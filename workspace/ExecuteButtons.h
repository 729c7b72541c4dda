#pragma once

#include "platform/ControlRegistry.h"

// The execute, close and action buttons of the guided panels, named for what a press does. A
// panel's "閉じる" button is Close...Panel and its "×" close box ...PanelCloseBox; both only
// hide the panel unless said otherwise. Every press runs the dispatcher (wizards/Dispatcher):
// an undo snapshot, the button's branch, then the editor's own undo buffer emptied. The buttons
// marked "no branch" change only the undo state.
//
// The numbers are the buttons' identities and stay as they are: the dispatcher keeps its
// branches by them, the lesson's commands press 127, 132 and 134, and the tests walk all of them.
// The enum lives here, below the subsystems, because the editor's panels have buttons of their
// own (79 to 87 and 122) and every subsystem that makes or presses a button names it.
enum class ExecuteButton : int {
    InsertLink = 0, // a link, or a mail link while ChooseLinkTarget is hidden; the link panel then closes
    CloseLinkPanel = 1,
    LinkPanelCloseBox = 2,
    ChooseLinkTarget = 3, // chooses a file as the link's target and inserts the link at once
    ListPanelCloseBox = 4,
    RulePanelCloseBox = 5,
    CloseRulePanel = 6,
    InsertRule = 7,
    InsertList = 8,
    CloseListPanel = 9,
    ImagePanelCloseBox = 10,
    InsertImage = 11,
    CloseImagePanel = 12,
    MarqueePanelCloseBox = 13,
    InsertMarquee = 14,
    CloseMarqueePanel = 15,
    TablePanelCloseBox = 16,
    InsertTable = 17,
    CloseTablePanel = 18,
    MailFormPanelCloseBox = 19,
    CloseMailFormPanel = 20,
    InsertMailForm = 21,
    BackgroundSoundPanelCloseBox = 22,
    InsertBackgroundSound = 23,
    CloseBackgroundSoundPanel = 24,
    InsertMovie = 25,
    CloseMoviePanel = 26,
    MoviePanelCloseBox = 27,
    BackgroundImagePanelCloseBox = 28,
    InsertBackgroundImage = 29,
    CloseBackgroundImagePanel = 30,
    CloseFontPanel = 31,
    InsertFont = 32,
    FontPanelCloseBox = 33,
    DoctypePanelCloseBox = 34,
    CloseDoctypePanel = 35,
    InsertDoctype = 36,
    InsertFontSize = 37,
    CloseFontSizePanel = 38,
    FontSizePanelCloseBox = 39,
    InsertFontColour = 40,
    CloseFontColourPanel = 41,
    FontColourPanelCloseBox = 42,
    EmphasisPanelCloseBox = 43,
    CloseEmphasisPanel = 44,
    InsertEmphasis = 45,
    InsertStrong = 46,
    CloseStrongPanel = 47,
    StrongPanelCloseBox = 48,
    InsertFontShape = 49,
    CloseFontShapePanel = 50,
    FontShapePanelCloseBox = 51,
    InsertLineBreakMark = 52, // the CSS builder's value panel: the line-break mark of the insertion primitives
    StoreIndentAndClose = 53, // stores the indent panel's line length as the setting, then closes the panel
    IndentPanelCloseBox = 54, // closes without storing
    SpacePanelCloseBox = 55,
    CloseSpacePanel = 56,
    InsertSpace = 57,
    TitlePanelCloseBox = 58,
    CloseTitlePanel = 59,
    InsertTitle = 60,
    InsertHeading = 61,
    CloseHeadingPanel = 62,
    HeadingPanelCloseBox = 63,
    BodyColoursPanelCloseBox = 64,
    CloseBodyColoursPanel = 65,
    SetBodyColours = 66,
    CloseMarginsPanel = 67,
    SetMargins = 68,
    MarginsPanelCloseBox = 69,
    InsertComment = 70,
    CloseCommentPanel = 71,
    CommentPanelCloseBox = 72,
    CloseParagraphPanel = 73,
    InsertAlignedParagraph = 74,
    ParagraphPanelCloseBox = 75,
    PositionPanelCloseBox = 76,
    InsertAlignedDivision = 77,
    ClosePositionPanel = 78,
    CloseSearchPanel = 79,
    Search = 80, // one search step, or every occurrence highlighted; the Edit menu's direct search presses it
    SearchPanelCloseBox = 81,
    ReplacePanelCloseBox = 82,
    UnusedReplaceButton = 83, // hidden, no branch
    CloseReplacePanel = 84,
    FindNext = 85,
    ReplaceOne = 86,
    ReplaceAll = 87, // replaces every occurrence, then closes the replace panel
    RemoveFavourite = 88,
    RestoreRemovedFavourite = 89,
    MoveFavouriteToTop = 90,
    SaveFavourites = 91,
    CloseFavouritesPanel = 92,
    FavouritesPanelCloseBox = 93,
    ClosePreformattedPanel = 94,
    InsertPreformatted = 95,
    PreformattedPanelCloseBox = 96,
    InsertPageJump = 97,
    ClosePageJumpPanel = 98,
    PageJumpPanelCloseBox = 99,
    CloseLinkListPanel = 100, // empties the link list, then closes
    ShowListedPage = 101, // shows the page whose links are listed
    LinkListPanelCloseBox = 102, // empties the link list, then closes
    ListLinksOfShownPage = 103, // lists the links of the page the preview shows now
    LineLengthPanelCloseBox = 104,
    UnusedLineLengthButton = 105, // no branch
    CloseLineLengthPanel = 106,
    CloseAutoSettingsPanel = 107,
    CloseDocumentInfoPanel = 108,
    AutoSettingsPanelCloseBox = 109,
    InsertDocumentInfo = 110,
    DocumentInfoPanelCloseBox = 111,
    RenamePanelCloseBox = 112,
    CloseRenamePanel = 113,
    RenameFile = 114,
    SaveTemplate = 115,
    CloseTemplatePanel = 116,
    TemplatePanelCloseBox = 117,
    DeleteTemplate = 118,
    PasteTemplate = 119,
    UnusedIndentingPanelCloseBox = 120, // no branch
    UnusedIndentingPanelClose = 121, // no branch
    GrammarPanelCloseBox = 122, // closes the grammar panel and recolours the text
    UnusedIndentingPanelExecute = 123, // no branch
    CssBuilderCloseBox = 124,
    InsertStyleTextInline = 125, // the style text without its line breaks, in front of the selection
    HelpPaneCloseBox = 126, // closes the help pane, then brings the colour picker to the front when it is shown
    MakeRuleWithSelector = 127, // makes the style text a rule for the selector; the lesson's "OK" presses it
    CloseCssFontPanel = 128,
    ClearStyleText = 129,
    CloseCssColourPanel = 130,
    PutColourIntoStyleText = 131,
    InsertStyleText = 132, // the style text at the caret; the lesson presses it
    CloseCssLinkPanel = 133,
    InsertCssLink = 134, // the stylesheet's link into the current page, then closes the panel; the lesson presses it
    CssLinkPanelCloseBox = 135,
    InsertStyleTextInBraces = 136,
    ClearSelector = 137,
    UnusedCssValuePanelClose = 138, // no branch
    PutValueIntoStyleText = 139,
    StylesheetNamePanelCloseBox = 140,
    CreateStylesheet = 141,
    CloseStylesheetNamePanel = 142,
    ShowCssBuilderHelp = 143,
    ShowHelpContents = 144,
};

inline constexpr int ExecuteButtonCount = 145;

constexpr int buttonNumber(ExecuteButton button)
{
    return static_cast<int>(button);
}

// The buttons in the control registry, each under its number.
inline constexpr ControlArrayId ExecuteButtons{"dispatcher.execute-button"};

constexpr ControlInArray executeButton(ExecuteButton button)
{
    return {ExecuteButtons, buttonNumber(button)};
}

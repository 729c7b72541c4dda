#pragma once

#include "platform/ControlRegistry.h"

// The inputs of the advanced menu's panels and of the table panel: the boxes, options, check
// boxes and buttons their generators read, by panel.

// The link panel: the target (or, for a mail link, the address) and whether the link opens a
// new window.
namespace link_panel {
// Its caption says "リンク先" or "メールアドレス", as the panel was opened.
inline constexpr ControlId TargetLabel{"link-panel.target-label"};
inline constexpr ControlId TargetBox{"link-panel.target-box"};
inline constexpr ControlId NewWindowCheck{"link-panel.new-window"};
} // namespace link_panel

// The rule panel: thickness, colour, the two lengths, the shadow and the alignment.
namespace rule_panel {
inline constexpr ControlId ThicknessBox{"rule-panel.thickness-box"};
inline constexpr ControlId ColourBox{"rule-panel.colour-box"};
inline constexpr ControlId ColourButton{"rule-panel.colour-button"};
inline constexpr ControlId LengthMmBox{"rule-panel.length-mm-box"};
inline constexpr ControlId LengthPercentBox{"rule-panel.length-percent-box"};
inline constexpr ControlId ShadedCheck{"rule-panel.shaded"};
// Left, centred, right.
inline constexpr ControlArrayId Alignment{"rule-panel.alignment"};
} // namespace rule_panel

// The list panel: the kind of list (plain, marked, numbered) and the mark (black, white, square).
namespace list_panel {
inline constexpr ControlArrayId Kind{"list-panel.kind"};
inline constexpr ControlArrayId Mark{"list-panel.mark"};
} // namespace list_panel

// The image panel: the chosen picture, its path relative to the document, how it lies beside the
// text, its size, spaces, border and the text shown in its place.
namespace image_panel {
// Shows the path of the document the picture goes into.
inline constexpr ControlId DocumentPathLabel{"image-panel.document-path"};
inline constexpr ControlId ChooseFileButton{"image-panel.choose-file"};
inline constexpr ControlId ChosenFileBox{"image-panel.chosen-file"};
inline constexpr ControlId RelativePathBox{"image-panel.relative-path"};
inline constexpr ControlId ShowPictureButton{"image-panel.show-picture"};
// Top, middle, bottom, left, right.
inline constexpr ControlArrayId Alignment{"image-panel.alignment"};
inline constexpr ControlId HeightPercentBox{"image-panel.height-percent"};
inline constexpr ControlId WidthPercentBox{"image-panel.width-percent"};
inline constexpr ControlId HeightMmBox{"image-panel.height-mm"};
inline constexpr ControlId WidthMmBox{"image-panel.width-mm"};
inline constexpr ControlId VerticalSpaceBox{"image-panel.vertical-space"};
inline constexpr ControlId HorizontalSpaceBox{"image-panel.horizontal-space"};
inline constexpr ControlId BorderBox{"image-panel.border"};
inline constexpr ControlId AltTextBox{"image-panel.alt-text"};
} // namespace image_panel

// The marquee panel: direction, behaviour, timing, margins, size and background.
namespace marquee_panel {
// Left, right, up, down.
inline constexpr ControlArrayId Direction{"marquee-panel.direction"};
// Scrolling on, back and forth, stopping at the edge.
inline constexpr ControlArrayId Behaviour{"marquee-panel.behaviour"};
inline constexpr ControlId LoopCountBox{"marquee-panel.loop-count"};
inline constexpr ControlId DelayBox{"marquee-panel.delay"};
inline constexpr ControlId StepBox{"marquee-panel.step"};
inline constexpr ControlId SideMarginBox{"marquee-panel.side-margin"};
inline constexpr ControlId TopBottomMarginBox{"marquee-panel.top-bottom-margin"};
inline constexpr ControlId WidthMmBox{"marquee-panel.width-mm"};
inline constexpr ControlId WidthPercentBox{"marquee-panel.width-percent"};
inline constexpr ControlId HeightMmBox{"marquee-panel.height-mm"};
inline constexpr ControlId HeightPercentBox{"marquee-panel.height-percent"};
inline constexpr ControlId TrueSpeedCheck{"marquee-panel.true-speed"};
inline constexpr ControlId BackgroundBox{"marquee-panel.background-box"};
inline constexpr ControlId BackgroundButton{"marquee-panel.background-button"};
} // namespace marquee_panel

// The mail form panel: the address the form is sent to.
namespace mail_form_panel {
inline constexpr ControlId AddressBox{"mail-form-panel.address"};
} // namespace mail_form_panel

// The background sound panel: the sound file and how often it plays.
namespace background_sound_panel {
inline constexpr ControlId ChooseFileButton{"background-sound-panel.choose-file"};
inline constexpr ControlId FileBox{"background-sound-panel.file"};
inline constexpr ControlId RepeatBox{"background-sound-panel.repeat"};
} // namespace background_sound_panel

// The movie panel: the movie file and the text shown in its place.
namespace movie_panel {
inline constexpr ControlId ChooseFileButton{"movie-panel.choose-file"};
inline constexpr ControlId FileBox{"movie-panel.file"};
inline constexpr ControlId TextBox{"movie-panel.text"};
} // namespace movie_panel

// The background image panel: the picture and how it repeats.
namespace background_image_panel {
inline constexpr ControlId ChooseFileButton{"background-image-panel.choose-file"};
inline constexpr ControlId FileBox{"background-image-panel.file"};
// Across and down, not at all, across, down.
inline constexpr ControlArrayId Repeat{"background-image-panel.repeat"};
} // namespace background_image_panel

// The document type panel: strict, transitional, frameset.
namespace doctype_panel {
inline constexpr ControlArrayId Version{"doctype-panel.version"};
} // namespace doctype_panel

// The page jump panel: the jump's source or its target, each with its name box; the name box of
// the option not chosen is disabled.
namespace page_jump_panel {
inline constexpr ControlId SourceOption{"page-jump-panel.source-option"};
inline constexpr ControlId SourceNameBox{"page-jump-panel.source-name"};
inline constexpr ControlId TargetOption{"page-jump-panel.target-option"};
inline constexpr ControlId TargetNameBox{"page-jump-panel.target-name"};
} // namespace page_jump_panel

// The document information panel: author, keywords and description.
namespace document_info_panel {
inline constexpr ControlId AuthorBox{"document-info-panel.author"};
inline constexpr ControlId KeywordsBox{"document-info-panel.keywords"};
inline constexpr ControlId DescriptionBox{"document-info-panel.description"};
} // namespace document_info_panel

// The table panel's settings: caption, headings, position, spacing, borders, cells, size, rules.
namespace table_panel {
inline constexpr ControlId TitleBox{"table-panel.title-box"};
// 0: below the table, 1: above it.
inline constexpr ControlArrayId CaptionPosition{"table-panel.caption-position"};
// None, the first row, the first column, both.
inline constexpr ControlArrayId Headings{"table-panel.headings"};
// Left, centre, right.
inline constexpr ControlArrayId Position{"table-panel.position"};
inline constexpr ControlId VerticalSpacingBox{"table-panel.vertical-spacing"};
inline constexpr ControlId HorizontalSpacingBox{"table-panel.horizontal-spacing"};
inline constexpr ControlId BorderWidthBox{"table-panel.border-width"};
inline constexpr ControlId BorderColourBox{"table-panel.border-colour"};
inline constexpr ControlId LightColourBox{"table-panel.light-colour"};
inline constexpr ControlId DarkColourBox{"table-panel.dark-colour"};
inline constexpr ControlId BorderColourButton{"table-panel.border-colour-button"};
inline constexpr ControlId LightColourButton{"table-panel.light-colour-button"};
inline constexpr ControlId DarkColourButton{"table-panel.dark-colour-button"};
// How the outer border is drawn, from all four sides to none.
inline constexpr ControlArrayId Frame{"table-panel.frame"};
// The text's place in a cell: left, centre, right; top, centre, bottom.
inline constexpr ControlArrayId CellAlignment{"table-panel.cell-alignment"};
inline constexpr ControlArrayId CellVerticalAlignment{"table-panel.cell-vertical-alignment"};
inline constexpr ControlId CellBackgroundBox{"table-panel.cell-background"};
inline constexpr ControlId CellBackgroundButton{"table-panel.cell-background-button"};
inline constexpr ControlId WidthBox{"table-panel.width"};
inline constexpr ControlId HeightBox{"table-panel.height"};
// All borders, rows only, columns only, none.
inline constexpr ControlArrayId Rules{"table-panel.rules"};
} // namespace table_panel

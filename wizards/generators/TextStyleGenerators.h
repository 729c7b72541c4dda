#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The generators that wrap the selected text in a text-level construct.
namespace gen {

struct HeadingInput {
    EditorState editor;
    QString level; // heading_panel::LevelBox
};
// The heading panel (Frame(20)), ExecuteButton::InsertHeading.
GeneratedEdit makeHeading(const HeadingInput& in);

struct CommentInput {
    EditorState editor;
};
// The comment panel (Frame(23)), ExecuteButton::InsertComment.
GeneratedEdit makeComment(const CommentInput& in);

struct FontSizeInput {
    EditorState editor;
    QString size; // font_size_panel::SizeBox
};
// The font size panel (Frame(12)), ExecuteButton::InsertFontSize.
GeneratedEdit makeFontSize(const FontSizeInput& in);

struct FontColourInput {
    EditorState editor;
    QString colour; // font_colour_panel::ColourBox
};
// The font colour panel (Frame(13)), ExecuteButton::InsertFontColour.
GeneratedEdit makeFontColour(const FontColourInput& in);

struct EmphasisInput {
    EditorState editor;
};
// The emphasis panel (Frame(14)), ExecuteButton::InsertEmphasis.
GeneratedEdit makeEm(const EmphasisInput& in);
// The strong emphasis panel (Frame(15)), ExecuteButton::InsertStrong.
GeneratedEdit makeStrong(const EmphasisInput& in);
// The mini panel's blink mode: the selection between " <BLINK>" and "</BLINK> ", unpainted.
GeneratedEdit makeBlink(const EmphasisInput& in);

// What the font-size spinner writes into its size box: its value, with "+" in front of a value
// that is not negative while font_size_panel::Kind(1) "相対値で指定" is selected.
QString fontSizeText(int value, bool relative);

// The range of the font-size spinner for the size kind font_size_panel::Kind(index): -6 to 6
// relative, 1 to 7 absolute.
struct SpinnerRange {
    int minimum;
    int maximum;
};
SpinnerRange fontSizeRange(int option17Index);

} // namespace gen

#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The generators that write into the page's TITLE element and BODY start tag.
namespace gen {

struct TitleInput {
    EditorState editor;
    QString title; // title_panel::TitleBox
};
// The title panel (Frame(19)), ExecuteButton::InsertTitle; also the mini panel's execute button.
GeneratedEdit makeTitle(const TitleInput& in);

struct BodyColoursInput {
    EditorState editor;
    QString textColour;       // body_colours_panel::TextColourBox
    QString backgroundColour; // body_colours_panel::BackgroundBox
};
// The body colours panel (Frame(21)), ExecuteButton::SetBodyColours.
GeneratedEdit makeBodyColours(const BodyColoursInput& in);

struct BodyMarginsInput {
    EditorState editor;
    QString top;  // margins_panel::TopMarginBox, millimetres
    QString left; // margins_panel::LeftMarginBox, millimetres
};
// The margins panel (Frame(22)), ExecuteButton::SetMargins.
GeneratedEdit makeBodyMargins(const BodyMarginsInput& in);

} // namespace gen

#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The generators that write into the page's TITLE element and BODY start tag.
namespace gen {

struct TitleInput {
    EditorState editor;
    QString title; // Text6(6)
};
// The title panel (Frame(19)), ExecuteButton::InsertTitle; also the mini panel's execute button.
GeneratedEdit makeTitle(const TitleInput& in);

struct BodyColorsInput {
    EditorState editor;
    QString textColour;       // Text6(9)
    QString backgroundColour; // Text6(10)
};
// The body colours panel (Frame(21)), ExecuteButton::SetBodyColours.
GeneratedEdit makeBodyColors(const BodyColorsInput& in);

struct BodyMarginsInput {
    EditorState editor;
    QString top;  // Text6(11), millimetres
    QString left; // Text6(12), millimetres
};
// The margins panel (Frame(22)), ExecuteButton::SetMargins.
GeneratedEdit makeBodyMargins(const BodyMarginsInput& in);

} // namespace gen

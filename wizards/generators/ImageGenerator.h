#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct ImageInput {
    EditorState editor;
    QString documentFolder;
    QString chosenFile;             // image_panel::ChosenFileBox
    QString relativePath;           // image_panel::RelativePathBox; receives the path as written
    // The size boxes by the label in front of them: 縦幅 is the height, 横幅 the width.
    QString heightPercent;          // 縦幅 ％ (image_panel::HeightPercentBox)
    QString widthPercent;           // 横幅 ％ (image_panel::WidthPercentBox)
    QString heightMm;               // 縦幅 mm
    QString widthMm;                // 横幅 mm
    QString border;                 // image_panel::BorderBox, written as typed
    int align = 1;                  // image_panel::Alignment place: 0 top, 1 middle, 2 bottom, 3 left, 4 right; -1 none
    QString vspace;                 // image_panel::VerticalSpaceBox "上下", written as typed
    QString hspace;                 // image_panel::HorizontalSpaceBox "左右", written as typed
    QString alt;                    // image_panel::AltTextBox
};

// The image panel (Frame(3)), ExecuteButton::InsertImage; also called by automatic creation and the lesson player.
GeneratedEdit makeImage(const ImageInput& in);

// While the CSS builder is shown, the image panel's insert goes into the builder's style text
// instead: each "url;" becomes "url(" + relativePath + ");".
QString styleTextWithImage(const QString& styleText, const QString& relativePath);

} // namespace gen

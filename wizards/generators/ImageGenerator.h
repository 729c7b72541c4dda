#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct ImageInput {
    EditorState editor;
    QString documentFolder;
    bool cssBuilderVisible = false; // the CSS builder shown: the url goes into its style text
    QString styleText;              // the CSS builder's style text
    QString chosenFile;             // txtsentaku
    QString relativePath;           // TxtSoutai; receives the path as written
    // The size boxes by the label in front of them: 縦幅 is the height, 横幅 the width.
    QString heightPercent;          // 縦幅 ％ (Txttatep)
    QString widthPercent;           // 横幅 ％ (Txtyokop)
    QString heightMm;               // 縦幅 mm
    QString widthMm;                // 横幅 mm
    QString border;                 // txtwaku, written as typed
    int align = 1;                  // Option6 index: 0 top, 1 middle, 2 bottom, 3 left, 4 right; -1 none
    QString vspace;                 // Txtud "上下", written as typed
    QString hspace;                 // Txtlr "左右", written as typed
    QString alt;                    // txtgazou
};

// The image panel (Frame(3)), ExecuteButton::InsertImage; also called by automatic creation and the lesson player.
GeneratedEdit makeImage(const ImageInput& in);

} // namespace gen

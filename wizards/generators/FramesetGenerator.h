#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>
#include <QStringList>

#include <optional>

// The text of the frames wizard: the frameset page and the BASE element that sends the
// links of the first frame's page to the second frame.
namespace gen {

struct FramesetInput {
    QString pageName = QStringLiteral("index.html");   // frames_wizard::FramesetFileBox, the frameset page
    QString firstPage = QStringLiteral("left.html");   // frames_wizard::FirstFileBox, left or top
    QString firstName = QStringLiteral("left");        // frames_wizard::FirstNameBox
    QString secondPage = QStringLiteral("right.html"); // frames_wizard::SecondFileBox, right or bottom
    QString secondName = QStringLiteral("right");      // frames_wizard::SecondNameBox
    bool columns = true;                               // frames_wizard::Split(0) "縦分割"; else frames_wizard::Split(1) "横分割"
    QString firstSize = QStringLiteral("20");          // frames_wizard::FirstSizeBox, per cent
    int firstScrolling = 2;  // the place chosen in frames_wizard::FirstScrolling: 0 "Yes", 1 "No", 2 "Auto"
    int secondScrolling = 2; // the place chosen in frames_wizard::SecondScrolling: 0 "Yes", 1 "No", 2 "Auto"
    bool setTarget = true;                             // frames_wizard::SetTargetCheck
    QString target = QStringLiteral("right");          // frames_wizard::TargetBox
    bool borders = true;                               // frames_wizard::BordersCheck "境界線あり"
    QString borderColour = QStringLiteral("#000000");  // frames_wizard::BorderColourBox
    QString borderWidth;                               // frames_wizard::BorderWidthBox, millimetres
};

struct FramesetPage {
    std::optional<QString> message; // instead of the pages
    QString page;                   // the frameset page, no line break after its last line
    QString baseLine;               // the BASE element + CR LF; empty without frames_wizard::SetTargetCheck
};

FramesetPage makeFrameset(const FramesetInput& in);

// The text with baseLine put in front of its first "</HEAD>" (in any letter case); unchanged when
// it has none.
QString insertBaseTarget(const QString& text, const QString& baseLine);

// The document that receives the frameset page: the last one from the third on whose text is
// empty; -1 when there is none and a document is to be added. Documents 0 and 1 hold the frames'
// pages and never receive it.
int framesetDocument(const QStringList& documentTexts);

// True for a document whose file name (without folder) is one of the three pages.
bool isFramesPage(const QString& namePart, const FramesetInput& in);

// Shown by 実行 while document 0 or 1 has only its temporary name.
QString framesSaveFirstMessage();

// The frame names and the link target that the split choice frames_wizard::Split(index) puts
// into frames_wizard::FirstNameBox, frames_wizard::SecondNameBox and frames_wizard::TargetBox.
struct FrameNames {
    QString first;
    QString second;
    QString target;
};
FrameNames frameNamesForSplit(int option5Index);

} // namespace gen

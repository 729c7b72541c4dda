#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>
#include <QStringList>

#include <optional>

// The text of the frames wizard FrmFrame: the frameset page and the BASE element that sends the
// links of the first frame's page to the second frame.
namespace gen {

struct FramesetInput {
    QString pageName = QStringLiteral("index.html");   // Text1(9), the frameset page
    QString firstPage = QStringLiteral("left.html");   // Text1(0), left or top
    QString firstName = QStringLiteral("left");        // Text1(1)
    QString secondPage = QStringLiteral("right.html"); // Text1(2), right or bottom
    QString secondName = QStringLiteral("right");      // Text1(3)
    bool columns = true;                               // Option5(0) "縦分割"; else Option5(1) "横分割"
    QString firstSize = QStringLiteral("20");          // Text7(0), per cent
    int firstScrolling = 2;  // Option18(0) "Yes" -> 0, Option18(1) "No" -> 1, Option18(2) "Auto" -> 2
    int secondScrolling = 2; // Option18(5) "Yes" -> 0, Option18(4) "No" -> 1, Option18(3) "Auto" -> 2
    bool setTarget = true;                             // Check5(0)
    QString target = QStringLiteral("right");          // Text1(11)
    bool borders = true;                               // Check5(1) "境界線あり"
    QString borderColour = QStringLiteral("#000000");  // Text1(8)
    QString borderWidth;                               // Text1(12), millimetres
};

struct FramesetPage {
    std::optional<QString> message; // instead of the pages
    QString page;                   // the frameset page, no line break after its last line
    QString baseLine;               // the BASE element + CR LF; empty without Check5(0)
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

// The frame names and the link target that the split choice Option5(index) puts into Text1(1),
// Text1(3) and Text1(11).
struct FrameNames {
    QString first;
    QString second;
    QString target;
};
FrameNames frameNamesForSplit(int option5Index);

} // namespace gen

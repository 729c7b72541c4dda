#pragma once

#include <QString>

// The explanations that the guided panels of the easy-creation and advanced menus show, and the
// requests to select text that some of them put in front. Each explanation is its lines, every
// line followed by CR LF, unless it says otherwise.
namespace paneltext {

// The open dialog's filter for pictures: the formats that browsers show, then every file.
QString imageFilesFilter();

// ---- easy-creation menu ----
QString lineBreak();       // Frame(17), Text(18)
QString space();           // Frame(18), Text(19)
QString title();           // Frame(19), Text(20)
QString heading();         // Frame(20), Text(21)
QString bodyColours();     // Frame(21), Text(22)
QString margins();         // Frame(22), Text(23)
QString comment();         // Frame(23), Text(24)
QString paragraph();       // Frame(24), Text(25)
QString position();        // Frame(25), Text(26)
QString rawText();         // Frame(29), Text(30)
QString font();            // Frame(10), Text(11)
QString fontSize();        // Frame(12), Text(13)
QString fontColour();      // Frame(13), Text(14)
QString emphasis();        // Frame(14), Text(15)
QString strongEmphasis();  // Frame(15), Text(16)
QString fontShape();       // Frame(16), Text(17)

// The requests to select text first, shown in front of the explanation while nothing is
// selected; each ends in its line break.
QString fontSizePrompt();
QString positionPrompt();
QString rawTextPrompt();
QString emphasisPrompt();
QString strongEmphasisPrompt();
QString marqueePrompt();

// ---- advanced menu ----
QString rule();            // Frame(1), Text(1)
QString image();           // Frame(3), Text(3)
QString list();            // Frame(2), Text(2)
QString link();            // Frame(0), Text(0), link mode
QString mailLink();        // Frame(0), Text(0), mail mode
QString jumpInPage();      // Frame(30), Text(31), same page
QString jumpToPage();      // Frame(30), Text(31), other page
QString marquee();         // Frame(4), Text(4)
QString table();           // Frame(5), Text(5)
QString mailForm();        // Frame(6), Text(7)
QString frames();          // the frames wizard's explanation: its sentences run on without line breaks
QString sound();           // Frame(7), Text(8)
QString movie();           // Frame(8), Text(9)
QString backgroundImage(); // Frame(9), Text(10)
QString documentInfo();    // Frame(34), Text(35)
QString doctype();         // Frame(11), Text(12)

} // namespace paneltext

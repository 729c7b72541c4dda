#pragma once

#include <QString>

// The explanations that the guided panels of the easy-creation and advanced menus show, and the
// requests to select text that some of them put in front. Each explanation is its lines, every
// line followed by CR LF, unless it says otherwise.
namespace paneltext {

// The open dialog's filter for pictures: the formats that browsers show, then every file.
QString imageFilesFilter();

// ---- easy-creation menu ----
QString lineBreak();       // the indent panel
QString lineLength();      // the indent panel, opened from the Edit-2 menu
QString space();           // the space panel
QString title();           // the title panel
QString heading();         // the heading panel
QString bodyColours();     // the body colours panel
QString margins();         // the margins panel
QString comment();         // the comment panel
QString paragraph();       // the paragraph panel
QString blockPosition();   // the position panel
QString rawText();         // the preformatted text panel
QString fontNames();       // the font panel
QString fontSize();        // the font size panel
QString fontColour();      // the font colour panel
QString emphasis();        // the emphasis panel
QString strongEmphasis();  // the strong emphasis panel
QString fontShape();       // the font shape panel

// The requests to select text first, shown in front of the explanation while nothing is
// selected; each ends in its line break.
QString fontSizePrompt();
QString positionPrompt();
QString rawTextPrompt();
QString emphasisPrompt();
QString strongEmphasisPrompt();
QString marqueePrompt();

// ---- advanced menu ----
QString rule();            // the rule panel
QString image();           // the image panel
QString list();            // the list panel
QString link();            // the link panel, link mode
QString mailLink();        // the link panel, mail mode
QString jumpInPage();      // the page jump panel, same page
QString jumpToPage();      // the page jump panel, other page
QString marquee();         // the marquee panel
QString table();           // the table panel
QString mailForm();        // the mail form panel
QString frames();          // the frames wizard's explanation: its sentences run on without line breaks
QString sound();           // the background sound panel
QString movie();           // the movie panel
QString backgroundImage(); // the background image panel
QString documentInfo();    // the document information panel
QString doctype();         // the document type panel

} // namespace paneltext

#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct MarqueeInput {
    EditorState editor;
    QString widthMm;         // Txthaba(0)
    QString widthPercent;    // Txthaba(1)
    QString heightMm;        // Txttakasa(0)
    QString heightPercent;   // Txttakasa(1)
    QString hspace;          // Txtsayu(0), written as typed
    QString vspace;          // Txtjyouge(0), written as typed
    QString loop;            // TxtKaisu
    QString delay;           // Txtjikan, milliseconds
    QString amount;          // Txtkyori
    int behavior = 0;        // Option14 index: 0 scroll, 1 alternate, 2 slide
    int direction = 0;       // Option15 index: 0 left, 1 right, 2 up, 3 down
    bool truespeed = false;  // Check3
    QString background;      // txtiro1
};

// The marquee panel (Frame(4)), ExecuteButton::InsertMarquee.
GeneratedEdit makeMarquee(const MarqueeInput& in);

} // namespace gen

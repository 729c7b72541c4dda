#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

namespace gen {

struct MarqueeInput {
    EditorState editor;
    QString widthMm;         // marquee_panel::WidthMmBox
    QString widthPercent;    // marquee_panel::WidthPercentBox
    QString heightMm;        // marquee_panel::HeightMmBox
    QString heightPercent;   // marquee_panel::HeightPercentBox
    QString hspace;          // marquee_panel::SideMarginBox, written as typed
    QString vspace;          // marquee_panel::TopBottomMarginBox, written as typed
    QString loop;            // marquee_panel::LoopCountBox
    QString delay;           // marquee_panel::DelayBox, milliseconds
    QString amount;          // marquee_panel::StepBox
    int behavior = 0;        // marquee_panel::Behaviour place: 0 scroll, 1 alternate, 2 slide
    int direction = 0;       // marquee_panel::Direction place: 0 left, 1 right, 2 up, 3 down
    bool truespeed = false;  // marquee_panel::TrueSpeedCheck
    QString background;      // marquee_panel::BackgroundBox
};

// The marquee panel (Frame(4)), ExecuteButton::InsertMarquee.
GeneratedEdit makeMarquee(const MarqueeInput& in);

} // namespace gen

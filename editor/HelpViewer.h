#pragma once

// The help pages that commands open beside the text, by what they explain.
enum class HelpPage {
    Contents,
    Overview,
    EditMode,
    Regions,
    Stylesheets,
    CssBuilder,
    CssProperties,
    ColourPicker,
};

// Shows a help page: the help pane of the preview subsystem implements it, and the shell hands it
// to the tools that have a help button. The editor's menus ask for their pages by a signal.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelpPage(HelpPage page) = 0;
};

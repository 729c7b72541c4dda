#pragma once

#include "platform/ControlRegistry.h"
#include "wizards/EditApplier.h"

#include <QString>
#include <functional>
#include <initializer_list>

class ControlRegistry;
class Dispatcher;
class EasyMenu;
class Insertion;
class MiniPanel;
class Pickers;
class SearchPanels;
class Workspace;

// The generators behind the panels' execute buttons: each reads its panel's inputs from the
// control registry, asks its generator for the text and applies the result to the current
// document.
class Generators {
public:
    Generators(Workspace& workspace, ControlRegistry& controls, EditApplier& applier, Insertion& insertion);

    // Serves the panels: fills the dispatcher's execute branches, the mini panel's modes (one of
    // them the search panel's search), the background-image button's insertion and the
    // easy-creation menu's page skeletons.
    void serve(Dispatcher& dispatcher, MiniPanel& mini, Pickers& pickers, EasyMenu& easy, SearchPanels& search);

    // While the CSS builder is shown, the image panel's insert puts the picture's relative path
    // into the builder's style text instead of the page: this hands the path over and is true
    // when the builder took it. The shell fills it in.
    std::function<bool(const QString& relativePath)> imageIntoStyleText;

    void insertLinkOrMailLink(); // a link or, while "リンク先" is hidden, a mail link
    void insertLink();
    void insertMailLink();
    void insertRule();
    void insertList();
    void insertImage();
    void insertMarquee();
    void insertTable();
    void insertMailForm();
    void insertBackgroundSound();
    void insertMovie();
    void insertBackgroundImage();
    void insertFont();
    void insertDoctype();
    void insertFontSize();
    void insertFontColour();
    void insertEmphasis();
    void insertStrong();
    void insertBlink();
    void insertFontShape();
    void insertSpace();
    void setTitle();
    void insertHeading();
    void setBodyColours();
    void setBodyMargins();
    void insertComment();
    void insertAlignedParagraph();
    void insertAlignedDivision();
    void insertPreformatted();
    void insertPageJump();
    void insertDocumentInfo();
    void insertSamplePage();
    void insertPageSkeleton();

private:
    QString text(ControlRef box) const;
    bool checked(ControlRef button) const;
    // The place of the selected option among the given ones; `none` when none is selected.
    int selected(ControlArrayId options, std::initializer_list<int> places, int none = -1) const;
    QString documentFolder() const;
    Workspace& ws;
    ControlRegistry& controls;
    EditApplier& applier;
    Insertion& insert;
};

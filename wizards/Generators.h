#pragma once

#include "platform/ControlRegistry.h"
#include "wizards/EditApplier.h"

#include <QString>
#include <initializer_list>

class ControlRegistry;
class Dispatcher;
class EasyMenu;
class Insertion;
class MiniPanel;
class Pickers;
class Procedures;
class Workspace;

// The generators behind the panels' execute buttons: each reads its panel's inputs from the
// control registry, asks its generator for the text and applies the result to the current
// document.
class Generators {
public:
    Generators(Workspace& workspace, ControlRegistry& controls, EditApplier& applier, Insertion& insertion,
               Procedures& procs);

    // Fills the dispatcher's execute branches, the mini panel's modes, the background-image
    // button's insertion and the easy-creation menu's page skeletons.
    void connect(Dispatcher& dispatcher, MiniPanel& mini, Pickers& pickers, EasyMenu& easy);

    void InsertLinkButton(); // a link or, while "リンク先" is hidden, a mail link
    void InsertLink();
    void InsertMailLink();
    void InsertRule();
    void MakeList();
    void insertImage();
    void InsertMarquee();
    void MakeTable();
    void InsertMailForm();
    void InsertBgsound();
    void InsertDynsrc();
    void InsertBgImage();
    void InsertFont();
    void InsertDoctype();
    void InsertFontSize();
    void InsertFontColor();
    void InsertEm();
    void InsertStrong();
    void InsertBlink();
    void InsertFontShape();
    void InsertSpace();
    void SetTitle();
    void InsertHeading();
    void SetBodyColors();
    void SetBodyMargins();
    void InsertComment();
    void InsertPAlign();
    void InsertDivAlign();
    void InsertPre();
    void InsertPageJump();
    void InsertMeta();
    void InsertSamplePage();
    void InsertPageSkeleton();

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
    Procedures& procs;
};

#pragma once

#include <QString>

class CommandRegistry;
class ControlRegistry;
class MiniPanel;
class MovablePanels;
class PanelKit;
class Procedures;
class Workspace;

// The advanced menu `mcyotto`: one handler per item, each opening its panel. None of them
// touches the document or the undo state.
class AdvancedMenu {
public:
    AdvancedMenu(Workspace& workspace, PanelKit& panels, ControlRegistry& controls, Procedures& procs,
                 MiniPanel& mini, MovablePanels& drag);

    // The items of menu "mcyotto" with the separators between them, in their order.
    void declareMenu(CommandRegistry& commands);

    void mkeisen_Click();
    void mgazou_Click();
    void mlist_Click();
    void mlink_Click();
    void mmail_Click();
    void MJPMONAJI_Click();
    void MJMPTA_Click();
    void Mscl_Click();
    void mtable_Click();
    void mform_Click();
    void mframe_Click();
    void mwav_Click();
    void avi_Click();
    void bgif_Click();
    void bjouhou_Click();
    void mdoc_Click();

private:
    void open(int frame, const QString& explanation);
    void setLinkMode(bool link);
    void setJumpNames(const QString& source);
    Workspace& ws;
    PanelKit& panels;
    ControlRegistry& controls;
    MiniPanel& mini;
    MovablePanels& drag;
};

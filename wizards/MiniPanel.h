#pragma once

#include "platform/ControlRegistry.h"
#include "wizards/MiniPanelControls.h"
#include "workspace/HolderPanel.h"

#include <QObject>
#include <functional>
#include <map>

class PanelKit;
class Workspace;

// The floating mini panel: its execute button runs the generator of the current `mode`, its two
// colour buttons fill its two boxes, and its "×" hides it.
class MiniPanel : public QObject {
    Q_OBJECT

public:
    MiniPanel(Workspace& workspace, PanelKit& kit, ControlRegistry& controls);

    // 0 from the start until the frames wizard's menu command sets 31.
    int mode = 0;
    // The generator of a mode; modes without one do nothing.
    void setGenerator(int forMode, std::function<void()> generator);

    // The execute button: runs the generator of the current mode.
    void runModeGenerator();
    // The first colour button (modes 4 and 8): a chosen colour into the first box, the panel shown.
    void chooseFirstColour();
    // The second colour button (mode 4): a chosen colour into the second box.
    void chooseSecondColour();
    // The "×": hides the panel.
    void closePanel();
    // A colour the editor applied: one that replaced a selected colour shows in the first box;
    // the panel stays in front of the editor either way.
    void takeAppliedColour(const QString& replacement);
    // The font of the body box, chosen in the font menu.
    void setBodyFont(const QFont& font);

Q_SIGNALS:
    // The "×" was pressed: the next search starts at the top of the text.
    void closed();

private:
    void build(PanelKit& kit);
    Workspace& ws;
    ControlRegistry& controls;
    std::map<int, std::function<void()>> modes_;
};

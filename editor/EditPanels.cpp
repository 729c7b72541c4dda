#include "editor/EditPanels.h"

#include "platform/Twips.h"
#include "workspace/PanelKit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

QGroupBox* addEditPanel(PanelKit& panels, const EditPanelHead& head)
{
    QGroupBox* f = panels.addPanel(head.panel, head.caption);
    twips::SetGeometry(f, head.left, head.top, head.width, head.height);
    const int inner = head.width - 100;
    twips::SetGeometry(panels.addTitle(f, head.titleLabel, head.title), 50, 180, inner, 285);
    twips::SetGeometry(panels.addExecuteButton(f, head.closeBox, QStringLiteral("×")), 50 + inner - 330, 180, 330, 285);
    twips::SetGeometry(panels.addExplanation(f, head.explanation), 50, 550, inner, head.textHeight);
    return f;
}

#include "wizards/LineLengthPanel.h"

#include "platform/ControlRegistry.h"

#include <QLineEdit>

LineLengthPanel::LineLengthPanel(ControlRegistry& controls, QWidget* host)
{
    auto* box = new QLineEdit(host);
    box->hide();
    controls.add(QStringLiteral("Text"), 45, box);
}

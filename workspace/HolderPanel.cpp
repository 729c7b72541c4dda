#include "workspace/HolderPanel.h"

HolderPanel::HolderPanel(QWidget* parent)
    : QGroupBox(parent)
{
    QGroupBox::setVisible(false);
}

void HolderPanel::setVisible(bool visible)
{
    shown_ = visible;
    QGroupBox::setVisible(false);
}

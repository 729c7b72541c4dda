#include "workspace/PanelLayout.h"

#include "platform/Twips.h"

#include <QWidget>

void layOutPanel(QWidget* f, QWidget* l, QWidget* b, QWidget* t)
{
    twips::SetLeft(l, 50);
    twips::SetTop(l, 180);
    twips::SetHeight(l, 285);
    twips::SetWidth(l, twips::Width(f) - 100);
    twips::SetTop(b, twips::Top(l));
    twips::SetWidth(b, 330);
    twips::SetLeft(b, twips::Left(l) + twips::Width(l) - twips::Width(b));
    twips::SetHeight(b, twips::Height(l));
    twips::SetTop(t, twips::Top(l) + twips::Height(l) + 285 + 100);
    twips::SetLeft(t, twips::Left(l));
    twips::SetWidth(t, twips::Width(l));
    twips::SetHeight(t, twips::Height(f) - (twips::Top(l) + twips::Height(l) + 285 + 200));
}

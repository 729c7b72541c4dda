#include "preview/PreviewTab.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/WebBrowser.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

void PreviewTab::TabStrip1_Click()
{
    TabStrip* strip = w.TabStrip1;
    for (int p = 1; p <= strip->Count(); ++p)
        strip->SetImage(p, (p % 2 == 1) ? 11 : 13);
    const int k = strip->SelectedIndex() - 1;
    if (k < 0)
        return;
    w.CurDoc = k / 2;
    if (w.CurDoc >= w.DocCount())
        return;
    if (k % 2 == 1) {
        strip->SetImage(k + 1, 14);
        for (auto& d : w.docs) {
            if (d->WebB1)
                d->WebB1->hide();
            d->HtText->hide();
        }
        return;
    }
    Document& d = w.doc(w.CurDoc);
    w.SetStatusText(d.DataPath + QLatin1Char('/') + GetFileName(d.FileName));
    strip->SetImage(k + 1, 12);
    for (auto& other : w.docs) {
        if (other->WebB1)
            other->WebB1->hide();
        other->HtText->hide();
    }
    d.HtText->show();
    d.HtText->raise();
    d.HtText->setFocus();
}

#include "workspace/Document.h"

#include "platform/RichEdit.h"
#include "platform/WebBrowser.h"

#include <QListWidget>

Document::~Document()
{
    // The controls go with the record. Their events reach nothing any more: a hidden editor that
    // had the focus would otherwise report its focus loss to documents that are going.
    for (QWidget* control : {static_cast<QWidget*>(sourceEditor), static_cast<QWidget*>(browser),
                             static_cast<QWidget*>(linkList)}) {
        if (!control)
            continue;
        control->blockSignals(true); // destroyed() still reaches whoever watches the control
        control->hide();
        control->deleteLater();
    }
}

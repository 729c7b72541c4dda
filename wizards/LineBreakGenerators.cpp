#include "wizards/LineBreakGenerators.h"

#include "platform/RichEdit.h"
#include "shell/MainWindow.h"

#include <QGroupBox>

void LineBreakGenerators::InsertBr()
{
    RichEdit* ed = w.CurEditor();
    const int p = ed->SelStart();
    if (p == 0)
        return;
    w.insert.Insert2(QStringLiteral("<BR>"), QString());
    ed->SetSelStart(p + 4);
    if (w.Frame.exists(17))
        w.Frame(17)->hide();
    ed->setFocus();
}

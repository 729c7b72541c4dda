#include "autocreate/TextPreparation.h"

#include "platform/RichEdit.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

void TextPreparation::removeDoubledCarriageReturns()
{
    RichEdit* ed = ws.currentEditor();
    const QString text = ed->text();
    if (!text.contains(QStringLiteral("\r\r")))
        return;
    ed->setText(removeDoubleCr(text));
}

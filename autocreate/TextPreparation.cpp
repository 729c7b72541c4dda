#include "autocreate/TextPreparation.h"

#include "platform/RichEdit.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

void TextPreparation::RemoveDoubleCr()
{
    RichEdit* ed = ws.currentEditor();
    const QString text = ed->Text();
    if (!text.contains(QStringLiteral("\r\r")))
        return;
    ed->SetText(removeDoubleCr(text));
}

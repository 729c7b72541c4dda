#include "autocreate/TextPreparation.h"

#include "platform/RichEdit.h"
#include "shell/MainWindow.h"

QString removeDoubleCr(const QString& text)
{
    if (!text.contains(QStringLiteral("\r\r")))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\r'))
            continue;
        out += text[i];
    }
    return out;
}

void TextPreparation::RemoveDoubleCr()
{
    RichEdit* ed = w.CurEditor();
    const QString text = ed->Text();
    if (!text.contains(QStringLiteral("\r\r")))
        return;
    ed->SetText(removeDoubleCr(text));
}

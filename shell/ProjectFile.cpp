#include "shell/ProjectFile.h"

#include "platform/SharedConstants.h"

ProjectLines parseProjectFile(const QString& text)
{
    ProjectLines result;
    result.lines = QString(text).replace(CrLf, QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (!result.lines.isEmpty() && result.lines.last().isEmpty())
        result.lines.removeLast();
    result.tooMany = result.lines.size() > MaxProjectLines;
    return result;
}

QString projectFileText(const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries)
        text += entry + CrLf;
    return text;
}

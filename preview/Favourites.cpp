#include "preview/Favourites.h"

#include "platform/SharedConstants.h"
#include "platform/DataLines.h"

QStringList parseFavourites(const QString& text)
{
    return splitDataLines(text);
}

QString favouritesText(const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries)
        text += entry + CrLf;
    return text;
}

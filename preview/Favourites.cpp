#include "preview/Favourites.h"

#include "platform/DataLines.h"
#include "platform/SharedConstants.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"

#include <QDir>
#include <QFileInfo>

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

QString ShortUrl(QString& url)
{
    url = textrules::asciiLower(url);
    for (const QString& marker : {QStringLiteral("www."), QStringLiteral("//")}) {
        const int at = url.indexOf(marker);
        if (at >= 0)
            return url.mid(at + marker.size(), 5);
    }
    return QString();
}

QUrl addressUrl(const QString& text, const QString& programFolder)
{
    const QString address = text.trimmed();
    if (address.isEmpty())
        return QUrl(QStringLiteral("about:blank"));
    return QUrl::fromUserInput(address, programFolder);
}

QString favouritesPath(const QString& programFolder)
{
    const QDir resource(QDir(programFolder).filePath(QStringLiteral("resource")));
    const QString exact = resource.filePath(FavouritesFile);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList names = resource.entryList(QDir::Files);
    for (const QString& name : names) {
        if (name.compare(FavouritesFile, Qt::CaseInsensitive) == 0)
            return resource.filePath(name);
    }
    return exact;
}

FavouritesRead readFavourites(const QString& path)
{
    FavouritesRead result;
    if (!QFileInfo(path).isFile()) {
        result.missing = true;
        result.error = FavouritesFileMissing;
        return result;
    }
    const TextReadResult read = readProgramFile(path);
    if (!read.ok) {
        result.error = QStringLiteral("duvivurud.iziが読めません。") + CrLf + path;
        return result;
    }
    result.ok = true;
    result.entries = parseFavourites(read.text);
    return result;
}

QString writeFavourites(const QString& path, const QStringList& entries)
{
    const TextWriteResult written = writeProgramFile(path, favouritesText(entries));
    if (written.ok)
        return QString();
    return QStringLiteral("お気に入りのファイルが書き込めませんでした。フォルダーがあるか、書き込めるかを確かめてください。")
        + CrLf + path + FaceSweat;
}

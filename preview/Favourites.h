#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The favourites file resource/duvivurud.izi: one address a line, every line an entry (an empty
// line too), no heading. The first entry is the live browser's start page. An entry may also be
// a path relative to the program folder: the shipped start page is the help contents page there,
// "resource/helphelp.html".

inline const QString FavouritesFile = QStringLiteral("duvivurud.izi");

// Shown when the file is missing.
inline const QString FavouritesFileMissing = QStringLiteral("duvivurud.iziが有りません間違って消されています。");

// The entries in file order; a line end at the very end adds no entry.
QStringList parseFavourites(const QString& text);

// The file's text for a list of entries: each followed by CR LF.
QString favouritesText(const QStringList& entries);

// The short name of an address for a tab caption: the (up to) five characters after the first
// "www.", else after the first "//", else nothing. The address itself is lower-cased (ASCII
// letters) in place.
QString ShortUrl(QString& url);

// An address as the user gives it: a web address, a file path, or a path below the program
// folder. A blank text is the empty page.
QUrl addressUrl(const QString& text, const QString& programFolder);

// ---- the file ----

// The favourites file of a program folder. The name is matched without regard to case; when no
// file of that name exists, the path it is created under.
QString favouritesPath(const QString& programFolder);

struct FavouritesRead {
    bool ok = false;
    bool missing = false; // no such file (ok is false too)
    QStringList entries;
    QString error;
};
FavouritesRead readFavourites(const QString& path);

// Replaces the file with the entries, or leaves the old file whole. Empty on success, otherwise
// the user's message.
QString writeFavourites(const QString& path, const QStringList& entries);

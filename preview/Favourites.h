#pragma once

#include <QString>
#include <QStringList>

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

#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The link targets of a page's source, in order of appearance, repeats kept. A link starts at
// "A HREF" (exactly one blank, any letter case); its target is the text between the next two
// double quotes, or, written without double quotes, the value after "=" up to a blank or the
// end of the tag. An empty target adds nothing; quoted values of later attributes are not taken;
// "A HREF" inside a quoted target is part of it.
QStringList collectLinks(const QString& source);

// A listed link as an address: resolved against the address of the page it was listed from
// (empty when there is none), which may be a web address, a file: address or a path below the
// program folder.
QUrl resolveLink(const QString& pageAddress, const QString& link, const QString& programFolder);

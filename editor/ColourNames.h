#pragma once

#include "editor/EditResult.h"

#include <QList>
#include <QString>
#include <QStringList>

// The colour file resource/color.txt: a heading line, then one record a line,
// `name,RRGGBB,red,green,blue` (fields may stand in double quotes, blanks around them are
// dropped). Read as UTF-8, or as code page 932 when it is not valid UTF-8.
struct ColourRecord {
    QString name;
    QString hex; // six hexadecimal digits, as written
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ColourRecord&, const ColourRecord&) = default;
};

struct ColourFile {
    bool ok = false;        // false: the file is missing, unreadable or has no heading
    QString heading;
    QList<ColourRecord> records; // the good records after the heading, in file order
    QList<int> badLines;    // 1-based numbers of record lines that could not be read
};

ColourFile parseColourFile(const QString& content);
ColourFile readColourFile(const QString& path);

// The message for a colour file that could not be read, or that has damaged lines; empty when
// the file was read whole.
QString colourFileMessage(const ColourFile& file);

// The colour names of the records (never the heading).
QStringList colourNames(const ColourFile& file);

// What the editor does with a colour the picker delivers (`colour`, "#RRGGBB" or a name) for the
// selection `selection` of `text`: replace a selected "#" code or colour name by it, or wrap the
// selection in a FONT tag of that colour. A selection that ends in line breaks leaves them outside
// the tags.
struct ColourInsertion {
    enum Kind { Replace, WrapInFont } kind = Replace;
    // Replace: the selection to replace and its replacement (also what the floating panel's box shows).
    Selection selection;
    QString replacement;
    // WrapInFont: the wrap to make through the marking insertion.
    Wrap wrap;
};
ColourInsertion colourInsertion(const QString& text, const Selection& selection, const QString& colour,
                                const QStringList& names);


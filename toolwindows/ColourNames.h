#pragma once

#include <QList>
#include <QString>

// The colour-name file resource/color.txt as the colour picker reads it: a heading line, then
// one record a line, five fields separated by commas: name, six hexadecimal digits (no "#"),
// red, green and blue in decimal.

// Shown when the file is missing or a line is not a colour record.
inline const QString ColourNamesUnreadable = QStringLiteral("color.txtが読めません");

// The names mode shows fourteen rows of ten swatches; records past them are not read.
inline constexpr int MaxColourNames = 140;

struct ColourNameRecord {
    QString name;
    QString hex;  // as written in the file
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct ColourNamesReadResult {
    QString heading;  // the heading line's first field
    QList<ColourNameRecord> records;
    // False for a missing heading or a line that is not a record; records hold the lines before it.
    bool ok = false;
};

ColourNamesReadResult parseColourNames(const QString& text);

// The value box's text for a record: "#" and two upper-case hexadecimal digits for each of red,
// green and blue.
QString colourValueText(const ColourNameRecord& record);

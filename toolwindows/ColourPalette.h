#pragma once

#include <QString>
#include <QStringList>

// The extended palette file resource/color2.txt: one palette row a line, six colour codes of six
// hexadecimal digits (no "#"), each code followed by one blank. A code counts when its blank is
// reached, so text after a line's last blank is not used; a row the line does not fill keeps the
// codes of the row before it.

// Shown when the file is missing, empty or damaged.
inline const QString PaletteFileUnreadable = QStringLiteral("color2.txtが読めません");

inline constexpr int PaletteRowLength = 6;

struct PaletteReadResult {
    // The swatches' codes in file order, six a row, as written in the file.
    QStringList codes;
    // False for an empty file or when a row holds something that is not a colour code; the codes
    // hold the rows before it.
    bool ok = false;
};

PaletteReadResult parseColourPalette(const QString& text);

// Six hexadecimal digits, in either case.
bool isColourCode(const QString& code);

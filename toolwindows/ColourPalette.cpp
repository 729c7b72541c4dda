#include "toolwindows/ColourPalette.h"

#include "platform/DataLines.h"

#include <array>

bool isColourCode(const QString& code)
{
    if (code.size() != 6)
        return false;
    for (const QChar c : code) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

PaletteReadResult parseColourPalette(const QString& text)
{
    PaletteReadResult result;
    const QStringList lines = splitDataLines(text);
    if (lines.isEmpty())
        return result;

    std::array<QString, PaletteRowLength> row;
    for (const QString& line : lines) {
        // Codes past the sixth of a line have no swatch and are left out.
        int next = 0;
        QString code;
        for (const QChar c : line) {
            if (c != u' ') {
                code += c;
                continue;
            }
            if (next < PaletteRowLength)
                row[size_t(next++)] = code;
            code.clear();
        }
        for (const QString& swatch : row) {
            if (!isColourCode(swatch))
                return result;
        }
        for (const QString& swatch : row)
            result.codes.append(swatch);
    }
    result.ok = true;
    return result;
}

#include "toolwindows/ColourNames.h"

#include "platform/TextRules.h"
#include "toolwindows/ColourPalette.h"
#include "platform/DataLines.h"

namespace {

// A channel is a whole decimal number from 0 to 255, blanks around it allowed.
bool readChannel(const QString& field, int& value)
{
    const QString digits = textrules::trimBlanks(field);
    if (digits.isEmpty() || digits.size() > 3)
        return false;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    value = digits.toInt();
    return value <= 255;
}

} // namespace

ColourNamesReadResult parseColourNames(const QString& text)
{
    ColourNamesReadResult result;
    const QStringList lines = splitDataLines(text);
    if (lines.isEmpty())
        return result;
    result.heading = textrules::trimBlanks(lines.first().section(u',', 0, 0));

    for (qsizetype i = 1; i < lines.size() && result.records.size() < MaxColourNames; ++i) {
        const QStringList fields = lines.at(i).split(u',');
        ColourNameRecord record;
        if (fields.size() < 5)
            return result;
        record.name = textrules::trimBlanks(fields.at(0));
        record.hex = textrules::trimBlanks(fields.at(1));
        if (!isColourCode(record.hex) || !readChannel(fields.at(2), record.red)
            || !readChannel(fields.at(3), record.green) || !readChannel(fields.at(4), record.blue))
            return result;
        result.records.append(record);
    }
    result.ok = true;
    return result;
}

QString colourValueText(const ColourNameRecord& record)
{
    auto pair = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); };
    return QLatin1Char('#') + pair(record.red) + pair(record.green) + pair(record.blue);
}

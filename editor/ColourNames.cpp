#include "editor/ColourNames.h"

#include "platform/SharedConstants.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"

namespace {

QStringView trimField(QStringView field)
{
    while (!field.isEmpty() && (field.front() == QLatin1Char(' ') || field.front() == QLatin1Char('\t')))
        field = field.mid(1);
    while (!field.isEmpty() && (field.back() == QLatin1Char(' ') || field.back() == QLatin1Char('\t')))
        field.chop(1);
    if (field.size() >= 2 && field.front() == QLatin1Char('"') && field.back() == QLatin1Char('"'))
        field = field.mid(1, field.size() - 2);
    return field;
}

bool isBlankLine(QStringView line)
{
    for (QChar c : line) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

// 0 to 255 written with decimal digits only; -1 otherwise.
int readByte(QStringView s)
{
    if (s.isEmpty() || s.size() > 3)
        return -1;
    int v = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        v = v * 10 + (c.unicode() - '0');
    }
    return v <= 255 ? v : -1;
}

bool readRecord(QStringView line, ColourRecord& record)
{
    const QList<QStringView> fields = line.split(QLatin1Char(','));
    if (fields.size() != 5)
        return false;
    record.name = trimField(fields[0]).toString();
    record.hex = trimField(fields[1]).toString();
    record.red = readByte(trimField(fields[2]));
    record.green = readByte(trimField(fields[3]));
    record.blue = readByte(trimField(fields[4]));
    if (record.name.isEmpty() || record.hex.size() != 6 || record.red < 0 || record.green < 0 || record.blue < 0)
        return false;
    bool hexOk = false;
    const uint code = record.hex.toUInt(&hexOk, 16);
    if (!hexOk || record.hex.startsWith(QLatin1Char('+')) || record.hex.startsWith(QLatin1Char('-')))
        return false;
    // The code and the three values must name the same colour.
    return code == (static_cast<uint>(record.red) << 16 | static_cast<uint>(record.green) << 8
                    | static_cast<uint>(record.blue));
}

} // namespace

ColourFile parseColourFile(const QString& content)
{
    ColourFile file;
    const QList<QStringView> lines = QStringView(content).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isBlankLine(line))
            continue;
        if (!file.ok) {
            file.ok = true;
            file.heading = line.toString();
            continue;
        }
        ColourRecord record;
        if (readRecord(line, record))
            file.records.append(record);
        else
            file.badLines.append(static_cast<int>(i + 1));
    }
    return file;
}

ColourFile readColourFile(const QString& path)
{
    const TextReadResult read = readProgramFile(path);
    if (!read.ok)
        return {};
    return parseColourFile(read.text);
}

QString colourFileMessage(const ColourFile& file)
{
    if (!file.ok)
        return QStringLiteral("color.txtが読めません");
    if (file.badLines.isEmpty())
        return {};
    QStringList numbers;
    for (int n : file.badLines)
        numbers.append(QString::number(n));
    return QStringLiteral("color.txtの") + numbers.join(QStringLiteral("、")) + QStringLiteral("行目が読めません。");
}

QStringList colourNames(const ColourFile& file)
{
    QStringList names;
    names.reserve(file.records.size());
    for (const ColourRecord& r : file.records)
        names.append(r.name);
    return names;
}

ColourInsertion colourInsertion(const QString& text, const Selection& selection, const QString& colour,
                                const QStringList& names)
{
    ColourInsertion c;
    const Selection sel = clampSelection(text, selection);
    const QString s = text.mid(sel.start, sel.length);
    bool replace = s.size() == 7 && s.startsWith(QLatin1Char('#'));
    if (!replace) {
        const QString key = textrules::asciiLower(textrules::trimBlanks(s));
        for (const QString& name : names) {
            if (!key.isEmpty() && textrules::asciiLower(name) == key) {
                replace = true;
                break;
            }
        }
    }
    if (replace) {
        c.kind = ColourInsertion::Replace;
        c.selection = sel;
        c.replacement = colour;
        return c;
    }
    c.kind = ColourInsertion::WrapInFont;
    c.wrap.selection = withoutTrailingLineBreaks(text, sel);
    c.wrap.before = QStringLiteral(" <FONT color=") + Quote + colour + Quote + QStringLiteral(">");
    c.wrap.after = QStringLiteral(" </FONT> ");
    return c;
}

#include "toolwindows/PickerColours.h"

#include "platform/TextRules.h"

#include <algorithm>

namespace picker {

quint64 hexValue(const QString& text)
{
    static const QString digits = QStringLiteral("123456789abcdef");
    const QString lower = textrules::asciiLower(text);
    // Unsigned arithmetic: a text longer than sixteen digits wraps instead of overflowing.
    quint64 value = 0;
    for (const QChar c : lower)
        value = value * 16 + static_cast<quint64>(digits.indexOf(c) + 1);
    return value;
}

QString hexToDecimal(const QString& text)
{
    return QString::number(hexValue(text));
}

namespace {

// The two hexadecimal digits from `position` (counted from 0) as a channel, at most 255.
int channel(const QString& text, int position)
{
    return static_cast<int>(std::min<quint64>(hexValue(text.mid(position, 2)), 255));
}

} // namespace

QColor codeColour(const QString& code)
{
    return QColor(channel(code, 0), channel(code, 2), channel(code, 4));
}

QString hexTriple(int red, int green, int blue)
{
    auto pair = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); };
    return QLatin1Char('#') + pair(red) + pair(green) + pair(blue);
}

long colourNumber(const QColor& c)
{
    return c.red() + c.green() * 256L + c.blue() * 65536L;
}

const std::array<BasicColour, 16>& basicColours()
{
    static const std::array<BasicColour, 16> table{{
        {QStringLiteral("000080"), QStringLiteral("navy")},
        {QStringLiteral("0000ff"), QStringLiteral("blue")},
        {QStringLiteral("00ffff"), QStringLiteral("aqua")},
        {QStringLiteral("008000"), QStringLiteral("green")},
        {QStringLiteral("00ff00"), QStringLiteral("lime")},
        {QStringLiteral("ffff00"), QStringLiteral("yellow")},
        {QStringLiteral("ff0000"), QStringLiteral("red")},
        {QStringLiteral("ff00ff"), QStringLiteral("fuchsia")},
        {QStringLiteral("000000"), QStringLiteral("black")},
        {QStringLiteral("808080"), QStringLiteral("gray")},
        {QStringLiteral("c0c0c0"), QStringLiteral("silver")},
        {QStringLiteral("ffffff"), QStringLiteral("white")},
        {QStringLiteral("800000"), QStringLiteral("maroon")},
        {QStringLiteral("808000"), QStringLiteral("olive")},
        {QStringLiteral("008080"), QStringLiteral("teal")},
        {QStringLiteral("800080"), QStringLiteral("purple")},
    }};
    return table;
}

QColor gradedColour(int column, int step)
{
    const int v = step >= GradedSteps - 1 ? 255 : 8 * step;
    switch (column) {
    case 6: return QColor(v, v, v);
    case 7: return QColor(v, 0, 0);
    case 8: return QColor(0, v, 0);
    case 9: return QColor(0, 0, v);
    case 10: return QColor(v, v, 0);
    case 11: return QColor(v, 0, v);
    case 12: return QColor(0, v, v);
    default: return QColor(0, 0, 0);
    }
}

MixDrop dropOnMix(const Mix& mix, const QString& swatchText)
{
    const int r = channel(swatchText, 1);
    const int g = channel(swatchText, 3);
    const int b = channel(swatchText, 5);
    Mix next = mix;
    if (!mix.hasColour) {
        next.red = r;
        next.green = g;
        next.blue = b;
    } else {
        next.red = std::min(255, mix.red + r);
        next.green = std::min(255, mix.green + g);
        next.blue = std::min(255, mix.blue + b);
    }
    if (next.red >= 255 && next.green >= 255 && next.blue >= 255)
        return MixDrop{Mix{}, QColor(255, 255, 255), std::nullopt};
    next.hasColour = true;
    return MixDrop{next, QColor(next.red, next.green, next.blue), hexTriple(next.red, next.green, next.blue)};
}

QColor readableTextColour(const QColor& background)
{
    const int luma = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
    return luma < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

} // namespace picker

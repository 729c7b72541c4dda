#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <optional>

// The colour arithmetic of the colour picker: hexadecimal digits, the sixteen basic colours, the
// graded columns of the extended palette and the mixing palette.
namespace picker {

// The value of a hexadecimal text as decimal digits. Each character counts by its place in
// "123456789abcdef" (either case); "0" and every other character count 0. An empty text is "0".
QString hexToDecimal(const QString& text);
// hexToDecimal as a number.
quint64 hexValue(const QString& text);

// The colour of a code of six hexadecimal digits: characters 1-2 red, 3-4 green, 5-6 blue.
QColor codeColour(const QString& code);
// "#" and two upper-case hexadecimal digits for each channel.
QString hexTriple(int red, int green, int blue);
inline QString hexTriple(const QColor& c) { return hexTriple(c.red(), c.green(), c.blue()); }
// The colour number of the window system: red + green * 256 + blue * 65536.
long colourNumber(const QColor& c);

struct BasicColour {
    QString code;  // six lower-case hexadecimal digits, without "#"
    QString name;
};
// The sixteen basic colours in the order of their swatches.
const std::array<BasicColour, 16>& basicColours();

// The generated columns of the extended palette: columns 6 to 12, steps 0 to 32. Step i has the
// level 8 * i, the last step 255; the column says which channels carry it (grey, red, green,
// blue, red and green, red and blue, green and blue).
inline constexpr int FirstGradedColumn = 6;
inline constexpr int LastGradedColumn = 12;
inline constexpr int GradedSteps = 33;
QColor gradedColour(int column, int step);

// The mixing palette: the channels dropped so far, each capped at 255.
struct Mix {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool hasColour = false;
};

struct MixDrop {
    Mix mix;
    QColor fill;                  // what the mix swatch shows afterwards
    std::optional<QString> value; // the new text of the value box; none when it is left alone
};

// A swatch ("#" and six hexadecimal digits) dropped on the mix: the first colour after a clear
// becomes the mix, later ones add channel by channel up to 255. A mix that reaches white on every
// channel is cleared, and the value box keeps what it showed.
MixDrop dropOnMix(const Mix& mix, const QString& swatchText);

// Black or white, whichever reads better on the background.
QColor readableTextColour(const QColor& background);

} // namespace picker

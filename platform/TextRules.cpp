#include "platform/TextRules.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace textrules {

namespace {

constexpr char16_t Blank = u' ';

bool isValSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Reads an "&H" / "&O" number; pos points just past the letter.
double readRadixNumber(const QString& s, qsizetype pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char16_t c = s.at(pos).unicode();
        if (isValSpace(c))
            continue;
        const int digit = hexDigitValue(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

QString trimBlanks(const QString& s)
{
    return trimLeadingBlanks(trimTrailingBlanks(s));
}

QString trimLeadingBlanks(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i).unicode() == Blank)
        ++i;
    return s.mid(i);
}

QString trimTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).unicode() == Blank)
        --n;
    return s.left(n);
}

double leadingNumber(const QString& s)
{
    qsizetype pos = 0;
    const qsizetype len = s.size();
    while (pos < len && isValSpace(s.at(pos).unicode()))
        ++pos;

    if (pos + 1 < len && s.at(pos) == u'&') {
        const char16_t kind = s.at(pos + 1).unicode();
        if (kind == u'H' || kind == u'h')
            return readRadixNumber(s, pos + 2, 16);
        if (kind == u'O' || kind == u'o')
            return readRadixNumber(s, pos + 2, 8);
        return 0;
    }

    // Collect the characters that form the number into plain ASCII and let the locale-free
    // std::from_chars do the arithmetic.
    std::string number;
    bool negative = false;
    bool signSeen = false;
    bool digitsSeen = false;
    bool pointSeen = false;
    // Enough to tell, when the result is out of range, whether it is too large or too small:
    // the number of integer digits after leading zeros, or the zeros right after the point.
    int integerDigits = 0;
    int fractionZeros = 0;
    bool fractionDigitSeen = false;
    for (; pos < len; ++pos) {
        const char16_t c = s.at(pos).unicode();
        if (isValSpace(c))
            continue;
        if ((c == u'+' || c == u'-') && !signSeen && !digitsSeen && !pointSeen) {
            signSeen = true;
            negative = c == u'-';
        } else if (isDigit(c)) {
            digitsSeen = true;
            number += char(c);
            if (!pointSeen) {
                if (c != u'0' || integerDigits > 0)
                    ++integerDigits;
            } else if (!fractionDigitSeen) {
                if (c == u'0')
                    ++fractionZeros;
                else
                    fractionDigitSeen = true;
            }
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digitsSeen)
        return 0;

    long exponentValue = 0;
    if (pos < len) {
        const char16_t c = s.at(pos).unicode();
        if (c == u'e' || c == u'E' || c == u'd' || c == u'D') {
            std::string exponent = "e";
            bool expSignSeen = false;
            bool expDigitsSeen = false;
            bool expNegative = false;
            for (++pos; pos < len; ++pos) {
                const char16_t e = s.at(pos).unicode();
                if (isValSpace(e))
                    continue;
                if ((e == u'+' || e == u'-') && !expSignSeen && !expDigitsSeen) {
                    expSignSeen = true;
                    expNegative = e == u'-';
                    exponent += char(e);
                } else if (isDigit(e)) {
                    expDigitsSeen = true;
                    exponent += char(e);
                    if (exponentValue < 1000000)
                        exponentValue = exponentValue * 10 + (e - u'0');
                } else {
                    break;
                }
            }
            if (expDigitsSeen) {
                number += exponent;
                if (expNegative)
                    exponentValue = -exponentValue;
            } else {
                exponentValue = 0;
            }
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        const long magnitude = (integerDigits > 0 ? integerDigits : -fractionZeros) + exponentValue;
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (error != std::errc()) {
        value = 0;
    }
    if (value == 0)
        return 0; // no negative zero
    return negative ? -value : value;
}

QString numberWithSignSpace(int n)
{
    return numberWithSignSpace(static_cast<long long>(n));
}

QString numberWithSignSpace(long n)
{
    return numberWithSignSpace(static_cast<long long>(n));
}

QString numberWithSignSpace(long long n)
{
    const QString digits = QString::number(n);
    return n < 0 ? digits : QChar(Blank) + digits;
}

QString numberWithSignSpace(double x)
{
    if (x == 0)
        return QStringLiteral(" 0");
    QString text = QString::number(x, 'G', 15);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + text;
}

QString asciiUpper(const QString& s)
{
    QString out = s;
    for (QChar& c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return out;
}

QString asciiLower(const QString& s)
{
    QString out = s;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return out;
}

bool equalsIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a.at(i).unicode();
        char16_t y = b.at(i).unicode();
        if (x >= u'A' && x <= u'Z')
            x += u'a' - u'A';
        if (y >= u'A' && y <= u'Z')
            y += u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

long long roundHalfToEven(double x)
{
    if (std::isnan(x))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (x >= 9223372036854775808.0)
        return LLONG_MAX;
    if (x <= -9223372036854775808.0)
        return LLONG_MIN;
    const double floor = std::floor(x);
    const double fraction = x - floor;
    double rounded = floor;
    if (fraction > 0.5)
        rounded = floor + 1;
    else if (fraction == 0.5)
        rounded = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    if (rounded >= 9223372036854775808.0)
        return LLONG_MAX;
    return static_cast<long long>(rounded);
}

} // namespace textrules

#pragma once

#include <QString>

// The text rules that decide bytes the program writes or shows: which blanks a trim removes, how
// the number at the start of a text is read, how a number is written, how halves are rounded and
// which letters change case. Everything else uses QString's own functions.
namespace textrules {

// Remove U+0020 blanks only; tabs, CR, LF and the ideographic space U+3000 stay.
QString trimBlanks(const QString& s);
QString trimLeadingBlanks(const QString& s);
QString trimTrailingBlanks(const QString& s);

// The number at the start of s, 0 when there is none. Blanks, tabs and line feeds are skipped
// anywhere ("1 2" reads 12); an optional sign, digits, one decimal point and an exponent written
// with E or D follow. "&H" and "&O" read a hexadecimal or octal integer (never negative).
double leadingNumber(const QString& s);

// Decimal text with a leading blank for numbers that are not negative: numberWithSignSpace(2)
// == " 2". Doubles keep up to 15 significant digits, drop trailing zeros and the zero in front of
// the decimal point (" .5" for 0.5), and switch to the form "1E+15" / "1E-05" outside
// 1E-04 <= |x| < 1E+15.
QString numberWithSignSpace(int n);
QString numberWithSignSpace(long n);
QString numberWithSignSpace(long long n);
QString numberWithSignSpace(double x);

// Change the ASCII letters only; every other character keeps its place and its case.
QString asciiUpper(const QString& s);
QString asciiLower(const QString& s);
bool equalsIgnoringAsciiCase(const QString& a, const QString& b);

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
// Values beyond the range of long long are clamped to it; NaN gives 0.
long long roundHalfToEven(double x);

} // namespace textrules

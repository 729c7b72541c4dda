#pragma once

#include <QChar>
#include <QString>

// String helpers that behave like the BASIC functions of the same name, so that code written
// against them can be carried over line by line. Positions are 1-based as in BASIC. Where BASIC
// would raise a run-time error (a start below 1, a negative length), these clamp instead.
namespace vb {

// Remove U+0020 blanks only; tabs, CR, LF and the ideographic space U+3000 stay.
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

// The number at the start of s, 0 when there is none. Blanks, tabs and line feeds are skipped
// anywhere ("1 2" reads 12); an optional sign, digits, one decimal point and an exponent written
// with E or D follow. "&H" and "&O" read a hexadecimal or octal integer (never negative).
double Val(const QString& s);

// Decimal text with a leading blank for numbers that are not negative: Str(2) == " 2".
// Doubles keep up to 15 significant digits, drop trailing zeros and the zero in front of the
// decimal point (Str(0.5) == " .5"), and switch to the form "1E+15" / "1E-05" outside
// 1E-04 <= |x| < 1E+15.
QString Str(int n);
QString Str(long n);
QString Str(long long n);
QString Str(double x);

// Position (1-based) of find in s at or after start, 0 when it does not occur. An empty find
// gives start as long as start <= Len(s) + 1. Case-sensitive.
int InStr(const QString& s, const QString& find);
int InStr(int start, const QString& s, const QString& find);

// length -1 (or any negative length) takes the rest of the string; a start beyond the end gives "".
QString Mid(const QString& s, int start, int length = -1);
// n is clamped to 0..Len(s).
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);

// Change the ASCII letters only; every other character keeps its place and its case.
QString UCaseAscii(const QString& s);
QString LCaseAscii(const QString& s);
bool EqualsNoCaseAscii(const QString& a, const QString& b);

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
// Values beyond the range of long long are clamped to it; NaN gives 0.
long long RoundHalfEven(double x);

// n blanks / n copies of c; a negative n gives "".
QString Space(int n);
QString String(int n, QChar c);

} // namespace vb

#pragma once

#include "platform/TextRules.h"

#include <QChar>
#include <QString>

// The old string helpers with 1-based positions, kept while code still calls them: this header
// goes once every caller uses platform/TextRules.h and QString's own functions (positions from 0:
// Mid(s, start, n) is s.mid(start - 1, n), InStr(s, t) is s.indexOf(t) + 1). The rules that
// decide output bytes forward to TextRules; where the old functions would raise a run-time error
// (a start below 1, a negative length), these clamp instead.
namespace vb {

inline QString Trim(const QString& s) { return textrules::trimBlanks(s); }
inline QString LTrim(const QString& s) { return textrules::trimLeadingBlanks(s); }
inline QString RTrim(const QString& s) { return textrules::trimTrailingBlanks(s); }
inline double Val(const QString& s) { return textrules::leadingNumber(s); }
inline QString Str(int n) { return textrules::numberWithSignSpace(n); }
inline QString Str(long n) { return textrules::numberWithSignSpace(n); }
inline QString Str(long long n) { return textrules::numberWithSignSpace(n); }
inline QString Str(double x) { return textrules::numberWithSignSpace(x); }
inline QString UCaseAscii(const QString& s) { return textrules::asciiUpper(s); }
inline QString LCaseAscii(const QString& s) { return textrules::asciiLower(s); }
inline bool EqualsNoCaseAscii(const QString& a, const QString& b) { return textrules::equalsIgnoringAsciiCase(a, b); }
inline long long RoundHalfEven(double x) { return textrules::roundHalfToEven(x); }

// Position (1-based) of find in s at or after start, 0 when it does not occur. An empty find
// gives start as long as start <= Len(s) + 1. Case-sensitive.
inline int InStr(int start, const QString& s, const QString& find)
{
    if (start < 1)
        start = 1;
    const qsizetype len = s.size();
    if (find.isEmpty())
        return start <= len + 1 ? start : 0;
    if (start > len)
        return 0;
    const qsizetype at = s.indexOf(find, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at + 1);
}

inline int InStr(const QString& s, const QString& find)
{
    return InStr(1, s, find);
}

// length -1 (or any negative length) takes the rest of the string; a start beyond the end gives "".
inline QString Mid(const QString& s, int start, int length = -1)
{
    if (start < 1)
        start = 1;
    if (start > s.size())
        return QString();
    return s.mid(start - 1, length < 0 ? -1 : length);
}

// n is clamped to 0..Len(s).
inline QString Left(const QString& s, int n)
{
    return n <= 0 ? QString() : s.left(n);
}

inline QString Right(const QString& s, int n)
{
    return n <= 0 ? QString() : s.right(n);
}

// n blanks / n copies of c; a negative n gives "".
inline QString Space(int n)
{
    return n <= 0 ? QString() : QString(n, QChar(u' '));
}

inline QString String(int n, QChar c)
{
    return n <= 0 ? QString() : QString(n, c);
}

} // namespace vb

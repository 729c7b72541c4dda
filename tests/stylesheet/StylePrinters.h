#pragma once

#include "stylesheet/StyleInsertions.h"
#include "support/QtPrinters.h"

#include <ostream>

// Readable edits in test failures (line breaks shown as \r \n).
// A text from a UTF-8 literal.
inline QString u(const char* s)
{
    return QString::fromUtf8(s);
}

namespace css {

inline std::string shown(const QString& s)
{
    QString t = s;
    t.replace(QStringLiteral("\r"), QStringLiteral("\\r")).replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    return '"' + t.toStdString() + '"';
}

inline void PrintTo(const TextInsert& i, std::ostream* os)
{
    *os << "{at " << i.at << ", " << shown(i.text) << "}";
}

inline void PrintTo(const TextWrap& w, std::ostream* os)
{
    *os << "{" << w.start << ", " << w.length << ", " << shown(w.before) << ", " << shown(w.after) << "}";
}

} // namespace css

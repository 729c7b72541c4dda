#pragma once

#include "editor/EditResult.h"
#include "support/QtPrinters.h"

#include <QString>
#include <ostream>

// Readable selections and ranges in test failures.
inline void PrintTo(const Selection& s, std::ostream* os)
{
    *os << "{start " << s.start << ", length " << s.length << '}';
}

inline void PrintTo(const MarkRange& m, std::ostream* os)
{
    *os << "[" << m.start << ", +" << m.length << ']';
}

// Test texts are written as UTF-8 literals.
inline QString u(const char* s)
{
    return QString::fromUtf8(s);
}

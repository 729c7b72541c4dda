#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <ostream>

// Readable values in test failures.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << (c.isValid() ? c.name().toStdString() : std::string("(no colour)"));
}

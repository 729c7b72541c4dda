#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

inline QString u(const char* s)
{
    return QString::fromUtf8(s);
}

// The lines of a script.
inline QStringList script(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* line : lines)
        out << u(line);
    return out;
}

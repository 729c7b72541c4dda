#pragma once

// A property that does not hold is a finding: say which, and abort, so that libFuzzer keeps
// the input that showed it.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                                    \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "property does not hold: %s (%s:%d)\n", what, __FILE__, __LINE__);    \
            std::abort();                                                                              \
        }                                                                                              \
    } while (false)

#include <QStringView>

// True when text has no lone surrogate: every UTF-16 unit belongs to a whole character.
inline bool wholeCharacters(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isSurrogate())
            continue;
        if (!text[i].isHighSurrogate() || i + 1 == text.size() || !text[i + 1].isLowSurrogate())
            return false;
        ++i;
    }
    return true;
}

#include "platform/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>

// A scratch file of the given name, on a memory file system where there is one; every input of a
// run is written to the same file.
inline QString scratchFile(const QString& name)
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/pelmor-fuzz-XXXXXX")
                                                                       : QDir::tempPath() + QStringLiteral("/pelmor-fuzz-XXXXXX"));
    return dir.filePath(name);
}

// The bytes of a file that was just written.
inline QByteArray bytesOf(const QString& path)
{
    QByteArray bytes;
    FUZZ_CHECK(readFileBytes(path, bytes).ok, "a file just written can be read");
    return bytes;
}

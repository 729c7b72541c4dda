#pragma once

#include <QString>
#include <QtGlobal>

// What a file on disk is at one moment: which file (device and inode) and its size and time of
// last change, to the nanosecond. Two stamps of one path differ when another program has written
// or replaced the file in between.
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
    // Both stamps are of one existing file, whatever its size and time.
    bool sameFileAs(const FileStamp& other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};

// The stamp of the file a path names (through symbolic links); `exists` is false when there is
// none.
FileStamp fileStampOf(const QString& path);

// Whether two paths name one file as the file system sees it: through symbolic links, "..", hard
// links and doubled slashes alike. False when either does not exist.
bool isSameFile(const QString& a, const QString& b);

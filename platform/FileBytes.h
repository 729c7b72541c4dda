#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Whole files as bytes: only regular files are read, and a file is replaced only by a complete,
// flushed new copy, so that a failed write leaves the old file as it was.

// Why a file could not be read or written; the messages the user sees are made from it.
enum class FileProblem {
    None,
    NotFound,       // no such file, or a folder on the way is missing or is a file
    AccessDenied,   // no permission, or a read-only file system
    Folder,         // the name is a folder
    NotRegularFile, // a device, a pipe or a socket
    TooLarge,       // over MaxTextFileBytes
    NoSpace,        // the disk or the file-size limit is full
    ReadFailed,     // any other failure while reading
    WriteFailed,    // any other failure while writing
    SymbolicLink,   // a symbolic link on the way where none may be followed (writeFileBytesBelow)
};

// The largest file that is read: larger ones are refused before any of it is read.
constexpr qint64 MaxTextFileBytes = qint64(512) * 1024 * 1024;

struct FileStatus {
    bool ok = false;
    FileProblem problem = FileProblem::None;
    // The system's description of the failure, empty on success.
    QString error;
};

// Reads a whole regular file of at most maxBytes bytes into bytes (emptied on failure). A pipe,
// a device or a folder is refused without reading from it, and opening never waits for a writer.
FileStatus readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes = MaxTextFileBytes);

// Writes bytes to a new file beside path, flushes it to the disk and renames it over path; on
// any failure the new file is removed and path is left as it was. A symbolic link is followed,
// so the file it points to is replaced; an existing file keeps its permissions, and one that may
// not be written is not replaced.
FileStatus writeFileBytes(const QString& path, const QByteArray& bytes);

// Writes bytes to root/relativePath as writeFileBytes does, for the program's own files in a
// folder of its own, where no symbolic link may take a write elsewhere: the last name is replaced
// itself, also when it is a link (what the link points to is left alone), and a folder on the way
// below root that is a link fails the write with SymbolicLink. Folders on the way that are
// missing are made. relativePath has "/" between names and no "." or ".." among them; root itself
// is taken as it is, links and all.
FileStatus writeFileBytesBelow(const QString& root, const QString& relativePath, const QByteArray& bytes);

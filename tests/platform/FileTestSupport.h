#pragma once

// What the file tests share: whole-file helpers and guards that make a failure which the
// superuser cannot get past either, undone when the guard goes.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

namespace filetest {

// The file's bytes, or "<unreadable>".
QByteArray readBytes(const QString& path);
// Writes the bytes and fails the test when that does not work.
void writeBytes(const QString& path, const QByteArray& bytes);
// Every name in folder, hidden ones too.
QStringList entries(const QString& folder);

// While it lives, the process has the effective user and group "nobody" when it was started by
// the superuser, so that permissions count; for any other user nothing changes.
class AsNobody {
public:
    AsNobody();
    ~AsNobody();
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;
    bool ok() const { return ok_; }

private:
    bool active_ = false;
    bool ok_ = true;
    std::vector<gid_t> groups_;
};

// While it lives, no file of this process may grow past `bytes` (RLIMIT_FSIZE), and going past it
// makes the write fail instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
    bool saved_ = false;
    rlim_t old_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// A small tmpfs of `bytes` bytes mounted on folder in a mount namespace of this thread's own, so
// that nothing outside the test sees it; unmounted when the guard goes. Needs the superuser:
// otherwise ok() is false and why() says so.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, qint64 bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool ok() const { return mounted_; }
    QString why() const { return why_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString why_;
};

} // namespace filetest

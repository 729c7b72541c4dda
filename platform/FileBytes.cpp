#include "platform/FileBytes.h"

#include "platform/HugePages.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStatus failed(FileProblem problem, const QString& error)
{
    FileStatus status;
    status.problem = problem;
    status.error = error;
    return status;
}

FileStatus succeeded()
{
    FileStatus status;
    status.ok = true;
    return status;
}

// What a failed system call on the way to a file means for the user; the rest is `other`.
FileProblem problemOf(int error, FileProblem other)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return FileProblem::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return FileProblem::AccessDenied;
    case EISDIR:
        return FileProblem::Folder;
    case ENXIO:
    case ENODEV:
        return FileProblem::NotRegularFile;
    case ENOSPC:
    case EDQUOT:
        return FileProblem::NoSpace;
    case EFBIG:
        // Reading: more than this program can address; writing: the file-size limit.
        return other == FileProblem::ReadFailed ? FileProblem::TooLarge : FileProblem::NoSpace;
    default:
        return other;
    }
}

FileStatus systemFailure(int error, FileProblem other)
{
    return failed(problemOf(error, other), qt_error_string(error));
}

// Folders, devices, pipes and sockets are refused by what the name is, before it is opened.
FileStatus refusedKind(const struct stat& st, qint64 maxBytes)
{
    if (S_ISDIR(st.st_mode))
        return failed(FileProblem::Folder, qt_error_string(EISDIR));
    if (!S_ISREG(st.st_mode))
        return failed(FileProblem::NotRegularFile, QStringLiteral("Not a regular file"));
    if (st.st_size > maxBytes)
        return failed(FileProblem::TooLarge, qt_error_string(EFBIG));
    return succeeded();
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports what close reported; the descriptor is gone either way.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a name finally stands for when it is a symbolic link, also when that file does not
// exist yet; the name itself when the links go round in a circle.
QString followLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// A name for the new copy in the folder of target that no file has: created with O_EXCL, so
// nothing that is already there is ever opened. Returns -1 with errno set on failure.
int createBeside(const QString& target, QByteArray& tempName)
{
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : target.left(qMax<qsizetype>(slash, 1));
    const QString base = target.mid(slash + 1);
    for (int attempt = 0; attempt < 64; ++attempt) {
        // Always eight digits (a ninth, leading, is dropped), so that a save makes the same
        // allocations whatever the number: fuzz runs with a fixed seed then repeat themselves.
        const QString suffix = QString::number(QRandomGenerator::global()->generate() | (quint64(1) << 32), 16).mid(1);
        QString leaf = QLatin1Char('.') + base + QLatin1Char('.') + suffix;
        if (QFile::encodeName(leaf).size() > 255)
            leaf = QStringLiteral(".save.") + suffix;
        tempName = QFile::encodeName(folder + QLatin1Char('/') + leaf);
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(qMin<qsizetype>(size, qsizetype(1) << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

FileStatus readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (name.isEmpty())
        return systemFailure(ENOENT, FileProblem::ReadFailed);
    if (::stat(name.constData(), &st) != 0)
        return systemFailure(errno, FileProblem::ReadFailed);
    if (FileStatus refused = refusedKind(st, maxBytes); !refused.ok)
        return refused;
    // O_NONBLOCK: should the name have become a pipe since, opening it does not wait.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return systemFailure(errno, FileProblem::ReadFailed);
    if (::fstat(fd.get(), &st) != 0)
        return systemFailure(errno, FileProblem::ReadFailed);
    if (FileStatus refused = refusedKind(st, maxBytes); !refused.ok)
        return refused;

    // One byte more than the size, so that the end is seen without growing; a file that grows
    // while it is read is followed up to the limit.
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    adviseHugePages(data.data(), data.size());
    qsizetype used = 0;
    for (;;) {
        if (used == data.size()) {
            if (used > maxBytes)
                return failed(FileProblem::TooLarge, qt_error_string(EFBIG));
            data.resize(qMin<qsizetype>(used * 2, qsizetype(maxBytes) + 1));
        }
        const ssize_t n = ::read(fd.get(), data.data() + used, size_t(data.size() - used));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure(errno, FileProblem::ReadFailed);
        }
        if (n == 0)
            break;
        used += n;
    }
    if (used > maxBytes)
        return failed(FileProblem::TooLarge, qt_error_string(EFBIG));
    data.resize(used);
    bytes = std::move(data);
    return succeeded();
}

FileStatus writeFileBytes(const QString& path, const QByteArray& bytes)
{
    const QString target = followLinks(path);
    const QByteArray name = QFile::encodeName(target);
    if (name.isEmpty() || name.endsWith('/'))
        return systemFailure(name.isEmpty() ? ENOENT : EISDIR, FileProblem::WriteFailed);
    struct stat st {};
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (!exists && errno != ENOENT)
        return systemFailure(errno, FileProblem::WriteFailed);
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return failed(FileProblem::Folder, qt_error_string(EISDIR));
        if (!S_ISREG(st.st_mode))
            return failed(FileProblem::NotRegularFile, QStringLiteral("Not a regular file"));
        // Renaming would replace a file that its owner has made read-only. The effective user
        // counts, as for every other step.
        if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
            return systemFailure(errno, FileProblem::WriteFailed);
    }

    QByteArray tempName;
    Descriptor fd(createBeside(target, tempName));
    if (fd.get() < 0)
        return systemFailure(errno, FileProblem::WriteFailed);
    bool written = false;
    int error = 0;
    if (exists)
        ::fchmod(fd.get(), st.st_mode & 07777);
    if (!writeAll(fd.get(), bytes.constData(), bytes.size()))
        error = errno;
    // A full disk may show only when the data goes to it.
    else if (::fdatasync(fd.get()) != 0 && errno != EINVAL)
        error = errno;
    else if (!fd.close())
        error = errno;
    else if (::rename(tempName.constData(), name.constData()) != 0)
        error = errno;
    else
        written = true;
    if (written)
        return succeeded();
    ::unlink(tempName.constData());
    return systemFailure(error ? error : EIO, FileProblem::WriteFailed);
}

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
    void reset(int fd)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
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

// A name for the new copy beside `leaf` in the open folder that no file has: created with
// O_EXCL, so nothing that is already there is ever opened. Returns -1 with errno set on failure.
int createBeside(int folder, const QByteArray& leaf, QByteArray& tempLeaf)
{
    for (int attempt = 0; attempt < 64; ++attempt) {
        // Always eight digits (a ninth, leading, is dropped), so that a save makes the same
        // allocations whatever the number: fuzz runs with a fixed seed then repeat themselves.
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate() | (quint64(1) << 32), 16).mid(1);
        tempLeaf = '.' + leaf + '.' + suffix;
        if (tempLeaf.size() > 255)
            tempLeaf = ".save." + suffix;
        const int fd = ::openat(folder, tempLeaf.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
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

namespace {

// What becomes of the last name of a write when it is a symbolic link.
enum class LastName {
    Followed,     // it is looked at through the link (writeFileBytes has followed the links already)
    ReplacedAsIs, // the link itself is replaced, and what it points to is left alone
};

// Writes bytes to a new file in the open folder and renames it over leaf (see writeFileBytes).
FileStatus replaceInFolder(int folder, const QByteArray& leaf, const QByteArray& bytes, LastName lastName)
{
    struct stat st {};
    const int statFlags = lastName == LastName::ReplacedAsIs ? AT_SYMLINK_NOFOLLOW : 0;
    const bool exists = ::fstatat(folder, leaf.constData(), &st, statFlags) == 0;
    if (!exists && errno != ENOENT)
        return systemFailure(errno, FileProblem::WriteFailed);
    const bool regular = exists && S_ISREG(st.st_mode);
    if (exists && !S_ISLNK(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            return failed(FileProblem::Folder, qt_error_string(EISDIR));
        if (!regular)
            return failed(FileProblem::NotRegularFile, QStringLiteral("Not a regular file"));
        // Renaming would replace a file that its owner has made read-only. The effective user
        // counts, as for every other step.
        if (::faccessat(folder, leaf.constData(), W_OK, AT_EACCESS) != 0)
            return systemFailure(errno, FileProblem::WriteFailed);
    }

    QByteArray tempLeaf;
    Descriptor fd(createBeside(folder, leaf, tempLeaf));
    if (fd.get() < 0)
        return systemFailure(errno, FileProblem::WriteFailed);
    bool written = false;
    int error = 0;
    if (regular)
        ::fchmod(fd.get(), st.st_mode & 07777);
    if (!writeAll(fd.get(), bytes.constData(), bytes.size()))
        error = errno;
    // A full disk may show only when the data goes to it.
    else if (::fdatasync(fd.get()) != 0 && errno != EINVAL)
        error = errno;
    else if (!fd.close())
        error = errno;
    else if (::renameat(folder, tempLeaf.constData(), folder, leaf.constData()) != 0)
        error = errno;
    else
        written = true;
    if (written)
        return succeeded();
    ::unlinkat(folder, tempLeaf.constData(), 0);
    return systemFailure(error ? error : EIO, FileProblem::WriteFailed);
}

// A folder opened only to name what is in it: neither reading it nor its contents is needed.
int openFolder(int parent, const QByteArray& name, int flags = 0)
{
    return ::openat(parent, name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC | flags);
}

} // namespace

FileStatus writeFileBytes(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(followLinks(path));
    if (name.isEmpty() || name.endsWith('/'))
        return systemFailure(name.isEmpty() ? ENOENT : EISDIR, FileProblem::WriteFailed);
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folderName = slash < 0 ? QByteArray(".") : name.left(qMax<qsizetype>(slash, 1));
    const Descriptor folder(openFolder(AT_FDCWD, folderName));
    if (folder.get() < 0)
        return systemFailure(errno, FileProblem::WriteFailed);
    return replaceInFolder(folder.get(), name.mid(slash + 1), bytes, LastName::Followed);
}

FileStatus writeFileBytesBelow(const QString& root, const QString& relativePath, const QByteArray& bytes)
{
    const QList<QByteArray> names = QFile::encodeName(relativePath).split('/');
    for (const QByteArray& name : names) {
        if (name.isEmpty() || name == "." || name == "..")
            return systemFailure(ENOENT, FileProblem::WriteFailed);
    }
    const QByteArray rootName = QFile::encodeName(root);
    if (rootName.isEmpty())
        return systemFailure(ENOENT, FileProblem::WriteFailed);
    Descriptor folder(openFolder(AT_FDCWD, rootName));
    if (folder.get() < 0)
        return systemFailure(errno, FileProblem::WriteFailed);
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const QByteArray& name = names[i];
        int next = openFolder(folder.get(), name, O_NOFOLLOW);
        if (next < 0 && errno == ENOENT) {
            if (::mkdirat(folder.get(), name.constData(), 0777) != 0 && errno != EEXIST)
                return systemFailure(errno, FileProblem::WriteFailed);
            next = openFolder(folder.get(), name, O_NOFOLLOW);
        }
        if (next < 0) {
            const int error = errno;
            struct stat st {};
            if (::fstatat(folder.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
                return failed(FileProblem::SymbolicLink, qt_error_string(ELOOP));
            return systemFailure(error, FileProblem::WriteFailed);
        }
        folder.reset(next);
    }
    return replaceInFolder(folder.get(), names.last(), bytes, LastName::ReplacedAsIs);
}

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace filetest {

namespace {
constexpr uid_t NobodyUser = 65534;
constexpr gid_t NobodyGroup = 65534;
} // namespace

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

AsNobody::AsNobody()
{
    if (::geteuid() != 0)
        return;
    const int count = ::getgroups(0, nullptr);
    groups_.resize(size_t(qMax(count, 0)));
    if (count > 0)
        ::getgroups(count, groups_.data());
    // Only the effective ids change, so that the guard can take the superuser's back.
    ok_ = ::setgroups(0, nullptr) == 0 && ::setegid(NobodyGroup) == 0 && ::seteuid(NobodyUser) == 0;
    active_ = true;
}

AsNobody::~AsNobody()
{
    if (!active_)
        return;
    if (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(groups_.size(), groups_.data()) != 0)
        ADD_FAILURE() << "the superuser's ids could not be taken back: " << std::strerror(errno);
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    old_ = limit.rlim_cur;
    saved_ = true;
    limit.rlim_cur = rlim_t(bytes);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!saved_)
        return;
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = old_;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ADD_FAILURE() << "the file-size limit could not be restored: " << std::strerror(errno);
    std::signal(SIGXFSZ, oldHandler_);
}

SmallFileSystem::SmallFileSystem(const QString& folder, qint64 bytes) : folder_(QFile::encodeName(folder))
{
    if (::geteuid() != 0) {
        why_ = QStringLiteral("mounting a file system needs the superuser");
        return;
    }
    // A namespace of this thread's own: the mount is private to it and goes with the process.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        why_ = QStringLiteral("no mount namespace of its own: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes);
    if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, options.constData()) != 0) {
        why_ = QStringLiteral("tmpfs cannot be mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_ && ::umount2(folder_.constData(), MNT_DETACH) != 0)
        ADD_FAILURE() << "the small file system could not be unmounted: " << std::strerror(errno);
}

} // namespace filetest

#include "support/FileTestSupport.h"

#include "platform/FileMessages.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using filetest::entries;
using filetest::readBytes;
using filetest::writeBytes;

namespace {

// Both readers of whole files: documents and the program's own files.
const std::function<TextReadResult(const QString&)> readers[] = {readTextFile, readProgramFile};

// Both writers; a document in code page 932 as an HTML page.
const std::function<TextWriteResult(const QString&, const QString&)> writers[] = {
    [](const QString& path, const QString& text) { return writeTextFile(path, text, TextEncoding::Cp932, true); },
    writeProgramFile,
};

bool makeSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

TEST(FileRead, OnlyRegularFilesAreOpened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("folder.html");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString fifo = dir.filePath("pipe.html");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString socket = dir.filePath("socket.html");
    ASSERT_TRUE(makeSocket(socket));
    const QString file = dir.filePath("page.html");
    writeBytes(file, "<p>x</p>");
    const QString linkToPipe = dir.filePath("link.html");
    ASSERT_TRUE(QFile::link(fifo, linkToPipe));
    // Sparse: one byte over the limit takes no room on the disk.
    const QString huge = dir.filePath("huge.html");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(MaxTextFileBytes + 1));
    }

    struct Case { QString path; FileProblem problem; const char* said; };
    const Case cases[] = {
        {dir.filePath("missing.html"), FileProblem::NotFound, "が見つかりません"},
        {file + "/child.html", FileProblem::NotFound, "が見つかりません"},
        {folder, FileProblem::Folder, "はフォルダーのため開けません"},
        {fifo, FileProblem::NotRegularFile, "は通常のファイルではないため開けません"},
        {linkToPipe, FileProblem::NotRegularFile, "は通常のファイルではないため開けません"},
        {socket, FileProblem::NotRegularFile, "は通常のファイルではないため開けません"},
        {QStringLiteral("/dev/zero"), FileProblem::NotRegularFile, "は通常のファイルではないため開けません"},
        {QStringLiteral("/dev/null"), FileProblem::NotRegularFile, "は通常のファイルではないため開けません"},
        {huge, FileProblem::TooLarge, "は大きすぎるため開けません。開けるのは512 MB までのファイルです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const auto& read : readers) {
            const TextReadResult r = read(c.path);
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.problem, c.problem);
            EXPECT_FALSE(r.error.isEmpty());
            EXPECT_TRUE(r.text.isEmpty());
        }
        const QString message = readProblemMessage(c.problem, c.path);
        EXPECT_TRUE(message.startsWith("「" + c.path + "」" + QString::fromUtf8(c.said))) << message.toStdString();
    }
    const TextReadResult fine = readTextFile(file);
    EXPECT_TRUE(fine.ok);
    EXPECT_EQ(fine.problem, FileProblem::None);
    EXPECT_EQ(fine.text, "<p>x</p>");
}

TEST(FileRead, ProcFilesWithoutASizeAreReadWhole)
{
    // Regular files whose size says 0 still have their contents read.
    QByteArray bytes;
    const FileStatus status = readFileBytes(QStringLiteral("/proc/self/status"), bytes);
    ASSERT_TRUE(status.ok) << status.error.toStdString();
    EXPECT_TRUE(bytes.startsWith("Name:"));
    EXPECT_TRUE(bytes.endsWith('\n'));
}

// A save that cannot be completed reports it and leaves the old file, byte for byte, with no
// half-written copy beside it; every case here stops the superuser too.
TEST(FileWrite, FailedSavesKeepTheOldFile)
{
    const QByteArray old = "<p>old contents</p>\r\n";
    const QString small = QStringLiteral("<p>新しい</p>\r\n");
    const QString large = QString(300'000, QLatin1Char('x'));
    struct Case {
        const char* why;
        qint64 sizeLimit; // -1: none
        QString text;
        FileProblem problem;
    };
    const Case cases[] = {
        {"size limit under a small text", 8, small, FileProblem::NoSpace},
        {"size limit of nothing", 0, small, FileProblem::NoSpace},
        {"size limit in the middle of a large text", 100'000, large, FileProblem::NoSpace},
    };
    for (const Case& c : cases) {
        for (const auto& write : writers) {
            SCOPED_TRACE(c.why);
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            const QString path = dir.filePath("index.html");
            writeBytes(path, old);
            TextWriteResult r;
            {
                filetest::FileSizeLimit limit(c.sizeLimit);
                ASSERT_TRUE(limit.ok());
                r = write(path, c.text);
            }
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.problem, c.problem);
            EXPECT_FALSE(r.error.isEmpty());
            EXPECT_EQ(readBytes(path), old);
            EXPECT_EQ(entries(dir.path()), QStringList{"index.html"});
            // The same save goes through once there is room.
            EXPECT_TRUE(write(path, c.text).ok);
            EXPECT_EQ(readTextFile(path).text, c.text);
        }
    }
}

TEST(FileWrite, NamesThatCannotBeWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("site");
    ASSERT_TRUE(QDir().mkdir(folder));
    writeBytes(folder + "/inside.html", "kept");
    const QString file = dir.filePath("notes.txt");
    writeBytes(file, "kept");
    const QString fifo = dir.filePath("pipe.html");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    struct Case { QString path; FileProblem problem; };
    const Case cases[] = {
        {folder, FileProblem::Folder},
        {file + "/page.html", FileProblem::NotFound},
        {dir.filePath("no/such/page.html"), FileProblem::NotFound},
        {fifo, FileProblem::NotRegularFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const auto& write : writers) {
            const TextWriteResult r = write(c.path, QStringLiteral("new"));
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.problem, c.problem);
            EXPECT_FALSE(r.error.isEmpty());
        }
        EXPECT_FALSE(writeProblemDetail(c.problem).isEmpty());
    }
    EXPECT_EQ(readBytes(folder + "/inside.html"), "kept");
    EXPECT_EQ(readBytes(file), "kept");
    struct stat st {};
    EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(entries(dir.path()), (QStringList{"notes.txt", "pipe.html", "site"}));
    EXPECT_EQ(entries(folder), QStringList{"inside.html"});
}

TEST(FileWrite, FullFileSystemKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    filetest::SmallFileSystem disk(dir.path(), 64 * 1024);
    if (!disk.ok())
        GTEST_SKIP() << disk.why().toStdString() << "; the file-size limit tests cover failed writes";
    const QString path = dir.filePath("index.html");
    const QByteArray old(1000, 'o');
    writeBytes(path, old);
    // Fill what is left, leaving less than a page.
    {
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    for (const auto& write : writers) {
        for (const QString& text : {QStringLiteral("<p>小さな変更</p>"), QString(20'000, QLatin1Char('n'))}) {
            SCOPED_TRACE(text.size());
            const TextWriteResult r = write(path, text);
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.problem, FileProblem::NoSpace);
            EXPECT_EQ(readBytes(path), old);
            EXPECT_EQ(entries(dir.path()), (QStringList{"filler", "index.html"}));
        }
    }
    ASSERT_TRUE(QFile::remove(dir.filePath("filler")));
    EXPECT_TRUE(writeTextFile(path, QStringLiteral("<p>小さな変更</p>"), TextEncoding::Utf8, true).ok);
    EXPECT_EQ(readBytes(path), QStringLiteral("<p>小さな変更</p>").toUtf8());
}

TEST(FileWrite, KeepsPermissionsAndFollowsLinks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("real.html");
    writeBytes(target, "old");
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const QString link = dir.filePath("link.html");
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(writeTextFile(link, "new", TextEncoding::Cp932, true).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A link to a file that does not exist yet makes that file.
    const QString dangling = dir.filePath("later.html");
    ASSERT_TRUE(QFile::link(dir.filePath("made.html"), dangling));
    ASSERT_TRUE(writeProgramFile(dangling, "made").ok);
    EXPECT_EQ(readBytes(dir.filePath("made.html")), "made");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
}

// The program's own files below a folder of its own: no link takes a write out of it.
TEST(FileWriteBelow, ReplacesLinksAndFollowsNone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.filePath("own");
    const QString outside = dir.filePath("outside");
    ASSERT_TRUE(QDir().mkpath(root));
    ASSERT_TRUE(QDir().mkpath(outside));
    writeBytes(outside + "/notes.txt", "the user's");
    ASSERT_TRUE(QFile::link(outside + "/notes.txt", root + "/to-a-file"));
    ASSERT_TRUE(QFile::link(outside + "/made.txt", root + "/to-no-file"));
    ASSERT_TRUE(QFile::link(outside, root + "/to-a-folder"));
    ASSERT_TRUE(QFile::link(outside, root + "/linked"));

    // The link itself gives way to the file; what it points to stays as it was.
    for (const char* name : {"to-a-file", "to-no-file", "to-a-folder"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeFileBytesBelow(root, name, "own").ok);
        const QFileInfo written(root + "/" + name);
        EXPECT_FALSE(written.isSymLink());
        EXPECT_TRUE(written.isFile());
        EXPECT_EQ(readBytes(written.filePath()), "own");
    }

    // Folders on the way are made, but one that is a link is not entered.
    ASSERT_TRUE(writeFileBytesBelow(root, "help/pages/index.html", "help").ok);
    EXPECT_EQ(readBytes(root + "/help/pages/index.html"), "help");
    struct Case { QString relativePath; FileProblem problem; };
    const Case refused[] = {
        {"linked/notes.txt", FileProblem::SymbolicLink},
        {"linked/new/index.html", FileProblem::SymbolicLink},
        {"help/pages/index.html/x", FileProblem::NotFound},
        {"help", FileProblem::Folder},
        {"../outside/notes.txt", FileProblem::NotFound},
        {"help/./index.html", FileProblem::NotFound},
        {"", FileProblem::NotFound},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.relativePath.toStdString());
        const FileStatus status = writeFileBytesBelow(root, c.relativePath, "never");
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.problem, c.problem);
    }
    EXPECT_EQ(entries(outside), QStringList{"notes.txt"});
    EXPECT_EQ(readBytes(outside + "/notes.txt"), "the user's");
    EXPECT_EQ(entries(root + "/help/pages"), QStringList{"index.html"});
}

TEST(FileWrite, PermissionsCountForTheSuperuserToo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));
    // A folder that may not be written, and a read-only file in a folder that may.
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    writeBytes(locked + "/index.html", "old");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
    const QString open = dir.filePath("open");
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
    writeBytes(open + "/index.html", "old");
    ASSERT_TRUE(QFile::setPermissions(open + "/index.html", QFileDevice::ReadOwner | QFileDevice::ReadOther));

    for (const QString& path : {locked + "/index.html", open + "/index.html", locked + "/new.html"}) {
        SCOPED_TRACE(path.toStdString());
        for (const auto& write : writers) {
            TextWriteResult r;
            {
                filetest::AsNobody nobody;
                ASSERT_TRUE(nobody.ok());
                r = write(path, "new");
            }
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.problem, FileProblem::AccessDenied);
        }
    }
    EXPECT_EQ(readBytes(locked + "/index.html"), "old");
    EXPECT_EQ(readBytes(open + "/index.html"), "old");
    EXPECT_EQ(entries(locked), QStringList{"index.html"});
    EXPECT_EQ(entries(open), QStringList{"index.html"});
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace

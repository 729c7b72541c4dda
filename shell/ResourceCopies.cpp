#include "shell/ResourceCopies.h"

#include "platform/FileBytes.h"
#include "platform/FileMessages.h"
#include "platform/SharedConstants.h"
#include "preview/Favourites.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

namespace {

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool isHexHash(const QByteArray& text)
{
    if (text.size() != 64)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// The files the user writes: once there, the user's copy is the only one.
bool isUsersOwn(const QString& relativePath)
{
    return relativePath.compare(FavouritesFile, Qt::CaseInsensitive) == 0;
}

// A file of that name in the folder, in any case of its letters (the favourites list is looked
// for that way).
bool existsInAnyCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return true;
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString& other : names) {
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// What stands at the record's name when it is not a plain file, in the words of the message;
// empty for a plain file or none.
QString kindWhenNotAPlainFile(const QFileInfo& record)
{
    if (record.isSymLink())
        return QStringLiteral("シンボリックリンク");
    if (!record.exists() || record.isFile())
        return QString();
    if (record.isDir())
        return QStringLiteral("フォルダー");
    return QStringLiteral("特殊なファイル");
}

// Renames what is at path to the first free name of path.bak, path.bak2, ...; never over
// anything that is there. The new name, or empty when it could not be renamed.
QString setAside(const QString& path)
{
    for (int n = 1; n <= 20; ++n) {
        const QString aside = path + QStringLiteral(".bak") + (n > 1 ? QString::number(n) : QString());
        if (QFileInfo(aside).isSymLink() || QFileInfo::exists(aside))
            continue;
        if (QDir().rename(path, aside))
            return aside;
    }
    return QString();
}

ResourceCopyRecord stampOf(const QFileInfo& file)
{
    ResourceCopyRecord stamp;
    stamp.size = file.size();
    stamp.modifiedMs = file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    return stamp;
}

} // namespace

ResourceCopyRecordsRead parseResourceCopyRecords(const QByteArray& bytes)
{
    ResourceCopyRecordsRead read;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty() && i == lines.size() - 1)
            break;
        // Size, time and hash; the path is the rest of the line, tabs and all.
        qsizetype at = 0;
        QByteArray fields[3];
        bool complete = true;
        for (QByteArray& field : fields) {
            const qsizetype tab = line.indexOf('\t', at);
            if (tab < 0) {
                complete = false;
                break;
            }
            field = line.mid(at, tab - at);
            at = tab + 1;
        }
        const QByteArray pathBytes = line.mid(at);
        const QString path = QString::fromUtf8(pathBytes);
        ResourceCopyRecord record;
        bool sizeOk = false;
        bool timeOk = false;
        if (complete) {
            record.size = fields[0].toLongLong(&sizeOk);
            record.modifiedMs = fields[1].toLongLong(&timeOk);
            record.sha256 = fields[2];
        }
        if (!complete || !sizeOk || !timeOk || record.size < 0 || (!record.sha256.isEmpty() && !isHexHash(record.sha256))
            || path.isEmpty() || path.toUtf8() != pathBytes || path.contains(u'\r')) {
            read.damaged = true;
            continue;
        }
        read.records[path] = record;
    }
    return read;
}

QByteArray formatResourceCopyRecords(const ResourceCopyRecords& records)
{
    QByteArray bytes;
    for (const auto& [path, record] : records) {
        // A name that no line can hold is left out: that file is looked at anew each time.
        if (path.isEmpty() || path.contains(u'\n') || path.contains(u'\r'))
            continue;
        bytes += QByteArray::number(record.size) + '\t' + QByteArray::number(record.modifiedMs) + '\t' + record.sha256
            + '\t' + path.toUtf8() + '\n';
    }
    return bytes;
}

QString findInstalledResource(const QString& executableFolder)
{
    const QStringList candidates{
        executableFolder + QStringLiteral("/resource"),
        executableFolder + QStringLiteral("/" PELMOR_RESOURCE_FROM_BINDIR),
        QStringLiteral(PELMOR_INSTALLED_RESOURCE),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(QDir(folder).absolutePath());
    }
    return QString();
}

QString refreshResourceCopies(const QString& installedFolder, const QString& copyFolder)
{
    QDir().mkpath(copyFolder);
    const QString recordPath = copyFolder + QLatin1Char('/') + ResourceCopyRecordFile;
    ResourceCopyRecordsRead read;
    // Only a plain file is read; anything else at its name is set aside, never read or written
    // through, and the records are made anew.
    const QString recordKindNotAFile = kindWhenNotAPlainFile(QFileInfo(recordPath));
    const QString recordSetAside = recordKindNotAFile.isEmpty() ? QString() : setAside(recordPath);
    if (recordKindNotAFile.isEmpty() && QFileInfo::exists(recordPath)) {
        QByteArray bytes;
        if (readFileBytes(recordPath, bytes).ok)
            read = parseResourceCopyRecords(bytes);
        else
            read.damaged = true;
    }
    const ResourceCopyRecords& before = read.records;
    ResourceCopyRecords after;

    QStringList installedFiles;
    const QDir installed(installedFolder);
    QDirIterator it(installedFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        installedFiles << installed.relativeFilePath(it.next());
    installedFiles.sort();

    QStringList unreadable;
    QStringList unwritten;
    FileProblem writeProblem = FileProblem::None;
    for (const QString& name : installedFiles) {
        const QString source = installed.filePath(name);
        const QString copy = copyFolder + QLatin1Char('/') + name;
        const QFileInfo copyInfo(copy);
        ResourceCopyRecord stamp = stampOf(QFileInfo(source));
        const auto known = before.find(name);

        if (isUsersOwn(name) ? existsInAnyCase(copyInfo.path(), copyInfo.fileName()) : copyInfo.exists()) {
            // Nothing has changed since the last look: nothing is read.
            if (isUsersOwn(name)
                || (known != before.end() && known->second.size == stamp.size && known->second.modifiedMs == stamp.modifiedMs)) {
                if (known != before.end())
                    after[name] = known->second;
                continue;
            }
        }

        QByteArray bytes;
        const FileStatus readStatus = readFileBytes(source, bytes);
        if (!readStatus.ok) {
            unreadable << readProblemMessage(readStatus.problem, source);
            if (known != before.end())
                after[name] = known->second;
            continue;
        }
        stamp.sha256 = sha256(bytes);

        bool write = !copyInfo.exists();
        if (!write) {
            QByteArray current;
            const QByteArray currentHash = readFileBytes(copy, current).ok ? sha256(current) : QByteArray();
            if (currentHash == stamp.sha256) {
                after[name] = stamp;
                continue;
            }
            // Replaced only when it holds just what the program wrote into it.
            write = known != before.end() && !known->second.sha256.isEmpty() && currentHash == known->second.sha256;
            if (!write) {
                after[name] = ResourceCopyRecord{stamp.size, stamp.modifiedMs, QByteArray()};
                continue;
            }
        }
        // Written in the copy folder itself: a link there is replaced, not written through.
        const FileStatus written = writeFileBytesBelow(copyFolder, name, bytes);
        if (!written.ok) {
            if (writeProblem == FileProblem::None)
                writeProblem = written.problem;
            unwritten << copy;
            if (known != before.end())
                after[name] = known->second;
            continue;
        }
        if (!isUsersOwn(name))
            after[name] = stamp;
    }

    const bool recordChanged = after != before || read.damaged || !recordKindNotAFile.isEmpty();
    const FileStatus recordWritten = recordChanged
        ? writeFileBytesBelow(copyFolder, ResourceCopyRecordFile, formatResourceCopyRecords(after))
        : FileStatus{true, FileProblem::None, QString()};

    QStringList message;
    if (!recordKindNotAFile.isEmpty()) {
        message << QStringLiteral("データフォルダーの resource にあるコピーの記録が、ファイルではなく") + recordKindNotAFile
                       + QStringLiteral("になっていました。")
                       + (recordWritten.ok ? QStringLiteral("記録は作り直しました。") : QString())
                       + QStringLiteral("変更されているコピーは、新しいファイルで置き換えずにそのまま残します。")
                << recordPath;
        if (!recordSetAside.isEmpty())
            message << QStringLiteral("元の") + recordKindNotAFile + QStringLiteral("は、名前を変えて残しました。") << recordSetAside;
    }
    if (read.damaged) {
        message << QStringLiteral("データフォルダーの resource にあるコピーの記録が壊れていました。")
                       + QStringLiteral("変更されているコピーは、新しいファイルで置き換えずにそのまま残します。")
                << recordPath;
    }
    message << unreadable;
    if (!unwritten.isEmpty()) {
        message << QStringLiteral("インストールされたデータファイルをデータフォルダーにコピーできませんでした。")
                       + writeProblemDetail(writeProblem)
                << unwritten;
    }
    if (!recordWritten.ok) {
        message << QStringLiteral("データフォルダーの resource にあるコピーの記録を書き込めませんでした。")
                       + writeProblemDetail(recordWritten.problem)
                       + (unwritten.isEmpty() && unreadable.isEmpty() ? QStringLiteral("データファイルのコピーは済んでいます。") : QString())
                       + QStringLiteral("次の起動のときに、もう一度書き込みます。")
                << recordPath;
    }
    return message.join(CrLf);
}

#include "workspace/TempPages.h"

#include "platform/TextFile.h"
#include "workspace/PathHelpers.h"
#include "workspace/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

QString lockName()
{
    return QStringLiteral(".pelmor-%1.lock").arg(QCoreApplication::applicationPid());
}

QString listNameFor(const QString& lockFileName)
{
    return lockFileName.left(lockFileName.size() - 5) + QStringLiteral(".pages");
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// The pages that other instances, still running, have listed in a folder.
QSet<QString> pagesOfRunningInstances(const QString& folder)
{
    QSet<QString> pages;
    QDir dir(folder);
    const QStringList locks = dir.entryList({QStringLiteral(".pelmor-*.lock")}, QDir::Files | QDir::Hidden);
    for (const QString& name : locks) {
        if (name == lockName())
            continue;
        QLockFile lock(dir.filePath(name));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            // Its instance is gone: the lock and its list go with it.
            lock.unlock();
            QFile::remove(dir.filePath(listNameFor(name)));
            continue;
        }
        const TextReadResult list = readProgramFile(dir.filePath(listNameFor(name)));
        if (!list.ok)
            continue;
        for (const QString& line : list.text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            pages.insert(line);
    }
    return pages;
}

} // namespace

TempPages::TempPages(Settings& settings)
    : settings_(settings)
{
}

TempPages::~TempPages() = default;

QString TempPages::choosePath(const QString& folder, int number, const QSet<QString>& usedByOthers) const
{
    for (int k = number; k <= 999; ++k) {
        const QString path = absolute(folder + QLatin1Char('/') + tempPageName(k));
        if (usedByOthers.contains(path))
            continue;
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        if (info.exists() && !own_.contains(path))
            continue;
        return path;
    }
    // Every number is taken: the document's own name, written only if the run owns it.
    return absolute(folder + QLatin1Char('/') + tempPageName(number));
}

void TempPages::noteWritten(const QString& path)
{
    const QString full = absolute(path);
    const bool added = !own_.contains(full);
    own_.insert(full);
    const QString folder = QFileInfo(full).absolutePath();
    if (!folders_.contains(folder)) {
        folders_ << folder;
        lockFolder(folder);
        // Remembered at once, so that a crash still leaves the folder known to the next start.
        QStringList remembered = rememberedFolders();
        if (!remembered.contains(folder)) {
            remembered << folder;
            storeFolders(remembered);
            if (persist)
                persist();
        }
    }
    if (added)
        writePageList(folder);
}

bool TempPages::owns(const QString& path) const
{
    return own_.contains(absolute(path));
}

void TempPages::adopt(const QStringList& paths)
{
    for (const QString& path : paths)
        own_.insert(absolute(path));
}

void TempPages::release(const QString& path)
{
    const QString full = absolute(path);
    if (!own_.remove(full))
        return;
    const QString folder = QFileInfo(full).absolutePath();
    if (folders_.contains(folder))
        writePageList(folder);
}

QStringList TempPages::leftoverPages(const QString& alsoIn) const
{
    QStringList searched = rememberedFolders();
    const QString extra = QFileInfo(alsoIn).absoluteFilePath();
    if (!alsoIn.isEmpty() && !searched.contains(extra))
        searched.prepend(extra);
    QStringList pages;
    for (const QString& folder : searched) {
        QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            continue;
        const QSet<QString> running = pagesOfRunningInstances(folder);
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString path = dir.absoluteFilePath(name);
            if (isOwnTempPageName(name) && !running.contains(path) && !QFileInfo(path).isSymLink())
                pages << path;
        }
    }
    return pages;
}

void TempPages::deleteOwnPagesIn(const QString& folder, const QString& keep)
{
    const QString dir = QFileInfo(folder).absoluteFilePath();
    const QString kept = keep.isEmpty() ? QString() : absolute(keep);
    for (auto it = own_.begin(); it != own_.end();) {
        const QFileInfo info(*it);
        if (info.absolutePath() != dir || *it == kept) {
            ++it;
            continue;
        }
        if (!info.isSymLink() && info.isFile())
            QFile::remove(*it);
        it = own_.erase(it);
    }
    if (folders_.contains(dir))
        writePageList(dir);
}

void TempPages::deleteAllOwnPages()
{
    for (const QString& path : std::as_const(own_)) {
        const QFileInfo info(path);
        if (!info.isSymLink() && info.isFile())
            QFile::remove(path);
    }
    own_.clear();
    for (auto& [folder, lock] : locks_) {
        QFile::remove(folder + QLatin1Char('/') + listNameFor(lockName()));
        lock->unlock();
    }
    locks_.clear();
    QStringList remembered = rememberedFolders();
    for (const QString& folder : std::as_const(folders_))
        remembered.removeAll(folder);
    storeFolders(remembered);
    folders_.clear();
}

void TempPages::lockFolder(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + lockName());
    lock->setStaleLockTime(0);
    // A folder that cannot take the lock still gets its pages; another instance then sees them
    // as leftovers, as it would after a crash.
    if (lock->tryLock(0))
        locks_[folder] = std::move(lock);
}

void TempPages::writePageList(const QString& folder) const
{
    if (!locks_.count(folder))
        return;
    QString list;
    for (const QString& path : own_) {
        if (QFileInfo(path).absolutePath() == folder)
            list += path + QStringLiteral("\r\n");
    }
    writeProgramFile(folder + QLatin1Char('/') + listNameFor(lockName()), list);
}

QStringList TempPages::rememberedFolders() const
{
    QStringList folders;
    for (const QString& part : settings_.get(setting::PageFolders).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        folders << QUrl::fromPercentEncoding(part.toUtf8());
    return folders;
}

void TempPages::storeFolders(const QStringList& folders) const
{
    // No key at all once no run has pages left anywhere.
    if (folders.isEmpty()) {
        settings_.remove(setting::PageFolders);
        return;
    }
    QStringList parts;
    for (const QString& folder : folders)
        parts << QString::fromLatin1(QUrl::toPercentEncoding(folder));
    settings_.set(setting::PageFolders, parts.join(QLatin1Char('|')));
}

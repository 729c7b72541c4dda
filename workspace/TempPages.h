#pragma once

#include <QLockFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class Settings;

// The temporary pages of this run: which names the run may write and delete, which folders it
// has written pages in, and the leftovers of earlier runs.
//
// A page is the run's own when the run wrote it or took it over as a leftover (restored or
// declined). A name that stands for a symbolic link or for a file the run does not own is never
// written: the next free number is taken instead. While the run lasts, each folder it writes
// pages in holds a lock of the run's with the list of its pages, so that another running instance
// neither offers those pages back nor deletes them. The folders are remembered in the settings,
// so that the next start finds the pages a crash left behind.
class TempPages {
public:
    explicit TempPages(Settings& settings);
    ~TempPages();

    // A page name for a document in a folder: "$$$" + three digits + ".html", starting at the
    // document's own number, that the run may write and no other document of the run uses.
    QString choosePath(const QString& folder, int number, const QSet<QString>& usedByOthers) const;
    // Called after a page was written: it is the run's own from now on, and its folder is locked
    // and remembered.
    void noteWritten(const QString& path);
    bool owns(const QString& path) const;
    // Leftover pages that the run takes over (restored or declined).
    void adopt(const QStringList& paths);
    // The user saved a document at path: whatever its name, it is no page of the run's any more.
    void release(const QString& path);

    // The leftover pages in the folders the last runs wrote pages in (and `alsoIn`), by folder
    // and then by name; pages of instances that are still running are left out.
    QStringList leftoverPages(const QString& alsoIn) const;

    // The run's own pages in one folder, except `keep`, are deleted.
    void deleteOwnPagesIn(const QString& folder, const QString& keep = QString());
    // At the end of a run: every own page is deleted, the locks go and the folders are forgotten.
    void deleteAllOwnPages();

    // Folders where this run has written pages.
    QStringList folders() const { return folders_; }
    // Writes the settings file, so that a folder just remembered survives a crash.
    std::function<void()> persist;

private:
    void lockFolder(const QString& folder);
    void writePageList(const QString& folder) const;
    void storeFolders(const QStringList& folders) const;
    QStringList rememberedFolders() const;

    Settings& settings_;
    QSet<QString> own_;          // absolute paths
    QStringList folders_;        // folders of this run's pages, in order of first use
    std::map<QString, std::unique_ptr<QLockFile>> locks_;
};

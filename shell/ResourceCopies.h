#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <map>

// An installed program reads its data files from the user's copies of them, in the resource/
// folder of the user's data folder, because it writes beside some of them (a sample's preview
// page, the favourites list). The copies follow the installed files: after an upgrade a copy
// that the user has not changed is replaced by the new file, and one that the user changed is
// kept. The favourites list belongs to the user once it is there and is only ever seeded.

// What the copy folder remembers of one installed file: its size and modification time when it
// was last looked at, and the SHA-256 of what the program wrote into the copy. An empty hash
// marks a copy the program did not write as it is (the user's own, or changed by the user):
// it is never replaced.
struct ResourceCopyRecord {
    qint64 size = 0;
    qint64 modifiedMs = 0;
    QByteArray sha256; // hex, or empty
    bool operator==(const ResourceCopyRecord&) const = default;
};

// By path relative to the resource folder, with "/" between folders.
using ResourceCopyRecords = std::map<QString, ResourceCopyRecord>;

// The file of the records, in the copy folder: one line a file, "size<TAB>time<TAB>hash<TAB>path",
// UTF-8, LF. A hidden name, so that no list of the folder's files shows it.
inline const QString ResourceCopyRecordFile = QStringLiteral(".installed-copies");

struct ResourceCopyRecordsRead {
    ResourceCopyRecords records;
    bool damaged = false; // some line was not a record; the good lines are in records
};
ResourceCopyRecordsRead parseResourceCopyRecords(const QByteArray& bytes);
QByteArray formatResourceCopyRecords(const ResourceCopyRecords& records);

// Where the data files of this program are installed, for an executable in executableFolder:
// resource/ beside it, the installed data folder seen from the installed executable's folder
// (../share/pelmor/resource), or the folder the build was configured to install into. Empty when
// there is none.
QString findInstalledResource(const QString& executableFolder);

// Brings the copies in copyFolder up to date with the files of installedFolder (both resource
// folders): a missing copy is made, an unchanged copy of a file that has changed since it was
// copied is replaced, every other copy is kept. Each copy is written whole or not at all.
// Returns the message for the user, empty when everything went well.
QString refreshResourceCopies(const QString& installedFolder, const QString& copyFolder);

#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp fileStampOf(const QString& path)
{
    FileStamp stamp;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

bool isSameFile(const QString& a, const QString& b)
{
    return fileStampOf(a).sameFileAs(fileStampOf(b));
}

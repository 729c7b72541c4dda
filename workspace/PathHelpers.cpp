#include "workspace/PathHelpers.h"

#include "platform/VbString.h"

#include <algorithm>

namespace {

// A backslash is a legal character of a file name here, not a folder separator.
qsizetype lastSeparator(const QString& path)
{
    return path.lastIndexOf(u'/');
}

} // namespace

QString rgbHex(long colour)
{
    // Negative values print as 32-bit two's complement, the way Hex() does.
    const QString digits = QString::number(static_cast<quint32>(colour), 16).toUpper();
    const QString h = vb::String(6 - int(digits.size()), u'0') + digits;
    return vb::Right(h, 2) + vb::Mid(h, 3, 2) + vb::Left(h, 2);
}

QString withoutLineBreaks(const QString& s)
{
    QString out = s;
    out.remove(u'\r');
    out.remove(u'\n');
    return out;
}

QString threeDigits(int n)
{
    const QString digits = QString::number(n);
    return vb::String(3 - int(digits.size()), u'0') + digits;
}

void splitPath(const QString& full, QString& name, QString& folder, const QString& currentDocFolder)
{
    name.clear();
    folder.clear();
    if (full.isEmpty()) {
        folder = currentDocFolder + u'/';
        return;
    }
    name = fileNameOf(full);
    folder = full.left(full.size() - name.size());
}

QString fileNameOf(const QString& path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString folderOf(const QString& path)
{
    const qsizetype at = lastSeparator(path);
    return at < 0 ? QString() : path.left(at);
}

bool isOwnTempPageName(const QString& name)
{
    if (name.size() != 11 || !name.startsWith(QLatin1String("$$$")) || !name.endsWith(QLatin1String(".html")))
        return false;
    for (qsizetype i = 3; i < 6; ++i) {
        if (name.at(i) < u'0' || name.at(i) > u'9')
            return false;
    }
    return true;
}

QString tempPageName(int n)
{
    return QStringLiteral("$$$") + threeDigits(n) + QStringLiteral(".html");
}

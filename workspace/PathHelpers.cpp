#include "workspace/PathHelpers.h"

#include "platform/TextRules.h"

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
    // At least six digits, their pairs in reverse order: red, green, blue.
    const QString h = digits.rightJustified(6, u'0');
    return h.right(2) + h.mid(2, 2) + h.left(2);
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
    return digits.rightJustified(3, u'0');
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

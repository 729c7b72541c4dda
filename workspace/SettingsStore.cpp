#include "workspace/SettingsStore.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// NUL and the other control characters have no place in the settings file. Bytes the code
// page 932 decoder cannot read come out as U+001A, so they are caught here as well; codes it
// reads but that stand for no character come out as U+FFFD (see readFile).
bool isForbiddenControl(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t' || u == u'\r' || u == u'\n')
        return false;
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

bool hasForbiddenControl(const QString& line)
{
    for (const QChar c : line) {
        if (isForbiddenControl(c))
            return true;
    }
    return false;
}

qsizetype skipBlanks(const QString& s, qsizetype from)
{
    while (from < s.size() && s.at(from) == u' ')
        ++from;
    return from;
}

} // namespace

QString SettingsStore::value(const QString& appName, const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    Q_UNUSED(appName);
    Q_UNUSED(section);
    for (const IniEntry& e : entries_) {
        if (e.key == key)
            return e.value;
    }
    return defaultValue;
}

bool SettingsStore::setValue(const QString& appName, const QString& section, const QString& key,
                             const QString& value)
{
    Q_UNUSED(appName);
    Q_UNUSED(section);
    if (key.isEmpty())
        return false;
    for (IniEntry& e : entries_) {
        if (e.key == key) {
            e.value = value;
            return true;
        }
    }
    entries_.push_back(IniEntry{key, value});
    return true;
}

void SettingsStore::remove(const QString& key)
{
    std::erase_if(entries_, [&](const IniEntry& e) { return e.key == key; });
}

IniReadStatus SettingsStore::readFile(const QString& iniPath)
{
    const QFileInfo info(iniPath);
    if (!info.exists())
        return IniReadStatus::Missing;
    const TextReadResult read = readProgramFile(iniPath);
    if (!read.ok)
        return IniReadStatus::Unreadable;
    return readText(read.text, read.encoding == TextEncoding::Cp932) ? IniReadStatus::Ok : IniReadStatus::Damaged;
}

bool SettingsStore::readText(const QString& text, bool fromCodePage932)
{
    // A file that is not UTF-8 was decoded as code page 932, where U+FFFD marks an unassigned code.
    bool damaged = false;
    size_t record = 0;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (hasForbiddenControl(line) || (fromCodePage932 && line.contains(QChar::ReplacementCharacter))) {
            damaged = true;
            continue;
        }
        const qsizetype keyStart = skipBlanks(line, 0);
        const qsizetype comma = line.indexOf(u',', keyStart);
        const QString key = comma < 0 ? line.mid(keyStart) : line.mid(keyStart, comma - keyStart);
        if (key.isEmpty())
            continue;
        const QString value = comma < 0 ? QString() : line.mid(skipBlanks(line, comma + 1));
        if (record < entries_.size())
            entries_[record] = IniEntry{key, value};
        else
            entries_.push_back(IniEntry{key, value});
        ++record;
    }
    return !damaged;
}

QString SettingsStore::toText() const
{
    QString text;
    for (const IniEntry& e : entries_)
        text += e.key + u',' + e.value + QStringLiteral("\r\n");
    return text;
}

bool SettingsStore::writeFile(const QString& iniPath) const
{
    return writeProgramFile(iniPath, toText()).ok;
}

const IniEntry& SettingsStore::entry(int i) const
{
    static const IniEntry empty;
    if (i < 0 || i >= count())
        return empty;
    return entries_[static_cast<size_t>(i)];
}

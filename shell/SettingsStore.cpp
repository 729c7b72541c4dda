#include "shell/SettingsStore.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// NUL and the other control characters have no place in the settings file. Bytes the code
// page 932 decoder cannot read come out as U+001A, so they are caught here as well; codes it
// reads but that stand for no character come out as U+FFFD (see ReadIni).
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

QString SettingsStore::GetIniSetting(const QString& appName, const QString& section, const QString& key,
                                     const QString& defaultValue) const
{
    Q_UNUSED(appName);
    Q_UNUSED(section);
    for (const IniEntry& e : entries_) {
        if (e.Key.isEmpty())
            break;
        if (e.Key == key)
            return e.Value;
    }
    return defaultValue;
}

bool SettingsStore::SaveIniSetting(const QString& appName, const QString& section, const QString& key,
                                   const QString& value)
{
    Q_UNUSED(appName);
    Q_UNUSED(section);
    if (key.isEmpty())
        return false;
    for (IniEntry& e : entries_) {
        if (e.Key.isEmpty()) {
            e.Key = key;
            e.Value = value;
            return true;
        }
        if (e.Key == key) {
            e.Value = value;
            return true;
        }
    }
    return false;
}

IniReadStatus SettingsStore::ReadIni(const QString& iniPath)
{
    const QFileInfo info(iniPath);
    if (!info.exists())
        return IniReadStatus::Missing;
    const TextReadResult read = readProgramFile(iniPath);
    if (!read.ok)
        return IniReadStatus::Unreadable;

    // A file that is not UTF-8 was decoded as code page 932, where U+FFFD marks an unassigned code.
    const bool cp932 = read.encoding == TextEncoding::Cp932;
    bool damaged = false;
    int record = 0;
    const QStringList lines = read.text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (hasForbiddenControl(line) || (cp932 && line.contains(QChar::ReplacementCharacter))) {
            damaged = true;
            continue;
        }
        const qsizetype keyStart = skipBlanks(line, 0);
        const qsizetype comma = line.indexOf(u',', keyStart);
        const QString key = comma < 0 ? line.mid(keyStart) : line.mid(keyStart, comma - keyStart);
        if (key.isEmpty())
            continue;
        if (record == Capacity) {
            damaged = true;
            break;
        }
        const QString value = comma < 0 ? QString() : line.mid(skipBlanks(line, comma + 1));
        entries_[record].Key = key;
        entries_[record].Value = value;
        ++record;
    }
    return damaged ? IniReadStatus::Damaged : IniReadStatus::Ok;
}

bool SettingsStore::WriteIni(const QString& iniPath) const
{
    QString text;
    for (const IniEntry& e : entries_) {
        if (e.Key.isEmpty())
            break;
        text += e.Key + u',' + e.Value + QStringLiteral("\r\n");
    }
    return writeProgramFile(iniPath, text).ok;
}

int SettingsStore::count() const
{
    int n = 0;
    while (n < Capacity && !entries_[n].Key.isEmpty())
        ++n;
    return n;
}

const IniEntry& SettingsStore::entry(int i) const
{
    static const IniEntry empty;
    if (i < 0 || i >= Capacity)
        return empty;
    return entries_[i];
}

void SettingsStore::clear()
{
    entries_.fill(IniEntry());
}

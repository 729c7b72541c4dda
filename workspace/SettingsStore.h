#pragma once

#include <QString>
#include <vector>

struct IniEntry {
    QString key;
    QString value;
};

enum class IniReadStatus { Ok, Missing, Unreadable, Damaged };

// The settings table kept in Pelmor.ini: key/value pairs in the order they were first stored.
// Keys compare exactly, case and blanks included. The table has no fixed size: every line of the
// file is kept, and a new key is always stored.
class SettingsStore {
public:
    // appName and section are accepted for the callers' sake and not used.
    QString value(const QString& appName, const QString& section, const QString& key,
                  const QString& defaultValue) const;
    // Replaces the value of key or appends it. False only for an empty key.
    bool setValue(const QString& appName, const QString& section, const QString& key,
                  const QString& value);

    // Takes a key out of the table; nothing when it is not there.
    void remove(const QString& key);

    // Line i of the file (lines with an empty key do not count) goes into entry i; later entries
    // keep what they held. Missing and Unreadable leave the table alone; Damaged keeps the
    // lines that could be read.
    IniReadStatus readFile(const QString& iniPath);
    // One "key,value" CR LF line per entry, UTF-8. False when the file could not be written.
    bool writeFile(const QString& iniPath) const;

    // The file's text as writeFile writes it, and the lines it reads.
    QString toText() const;
    // Reads the lines of a settings file's text into the table; false when a line was damaged.
    bool readText(const QString& text, bool fromCodePage932);

    int count() const { return static_cast<int>(entries_.size()); }
    // An empty entry for i outside 0..count()-1.
    const IniEntry& entry(int i) const;
    void removeAll() { entries_.clear(); }

private:
    std::vector<IniEntry> entries_;
};

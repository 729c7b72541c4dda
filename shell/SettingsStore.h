#pragma once

#include <QString>
#include <array>

struct IniEntry {
    QString Key;
    QString Value;
};

enum class IniReadStatus { Ok, Missing, Unreadable, Damaged };

// The settings table kept in Pelmor.ini: at most 51 key/value pairs in the order they were first
// stored. The entries are contiguous from slot 0; the first slot with an empty key ends the
// table. Keys compare exactly, case and blanks included.
class SettingsStore {
public:
    static constexpr int Capacity = 51;

    // appName and section are accepted for the callers' sake and not used.
    QString GetIniSetting(const QString& appName, const QString& section, const QString& key,
                          const QString& defaultValue) const;
    // Replaces the value of key or appends it. Returns false when nothing was stored: the key
    // is empty, or it is new and the table is full.
    bool SaveIniSetting(const QString& appName, const QString& section, const QString& key,
                        const QString& value);

    // Line i of the file (lines with an empty key do not count) goes into slot i; later slots
    // keep what they held. Missing and Unreadable leave the table alone; Damaged keeps the
    // lines that could be read.
    IniReadStatus ReadIni(const QString& iniPath);
    // One "key,value" CR LF line per entry, UTF-8. False when the file could not be written.
    bool WriteIni(const QString& iniPath) const;

    int count() const;
    // An empty entry for i outside 0..Capacity-1.
    const IniEntry& entry(int i) const;
    void clear();

private:
    std::array<IniEntry, Capacity> entries_;
};

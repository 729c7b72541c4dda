#pragma once

#include <QString>

class SettingsStore;

// Typed access to the settings table. Every key the program stores is declared once in
// namespace setting below, with its type and its default; no other file spells a key.

// A text kept as it is.
struct TextSetting {
    const char* key;
    const char* defaultValue;
};

// A number read as the leading number of its text and written as decimal text; some keys are
// written with the leading blank of a number that is not negative.
struct NumberSetting {
    const char* key;
    double defaultValue;
    bool leadingBlank = false;
};

// A switch stored as one of two words. Some switches are on only when the stored word is the
// "on" word, others unless it is the "off" word.
struct FlagSetting {
    enum class Reading { OnWordMeansOn, AnythingButOffWordMeansOn };
    const char* key;
    bool defaultValue;
    const char* onWord;
    const char* offWord;
    Reading reading = Reading::OnWordMeansOn;
};

namespace setting {
inline constexpr TextSetting DataPath{"DataPath", ""};
inline constexpr NumberSetting MainLeft{"MainLeft", 500};
inline constexpr NumberSetting MainTop{"MainTop", 500};
inline constexpr NumberSetting MainWidth{"MainWidth", 12000};
inline constexpr NumberSetting MainHeight{"MainHeight", 9000};
inline constexpr FlagSetting HelpInBrowserWindow{"ie", false, "ON", "OFF"};
// The recent-files list: "RemFile0" to "RemFile5", newest first.
inline constexpr int RecentFileCount = 6;
inline constexpr TextSetting Indent{"Indent", "50"};
// The colour scheme of the editors, 1 to 4.
inline constexpr NumberSetting ColourScheme{"FontColor", 1, true};
inline constexpr FlagSetting AutoRun{"Auto", true, "1", "0"};
inline constexpr TextSetting FontName{"FontName", ""};
inline constexpr NumberSetting FontSize{"FontSize", 12, true};
inline constexpr FlagSetting FontBold{"FontBold", false, "1", "0", FlagSetting::Reading::AnythingButOffWordMeansOn};
inline constexpr FlagSetting FontItalic{"FontItalic", false, "1", "0", FlagSetting::Reading::AnythingButOffWordMeansOn};
inline constexpr FlagSetting FontUnderLine{"FontUnderLine", false, "1", "0", FlagSetting::Reading::AnythingButOffWordMeansOn};
inline constexpr TextSetting ProjectName{"ProJectName", ""};
inline constexpr TextSetting LastFile{"LastFile", ""};
// The folders where the last runs wrote temporary pages, each percent-encoded, joined by "|".
inline constexpr TextSetting PageFolders{"PageFolders", ""};
} // namespace setting

class Settings {
public:
    explicit Settings(SettingsStore& store)
        : store_(store)
    {
    }

    QString get(const TextSetting& s) const;
    void set(const TextSetting& s, const QString& value);
    double get(const NumberSetting& s) const;
    void set(const NumberSetting& s, double value);
    bool get(const FlagSetting& s) const;
    void set(const FlagSetting& s, bool value);

    // Takes a key out of the settings file.
    void remove(const TextSetting& s);
    // The settings file holds the key (its default is not what is read).
    bool stored(const NumberSetting& s) const;

    // Entry i (0 to 5) of the recent-files list; empty when there is none.
    QString recentFile(int i) const;
    void setRecentFile(int i, const QString& path);

    SettingsStore& store() { return store_; }

private:
    SettingsStore& store_;
};

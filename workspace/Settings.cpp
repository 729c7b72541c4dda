#include "workspace/Settings.h"

#include "platform/TextRules.h"
#include "workspace/SettingsStore.h"

namespace {

// The application name and section that the settings calls pass; the store ignores both.
const QString SettingsApp = QStringLiteral("Pelmor");
const QString SettingsSection = QStringLiteral("Settings");

QString recentKey(int i)
{
    return QStringLiteral("RemFile") + QString::number(i);
}

} // namespace

QString Settings::get(const TextSetting& s) const
{
    return store_.value(SettingsApp, SettingsSection, QString::fromLatin1(s.key), QString::fromUtf8(s.defaultValue));
}

void Settings::set(const TextSetting& s, const QString& value)
{
    store_.setValue(SettingsApp, SettingsSection, QString::fromLatin1(s.key), value);
}

void Settings::remove(const TextSetting& s)
{
    store_.remove(QString::fromLatin1(s.key));
}

bool Settings::stored(const NumberSetting& s) const
{
    const QString key = QString::fromLatin1(s.key);
    for (int i = 0; i < store_.count(); ++i) {
        if (store_.entry(i).key == key)
            return true;
    }
    return false;
}

double Settings::get(const NumberSetting& s) const
{
    // The default goes through the same reading as a stored value.
    const QString fallback = QString::number(s.defaultValue, 'g', 15);
    return textrules::leadingNumber(store_.value(SettingsApp, SettingsSection, QString::fromLatin1(s.key), fallback));
}

void Settings::set(const NumberSetting& s, double value)
{
    QString text;
    if (s.leadingBlank)
        text = textrules::numberWithSignSpace(value);
    else if (value == static_cast<double>(static_cast<long long>(value)))
        text = QString::number(static_cast<long long>(value));
    else
        text = QString::number(value);
    store_.setValue(SettingsApp, SettingsSection, QString::fromLatin1(s.key), text);
}

bool Settings::get(const FlagSetting& s) const
{
    const QString fallback = QString::fromLatin1(s.defaultValue ? s.onWord : s.offWord);
    const QString stored = store_.value(SettingsApp, SettingsSection, QString::fromLatin1(s.key), fallback);
    if (s.reading == FlagSetting::Reading::OnWordMeansOn)
        return stored == QString::fromLatin1(s.onWord);
    return stored != QString::fromLatin1(s.offWord);
}

void Settings::set(const FlagSetting& s, bool value)
{
    store_.setValue(SettingsApp, SettingsSection, QString::fromLatin1(s.key),
                          QString::fromLatin1(value ? s.onWord : s.offWord));
}

QString Settings::recentFile(int i) const
{
    return store_.value(SettingsApp, SettingsSection, recentKey(i), QString());
}

void Settings::setRecentFile(int i, const QString& path)
{
    store_.setValue(SettingsApp, SettingsSection, recentKey(i), path);
}

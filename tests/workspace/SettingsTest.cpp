#include "workspace/Settings.h"
#include "workspace/SettingsStore.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString stored(const SettingsStore& store, const char* key)
{
    return store.value(QString(), QString(), QString::fromLatin1(key), QStringLiteral("(none)"));
}

} // namespace

TEST(TypedSettings, DefaultsWhenNothingIsStored)
{
    SettingsStore store;
    Settings s(store);
    EXPECT_EQ(s.get(setting::MainLeft), 500);
    EXPECT_EQ(s.get(setting::MainWidth), 12000);
    EXPECT_EQ(s.get(setting::ColourScheme), 1);
    EXPECT_EQ(s.get(setting::FontSize), 12);
    EXPECT_EQ(s.get(setting::Indent), QStringLiteral("50"));
    EXPECT_EQ(s.get(setting::DataPath), QString());
    EXPECT_TRUE(s.get(setting::AutoRun));
    EXPECT_FALSE(s.get(setting::HelpInBrowserWindow));
    EXPECT_FALSE(s.get(setting::FontBold));
    EXPECT_EQ(s.recentFile(3), QString());
    EXPECT_EQ(store.count(), 0) << "reading stores nothing";
}

TEST(TypedSettings, StoredTextsAreWrittenAndReadAsTheFileHasThem)
{
    SettingsStore store;
    Settings s(store);
    s.set(setting::MainLeft, 1234);
    s.set(setting::ColourScheme, 2);
    s.set(setting::FontSize, 10.5);
    s.set(setting::AutoRun, false);
    s.set(setting::HelpInBrowserWindow, true);
    s.set(setting::FontBold, true);
    s.setRecentFile(0, QStringLiteral("/web/index.html"));
    EXPECT_EQ(stored(store, "MainLeft"), QStringLiteral("1234"));
    EXPECT_EQ(stored(store, "FontColor"), QStringLiteral(" 2"));
    EXPECT_EQ(stored(store, "FontSize"), QStringLiteral(" 10.5"));
    EXPECT_EQ(stored(store, "Auto"), QStringLiteral("0"));
    EXPECT_EQ(stored(store, "ie"), QStringLiteral("ON"));
    EXPECT_EQ(stored(store, "FontBold"), QStringLiteral("1"));
    EXPECT_EQ(stored(store, "RemFile0"), QStringLiteral("/web/index.html"));

    // Each switch reads its own way: "Auto" is on only for "1", "FontBold" for anything but "0".
    store.setValue(QString(), QString(), QStringLiteral("Auto"), QStringLiteral("yes"));
    store.setValue(QString(), QString(), QStringLiteral("FontBold"), QStringLiteral("yes"));
    store.setValue(QString(), QString(), QStringLiteral("FontColor"), QStringLiteral(" 3 "));
    EXPECT_FALSE(s.get(setting::AutoRun));
    EXPECT_TRUE(s.get(setting::FontBold));
    EXPECT_EQ(s.get(setting::ColourScheme), 3);
}

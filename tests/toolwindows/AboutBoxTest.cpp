#include "toolwindows/AboutBox.h"
#include "preview/PreviewControls.h"
#include "support/AppFixture.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AboutBox, SystemInformationNamesWhatIsKnown)
{
    const SystemFacts all{QStringLiteral("Debian GNU/Linux 12 (bookworm)"), QStringLiteral("linux 6.1.0-18-amd64"),
                          QStringLiteral("x86_64"), QStringLiteral("6.4.2")};
    EXPECT_EQ(systemInformationText(all),
              QStringLiteral("オペレーティングシステム： Debian GNU/Linux 12 (bookworm)\r\n"
                             "カーネル： linux 6.1.0-18-amd64\r\n"
                             "アーキテクチャ： x86_64\r\n"
                             "Qt のバージョン： 6.4.2"));
    EXPECT_EQ(systemInformationText({QString(), QString(), QStringLiteral("arm64"), QString()}),
              QStringLiteral("アーキテクチャ： arm64"));
    EXPECT_EQ(systemInformationText({}), QString());
    EXPECT_EQ(systemInformationText({QStringLiteral("  "), QString(), QString(), QString()}), QString());

    // This machine knows at least its architecture and Qt.
    const QString here = systemInformationText(currentSystemFacts());
    EXPECT_TRUE(here.contains(QStringLiteral("Qt のバージョン： ") + QString::fromLatin1(qVersion()))) << here.toStdString();
}

TEST(AboutBox, VersionIsTheProgramsOwn)
{
    EXPECT_EQ(versionCaption(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(PELMOR_VERSION_MAJOR).arg(PELMOR_VERSION_MINOR).arg(PELMOR_VERSION_PATCH));
}

class AboutBoxTest : public AppFixture {};

TEST_F(AboutBoxTest, TheHelpMenusLastItemShowsTheBoxModallyInFront)
{
    MainWindow& win = start();
    QMenu* help = win.commands.menu(help_menu::Menu);
    ASSERT_FALSE(help->actions().isEmpty());
    EXPECT_EQ(help->actions().last(), win.commands.action(about_box::ShowAboutBox));
    EXPECT_EQ(help->actions().last()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    win.commands.invoke(about_box::ShowAboutBox);
    AboutBox* box = win.about.shown();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isModal());
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box->parentWidget(), &win);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Lomvar"));
    const struct {
        ControlId id;
        QString text;
    } labels[] = {
        {about_box::Title, QStringLiteral("HTMLペルモア")},
        {about_box::Version, versionCaption()},
        {about_box::Description, QStringLiteral("　　  HTML テキストエディター  ")},
    };
    for (const auto& l : labels)
        EXPECT_EQ(box->controls.get<QLabel>(l.id)->text(), l.text) << l.id.key;
    EXPECT_FALSE(box->controls.get<QLabel>(about_box::Disclaimer)->text().isEmpty());
    EXPECT_EQ(box->controls.get<QPushButton>(about_box::SystemInformationButton)->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));

    // The system information, or the message when nothing is known; the box stays open.
    box->systemFacts = [] { return SystemFacts{QStringLiteral("Debian GNU/Linux 12 (bookworm)"), QString(), QStringLiteral("x86_64"), QString()}; };
    dialogs.expectMsg(QStringLiteral("オペレーティングシステム： Debian GNU/Linux 12 (bookworm)\r\nアーキテクチャ： x86_64"));
    box->controls.get<QPushButton>(about_box::SystemInformationButton)->click();
    box->systemFacts = [] { return SystemFacts{}; };
    dialogs.expectMsg(SystemInformationMissing);
    box->controls.get<QPushButton>(about_box::SystemInformationButton)->click();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(win.about.shown(), box);

    // Shown again while open: still the one box.
    win.commands.invoke(about_box::ShowAboutBox);
    EXPECT_EQ(win.about.shown(), box);
    box->controls.get<QPushButton>(about_box::OkButton)->click();
    QApplication::processEvents();
    EXPECT_EQ(win.about.shown(), nullptr);
}

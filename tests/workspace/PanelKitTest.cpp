#include "platform/ControlRegistry.h"
#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "support/AppFixture.h"
#include "workspace/PanelKit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

class PanelKitTest : public AppFixture {};

TEST_F(PanelKitTest, PanelsAreRegisteredHiddenAndOpenWhereTheirOpenerSays)
{
    MainWindow& win = start();
    static constexpr ControlId Panel{"kit-test.opened-panel"};
    static constexpr ControlId Title{"kit-test.opened-title"};
    static constexpr ControlId Explanation{"kit-test.opened-explanation"};
    // A registry of its own: every button index of the window has its owner.
    ControlRegistry controls;
    PanelKit kit(controls, win.ws, win.panels.host());
    QGroupBox* panel = kit.addPanel(Panel, QStringLiteral("試し"));
    kit.addTitle(panel, Title, QStringLiteral("試しの題"));
    kit.addExplanation(panel, Explanation);
    kit.addExecuteButton(panel, ExecuteButton::ShowHelpContents, QStringLiteral("閉じる"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(controls.get<QGroupBox>(Panel), panel);

    kit.openPanel({.explanation = QStringLiteral("説明です。\r\n"), .top = 3000, .left = 3500, .width = 5000, .height = 3155,
              .selectSourceTab = false, .panel = Panel, .explanationBox = Explanation, .title = Title,
              .closeButton = executeButton(ExecuteButton::ShowHelpContents)});
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(panel), twips::Top(panel), twips::Width(panel), twips::Height(panel)}),
              (std::vector<int>{3500, 3000, 5000, 3155}));
    auto* text = controls.get<QPlainTextEdit>(Explanation);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("説明です。\n"));
    EXPECT_EQ(text->font().pointSize(), 12);
    EXPECT_EQ(twips::Top(controls.get<QWidget>(Title)), 180) << "laid out";
}

TEST_F(PanelKitTest, PanelsNamedByIdOpenAndAreLaidOutByTheirIds)
{
    MainWindow& win = start();
    static constexpr ControlId Panel{"kit-test.panel"};
    static constexpr ControlId Title{"kit-test.title"};
    static constexpr ControlId Explanation{"kit-test.explanation"};
    static constexpr ControlId Close{"kit-test.close"};
    ControlRegistry controls;
    PanelKit kit(controls, win.ws, win.panels.host());
    QGroupBox* panel = kit.addPanel(Panel, QStringLiteral("試し"));
    QLabel* title = kit.addTitle(panel, Title, QStringLiteral("試しの題"));
    QPlainTextEdit* text = kit.addExplanation(panel, Explanation);
    auto* close = kit.add<QPushButton>(panel, Close);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(controls.get<QGroupBox>(Panel), panel);
    EXPECT_EQ(controls.get<QLabel>(Title), title);
    EXPECT_EQ(controls.get<QPlainTextEdit>(Explanation), text);
    EXPECT_EQ(controls.get<QPushButton>(Close), close);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_FALSE(controls.has(ControlId{"Frame"})) << "nothing under the old names";

    PanelPlace place;
    place.panel = Panel;
    place.explanationBox = Explanation;
    place.title = Title;
    place.closeButton = Close;
    place.explanation = QStringLiteral("説明です。\r\n");
    place.top = 3000;
    place.left = 3500;
    place.width = 5000;
    place.height = 3155;
    kit.openPanel(place);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ((std::vector<int>{twips::Left(panel), twips::Top(panel), twips::Width(panel), twips::Height(panel)}),
              (std::vector<int>{3500, 3000, 5000, 3155}));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("説明です。\n"));
    EXPECT_EQ(text->font().pointSize(), 12);
    EXPECT_EQ(twips::Top(title), 180) << "laid out";
    EXPECT_EQ(twips::Top(close), 180);
    EXPECT_EQ(twips::Width(close), 330);
    EXPECT_EQ(twips::Top(text), 180 + 285 + 285 + 100);
}

TEST_F(PanelKitTest, APanelOpenedWithoutATitleIsNotLaidOut)
{
    MainWindow& win = start();
    static constexpr ControlId Panel{"kit-test.other-panel"};
    static constexpr ControlId Explanation{"kit-test.other-explanation"};
    ControlRegistry controls;
    PanelKit kit(controls, win.ws, win.panels.host());
    QGroupBox* panel = kit.addPanel(Panel, QStringLiteral("試し"));
    kit.addExplanation(panel, Explanation);
    PanelPlace place;
    place.panel = Panel;
    place.explanationBox = Explanation;
    place.explanation = QStringLiteral("索引の箱");
    place.width = 4000;
    place.height = 2000;
    kit.openPanel(place);
    EXPECT_TRUE(panel->isVisible());
    auto* text = controls.get<QPlainTextEdit>(Explanation);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("索引の箱"));
    EXPECT_NE(text->font().pointSize(), 12) << "no layout and no font size asked for";
}

TEST_F(PanelKitTest, TitleMouseIsReportedAndButtonsPressTheDispatcher)
{
    MainWindow& win = start();
    ControlRegistry controls;
    PanelKit kit(controls, win.ws, win.panels.host());
    static constexpr ControlId Panel{"kit-test.dragged-panel"};
    static constexpr ControlId Title{"kit-test.dragged-title"};
    QGroupBox* panel = kit.addPanel(Panel, QStringLiteral("試し"));
    QLabel* title = kit.addTitle(panel, Title, QStringLiteral("題"));
    // A button without a branch of its own.
    QPushButton* button = kit.addExecuteButton(panel, ExecuteButton::UnusedLineLengthButton, QStringLiteral("実行"));
    QSignalSpy pressed(&kit, &PanelKit::titlePressed);
    QSignalSpy released(&kit, &PanelKit::titleReleased);
    panel->show();
    title->setGeometry(0, 0, 200, 20);
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(10, 5));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<QWidget*>(), panel);
    EXPECT_EQ(pressed.at(0).at(1).toInt(), twips::fromPixels(10));
    EXPECT_EQ(released.count(), 1);

    // The button goes through the dispatcher, as the window's own buttons do: a snapshot and then
    // an empty undo buffer.
    QObject::connect(&kit, &PanelKit::executeButtonPressed, &kit, [&win](ExecuteButton b) { win.dispatcher.press(b); });
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setFocus();
    QTest::keyClicks(ed, QStringLiteral("abc"));
    ASSERT_TRUE(ed->canUndo());
    button->click();
    EXPECT_FALSE(ed->canUndo());
    EXPECT_EQ(win.ws.doc(0).undoRing[static_cast<size_t>(win.ws.doc(0).undoPosition)].text, QStringLiteral("abc"));
}

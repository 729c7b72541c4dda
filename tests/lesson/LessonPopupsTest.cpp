// The popups the lesson opens on the real window: where the stylesheet menu opens, and presses on
// the lesson window while one shows, sent through the window system as a user's press is, so
// that the open popup sees them first.
#include "LessonFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

// How long a wait for what a press sets off may take before the test gives up.
constexpr int WaitMs = 30000;

class LessonPopups : public LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        startLesson();
        openLesson();
    }
    // A press and release of the left button at the middle of one of the lesson window's controls.
    void clickOn(QWidget* control)
    {
        QWindow* window = lesson().windowHandle();
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window, Qt::LeftButton, {}, control->mapTo(&lesson(), control->rect().center()));
    }
    QPushButton* stepButton() { return own<QPushButton>(lesson_window::StepButton); }
    QMenu* stylesheetMenu() { return w().commands.menu(stylesheet_menu::Menu); }
};

TEST_F(LessonPopups, TheStylesheetMenuOpensBelowItsTitle)
{
    play(script({"<メニュー>", "css", "<CLASSNAME>", "a"}));
    step();
    QMenu* menu = stylesheetMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, WaitMs));
    QMenuBar* bar = w().menuBar();
    const QRect title(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).topLeft()),
                      bar->actionGeometry(menu->menuAction()).size());
    ASSERT_FALSE(title.isEmpty());
    const QRect shown = menu->geometry();
    EXPECT_GT(shown.top(), title.bottom()) << "the menu covers its title";
    EXPECT_LE(shown.top(), title.bottom() + 4);
    EXPECT_NEAR(shown.left(), title.left(), 4);
}

TEST_F(LessonPopups, OnePressOnAButtonWhileALessonPopupShowsDoesTheButtonsWork)
{
    const struct {
        const char* name;
        QStringList opening;
    } cases[] = {
        {"the stylesheet menu", script({"<メニュー>", "css"})},
        {"the style popup", script({"<LISTSHOW>", "-"})},
        {"the element list", script({"<メニュー>", "プロパティ", "<要素プルダウン>", "-"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play(c.opening + script({"<CLASSNAME>", "next"}));
        while (lesson().lineNo < c.opening.size())
            step();
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, WaitMs));

        clickOn(stepButton());
        EXPECT_TRUE(QTest::qWaitFor([&] { return line(css_builder::SelectorBox) == u(".next") && !lesson().busy(); }, WaitMs))
            << "the press only closed the popup";
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(lesson().lineNo, lesson().lines.size());
        w().controls.get<QWidget>(css_builder::Panel)->hide();
    }
}

TEST_F(LessonPopups, APressElsewhereOnTheLessonWindowOnlyClosesTheMenu)
{
    play(script({"<メニュー>", "css", "<CLASSNAME>", "next"}));
    step();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stylesheetMenu()->isVisible(); }, WaitMs));
    clickOn(own<QWidget>(lesson_window::Explanation));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !stylesheetMenu()->isVisible(); }, WaitMs));
    EXPECT_EQ(lesson().lineNo, 2);

    // The menu opened again, << takes one press too.
    lesson().lineNo = 0;
    step();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stylesheetMenu()->isVisible(); }, WaitMs));
    clickOn(own<QWidget>(lesson_window::BackToStartButton));
    EXPECT_TRUE(QTest::qWaitFor([&] { return lesson().lineNo == 0 && !lesson().busy(); }, WaitMs));
    EXPECT_FALSE(stylesheetMenu()->isVisible());
    EXPECT_EQ(caption(), u("CSSペルモア  実行行 = 0"));
}

#include "autocreate/AutoCreateControls.h"
#include "editor/EditorMenus.h"
#include "platform/RichEdit.h"
#include "shell/ShellMenus.h"
#include "stylesheet/StylesheetControls.h"
#include "platform/Twips.h"
#include "support/AppFixture.h"
#include "wizards/EasyMenu.h"
#include "platform/TabStrip.h"
#include "workspace/PanelKit.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/EasyPanelControls.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

// The commands that open the panels over the editors, in menu order.
const CommandId Openers[] = {
    easy_menu::LineBreakPanel, easy_menu::SpacePanel, easy_menu::TitlePanel, easy_menu::HeadingPanel,
    easy_menu::BodyColoursPanel, easy_menu::MarginsPanel, easy_menu::CommentPanel, easy_menu::ParagraphPanel,
    easy_menu::PositionPanel, easy_menu::RawTextPanel, easy_menu::FontPanel, easy_menu::FontSizePanel,
    easy_menu::FontColourPanel, easy_menu::EmphasisPanel, easy_menu::StrongEmphasisPanel, easy_menu::FontShapePanel,
    advanced_menu::InsertRule, advanced_menu::InsertImage, advanced_menu::MakeList, advanced_menu::SetLink,
    advanced_menu::JumpInPage, advanced_menu::ScrollText, advanced_menu::MakeTable, advanced_menu::MakeMailForm,
    advanced_menu::MakeFrames, advanced_menu::BackgroundSound, advanced_menu::PlayMovie,
    advanced_menu::BackgroundImage, advanced_menu::DocumentInfo, advanced_menu::Doctype,
    stylesheet_menu::CreateEmptyStylesheet, stylesheet_menu::LinkStylesheet, stylesheet_menu::ShowCssBuilder,
    auto_create_menu::ShowSettings, edit_menu::Search, edit_menu::Replace, edit2_menu::IndentSettings,
    file_menu::RenameFile, file_menu::SaveTemplate, file_menu::InsertTemplate,
};

std::string nameOf(const QWidget* panel)
{
    for (const QLabel* title : panel->findChildren<QLabel*>()) {
        if (title->autoFillBackground() && !title->text().isEmpty())
            return title->text().toStdString();
    }
    return qobject_cast<const QGroupBox*>(panel)->title().toStdString();
}

QRect inHost(const QWidget* w, const QWidget* host)
{
    return QRect(w->mapTo(host, QPoint(0, 0)), w->size());
}

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class PanelsOverEditors : public AppFixture {
protected:
    PanelKit& kit() { return w().panels; }
    QWidget* host() { return kit().host(); }
    // Where the editors lie, in the host's coordinates.
    QRect area() { return inHost(w().ws.tabStrip().displayArea(), host()); }
    // The panels over the editors: the group boxes that lie in the host itself.
    QList<QGroupBox*> panels() { return host()->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly); }
    QList<QScrollBar*> scrollBarsShown()
    {
        QList<QScrollBar*> shown;
        for (QScrollBar* b : host()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
            if (b->isVisible())
                shown.append(b);
        }
        return shown;
    }
    // A click at the middle of the control lands on it.
    bool hitByClick(QWidget* control)
    {
        QWidget* hit = host()->childAt(inHost(control, host()).center());
        return hit && (hit == control || control->isAncestorOf(hit));
    }

    // Opens every panel: by its command, or, for the few that only a program opens, as built.
    template <typename Check>
    void openEach(Check check)
    {
        std::set<QWidget*> seen;
        const auto checkOpen = [&](const std::string& how) {
            for (QGroupBox* panel : panels()) {
                if (!panel->isVisible())
                    continue;
                SCOPED_TRACE(how + ": " + nameOf(panel));
                seen.insert(panel);
                check(panel);
                panel->hide();
            }
        };
        for (CommandId opener : Openers) {
            w().ws.currentEditor()->setText(QStringLiteral("abc\r\n"));
            w().ws.currentEditor()->select(0, 3);
            w().commands.invoke(opener);
            checkOpen(opener.key);
        }
        for (QGroupBox* panel : panels()) {
            if (seen.count(panel) || panel->geometry().isEmpty())
                continue;
            panel->show();
            panel->raise();
            checkOpen("shown as built");
        }
    }
};

TEST_F(PanelsOverEditors, APanelDrawsItsTitleBarAndControlsButNotItsCaption)
{
    useShippedResource(QStringLiteral("css.txt"));
    start();
    int panels = 0;
    openEach([&](QGroupBox* panel) {
        ++panels;
        // The panel alone, without its controls: a frame on a plain background, no text.
        QImage own(panel->size(), QImage::Format_RGB32);
        own.fill(Qt::white);
        panel->render(&own, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        int dark = 0;
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                if (qGray(own.pixel(x, y)) < 100)
                    ++dark;
            }
        }
        EXPECT_EQ(dark, 0) << "the caption \"" << panel->title().toStdString() << "\" is drawn";
    });
    EXPECT_GT(panels, 30);
}

TEST_F(PanelsOverEditors, FirstStartOnA1280By800ScreenShowsTheWholeToolbarAndEveryPanelInsideTheEditorArea)
{
    ASSERT_EQ(screenArea().size(), QSize(1280, 800)) << "the tests' offscreen screen";
    useShippedResource(QStringLiteral("css.txt"));
    start();
    // No placement stored: the window fits the screen, centred on it (give or take its frame).
    const QRect frame = w().frameGeometry();
    EXPECT_TRUE(screenArea().contains(frame)) << frame.width() << "x" << frame.height();
    EXPECT_LE(std::abs(frame.center().x() - screenArea().center().x()), 5);
    EXPECT_LE(std::abs(frame.center().y() - screenArea().center().y()), 5);
    EXPECT_GE(frame.width(), 800);
    EXPECT_GE(frame.height(), 600);

    auto* toolbar = w().findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    for (QAction* a : toolbar->actions()) {
        QWidget* button = toolbar->widgetForAction(a);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << a->text().toStdString() << " hides behind the overflow arrow";
        EXPECT_TRUE(toolbar->rect().contains(button->geometry())) << a->text().toStdString();
    }
    for (auto* extension : toolbar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        EXPECT_FALSE(extension->isVisible());

    const QRect editors = area();
    const QRect status = inHost(w().findChild<QStatusBar*>(), host());
    EXPECT_LE(editors.bottom(), status.top());
    openEach([&](QGroupBox* panel) {
        const QRect r = inHost(panel, host());
        EXPECT_TRUE(editors.contains(r)) << "panel at " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        EXPECT_TRUE(scrollBarsShown().isEmpty()) << "the whole panel is shown";
        for (QAbstractButton* b : panel->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(panel))
                continue;
            EXPECT_TRUE(editors.contains(inHost(b, host()))) << b->text().toStdString();
            EXPECT_TRUE(hitByClick(b)) << b->text().toStdString();
        }
    });
}

TEST_F(PanelsOverEditors, ASmallStoredWindowKeepsItsPlacementAndEveryButtonOfALargePanelScrollsIntoReach)
{
    writeFile(path(QStringLiteral("Pelmor.ini")), "MainLeft,300\r\nMainTop,450\r\nMainWidth,6000\r\nMainHeight,5000\r\n");
    start();
    EXPECT_EQ((std::vector<int>{twips::WindowLeft(&w()), twips::WindowTop(&w()), twips::WindowWidth(&w()), twips::WindowHeight(&w())}),
              (std::vector<int>{300, 450, 6000, 5000}));
    const QRect editors = area();

    // The table panel, 10530 x 8190 twips, in a window of 6000 x 5000.
    w().commands.invoke(advanced_menu::MakeTable);
    QWidget* table = w().controls.get<QWidget>(table_panel::Panel);
    ASSERT_TRUE(table->isVisible());
    const QList<QScrollBar*> bars = scrollBarsShown();
    ASSERT_EQ(bars.size(), 2);
    for (QScrollBar* b : bars)
        EXPECT_TRUE(editors.contains(inHost(b, host())));
    QScrollBar* vertical = bars[0]->orientation() == Qt::Vertical ? bars[0] : bars[1];
    QScrollBar* horizontal = bars[0]->orientation() == Qt::Vertical ? bars[1] : bars[0];

    const QList<QAbstractButton*> buttons = table->findChildren<QAbstractButton*>();
    ASSERT_GT(buttons.size(), 5);
    for (QAbstractButton* b : buttons) {
        if (!b->isVisibleTo(table))
            continue;
        bool reached = false;
        for (int v = vertical->minimum(); v <= vertical->maximum() && !reached; v += 10) {
            vertical->setValue(v);
            for (int h = horizontal->minimum(); h <= horizontal->maximum() && !reached; h += 10) {
                horizontal->setValue(h);
                reached = editors.contains(inHost(b, host())) && hitByClick(b);
            }
        }
        EXPECT_TRUE(reached) << b->text().toStdString();
    }
    // Scrolled to its end, the panel's last row lies at the bottom of the editor area.
    vertical->setValue(vertical->maximum());
    EXPECT_LE(inHost(table, host()).bottom(), editors.bottom());
    EXPECT_GE(inHost(table, host()).bottom(), editors.bottom() - horizontal->height());
}

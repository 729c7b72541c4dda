#include "platform/ControlRegistry.h"
#include "platform/Twips.h"
#include "workspace/ExecuteButtons.h"
#include "workspace/PanelLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

TEST(PanelLayout, TitleCloseButtonAndExplanation)
{
    QWidget window;
    ControlRegistry controls;
    auto* frame = new QGroupBox(&window);
    static constexpr ControlId Panel{"layout-test.panel"};
    static constexpr ControlId Title{"layout-test.title"};
    static constexpr ControlId Explanation{"layout-test.explanation"};
    controls.add(Panel, frame);
    controls.add(Title, new QLabel(frame));
    controls.add(executeButton(ExecuteButton::MailFormPanelCloseBox), new QPushButton(frame));
    controls.add(Explanation, new QPlainTextEdit(frame));
    twips::SetGeometry(frame, 100, 100, 5000, 3155);
    for (int pass = 0; pass < 2; ++pass) {
        layOutPanel(controls.get<QWidget>(Panel), controls.get<QWidget>(Title),
                    controls.get<QWidget>(executeButton(ExecuteButton::MailFormPanelCloseBox)),
                    controls.get<QWidget>(Explanation));
        QWidget* l = controls.get<QWidget>(Title);
        QWidget* b = controls.get<QWidget>(executeButton(ExecuteButton::MailFormPanelCloseBox));
        QWidget* t = controls.get<QWidget>(Explanation);
        EXPECT_EQ((std::vector<int>{twips::Left(l), twips::Top(l), twips::Width(l), twips::Height(l)}),
                  (std::vector<int>{50, 180, 4900, 285}));
        EXPECT_EQ((std::vector<int>{twips::Left(b), twips::Top(b), twips::Width(b), twips::Height(b)}),
                  (std::vector<int>{4620, 180, 330, 285}));
        EXPECT_EQ((std::vector<int>{twips::Left(t), twips::Top(t), twips::Width(t), twips::Height(t)}),
                  (std::vector<int>{50, 850, 4900, 2205}));
    }
}

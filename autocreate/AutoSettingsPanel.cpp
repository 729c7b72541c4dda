#include "autocreate/AutoSettingsPanel.h"
#include "autocreate/AutoCreateControls.h"

#include "autocreate/AutoCreateTexts.h"
#include "editor/ColourPicking.h"
#include "platform/ControlRegistry.h"
#include "platform/Twips.h"
#include "wizards/Dispatcher.h"
#include "workspace/PanelKit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using autocreate::FrameLayout;

namespace {

// Columns of a row inside a group, in twips.
constexpr int LabelLeft = 120;
constexpr int LabelWidth = 1700;
constexpr int BoxLeft = 1850;
constexpr int BoxWidth = 1000;
constexpr int ButtonLeft = 2900;
constexpr int RowHeight = 330;

} // namespace

AutoSettingsPanel::AutoSettingsPanel(PanelKit& panelKit, Dispatcher& dispatcher, ColourPicking& picker)
    : panels(panelKit)
    , controls(panelKit.controls)
    , colourPicker(picker)
{
    QGroupBox* panel = panels.addPanel(auto_settings::Panel, QString());
    twips::SetGeometry(panel, 3500, 3000, 7155, 5895);
    twips::SetGeometry(panels.addTitle(panel, auto_settings::Title, QStringLiteral("お任せの設定")), 50, 180, 6700, 285);
    twips::SetGeometry(panels.addExecuteButton(panel, ExecuteButton::AutoSettingsPanelCloseBox, QStringLiteral("×")), 6775, 180, 330, 285);
    twips::SetGeometry(panels.addExplanation(panel, auto_settings::Explanation), 50, 550, 5500, 450);
    twips::SetGeometry(panels.addExecuteButton(panel, ExecuteButton::CloseAutoSettingsPanel, QStringLiteral("閉じる")), 5700, 550, 1300, 400);
    dispatcher.setAction(ExecuteButton::CloseAutoSettingsPanel, [this] { hidePanel(); });
    dispatcher.setAction(ExecuteButton::AutoSettingsPanelCloseBox, [this] { hidePanel(); });

    QGroupBox* rule = panels.addPanel(auto_settings::RuleColourGroup, QStringLiteral("タイトルを囲む罫線の色"), panel);
    twips::SetGeometry(rule, 50, 1100, 3450, 750);
    colourRow(rule, QStringLiteral("罫線の色"), auto_settings::RuleColourBox, auto_settings::RuleColourButton, 300)->setText(QStringLiteral("#BBDDFF"));

    QGroupBox* navigation = panels.addPanel(auto_settings::NavigationGroup, QStringLiteral("見出し文全体の設定"), panel);
    navigation_ = navigation;
    twips::SetGeometry(navigation, 3600, 1100, 3450, 1150);
    addTextBox(navigation, QStringLiteral("文字の大きさ(絶対値)"), auto_settings::NavigationFontSizeBox, QStringLiteral("2"), 300);
    colourRow(navigation, QStringLiteral("背景色"), auto_settings::NavigationBackgroundBox, auto_settings::NavigationBackgroundButton, 700)
        ->setText(QStringLiteral("#BBDDFF"));

    auto* frames = new QGroupBox(QStringLiteral("フレーム"), panel);
    twips::SetGeometry(frames, 50, 1950, 3450, 700);
    auto* layouts = new QButtonGroup(this);
    const char* const captions[] = {"なし", "左右", "上下"};
    for (int i = 0; i < 3; ++i) {
        auto* option = panels.add<QRadioButton>(frames, ControlRef(auto_settings::FrameLayoutOption, i));
        option->setText(QString::fromUtf8(captions[i]));
        twips::SetGeometry(option, 150 + i * 1050, 300, 950, RowHeight);
        layouts->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this, sideBySide = i == 1](bool on) {
            if (on)
                showNavigationSettings(sideBySide);
        });
    }
    controls.get<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, 1))->setChecked(true);

    QGroupBox* body = panels.addPanel(auto_settings::BodyGroup, QStringLiteral("本文全体の設定"), panel);
    twips::SetGeometry(body, 50, 2750, 3450, 1550);
    addTextBox(body, QStringLiteral("大きさ(絶対値)"), auto_settings::BodyFontSizeBox, QStringLiteral("3"), 300);
    colourRow(body, QStringLiteral("文字色"), auto_settings::BodyTextColourBox, auto_settings::BodyTextColourButton, 700)->setText(QStringLiteral("#0000A0"));
    colourRow(body, QStringLiteral("背景色"), auto_settings::BodyBackgroundBox, auto_settings::BodyBackgroundButton, 1100)->setText(QStringLiteral("#FFE8D0"));

    QGroupBox* headings = panels.addPanel(auto_settings::HeadingsGroup, QStringLiteral("段落見出し文字の設定"), panel);
    twips::SetGeometry(headings, 3600, 2350, 3450, 1150);
    addTextBox(headings, QStringLiteral("大きさ(絶対値)"), auto_settings::HeadingSizeBox, QStringLiteral("3"), 300);
    colourRow(headings, QString(), auto_settings::HeadingColourBox, auto_settings::HeadingColourButton, 700)->setText(QStringLiteral("#0000BD"));

    // The work list of the steps; the run keeps its lines elsewhere, so it stays empty and hidden.
    panels.add<QListWidget>(panel, auto_settings::WorkList)->hide();

    // The groups are shown with the panel; the panel itself starts hidden.
    for (QGroupBox* group : {rule, navigation, body, headings})
        group->show();
}

QLineEdit* AutoSettingsPanel::addTextBox(QGroupBox* group, const QString& label, ControlId id, const QString& text, int top)
{
    if (!label.isEmpty())
        twips::SetGeometry(new QLabel(label, group), LabelLeft, top, LabelWidth, RowHeight);
    auto* edit = panels.add<QLineEdit>(group, id);
    edit->setText(text);
    twips::SetGeometry(edit, BoxLeft, top, BoxWidth, RowHeight);
    return edit;
}

QLineEdit* AutoSettingsPanel::colourRow(QGroupBox* group, const QString& label, ControlId boxId, ControlId button, int top)
{
    QLineEdit* edit = addTextBox(group, label, boxId, QString(), top);
    auto* pick = panels.add<QPushButton>(group, button);
    pick->setText(QStringLiteral("色"));
    pick->setAutoDefault(false);
    twips::SetGeometry(pick, ButtonLeft, top, 450, RowHeight);
    connect(pick, &QPushButton::clicked, this, [this, boxId] { pickColourFor(boxId); });
    return edit;
}

void AutoSettingsPanel::showPanel()
{
    panels.openPanel(PanelPlace{.explanation = autotext::settingsExplanation(), .top = 3000, .left = 3500, .width = 7155,
                           .height = 5895, .panel = auto_settings::Panel, .explanationBox = auto_settings::Explanation});
}

void AutoSettingsPanel::showNavigationSettings(bool sideBySide)
{
    navigation_->setVisible(sideBySide);
}

void AutoSettingsPanel::pickColourFor(ControlId box)
{
    ColourRequest request;
    request.deliver = [this, box](const PickedColour& colour) { controls.get<QLineEdit>(box)->setText(colour.chosen); };
    colourPicker.pickColour(std::move(request));
}

QString AutoSettingsPanel::text(ControlId box) const
{
    return controls.get<QLineEdit>(box)->text();
}

autocreate::FrameLayout AutoSettingsPanel::frameLayout() const
{
    const auto chosen = [this](int place) {
        return controls.get<QRadioButton>(ControlRef(auto_settings::FrameLayoutOption, place))->isChecked();
    };
    if (chosen(0))
        return FrameLayout::None;
    if (chosen(1))
        return FrameLayout::SideBySide;
    if (chosen(2))
        return FrameLayout::TopBottom;
    return FrameLayout::None;
}

autocreate::AutoCreateSettings AutoSettingsPanel::settings() const
{
    autocreate::AutoCreateSettings s;
    s.textColour = text(auto_settings::BodyTextColourBox);
    s.backColour = text(auto_settings::BodyBackgroundBox);
    s.navigationBackColour = text(auto_settings::NavigationBackgroundBox);
    s.navigationFontSize = text(auto_settings::NavigationFontSizeBox);
    s.headingStyle.size = text(auto_settings::HeadingSizeBox);
    s.headingStyle.colour = text(auto_settings::HeadingColourBox);
    s.frames = frameLayout();
    return s;
}

void AutoSettingsPanel::hidePanel()
{
    controls.get<QWidget>(auto_settings::Panel)->hide();
}

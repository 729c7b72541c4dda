#include "wizards/PanelForm.h"

#include "platform/Twips.h"
#include "wizards/PanelPlaces.h"
#include "workspace/PanelLayout.h"
#include "workspace/PanelKit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

template <typename T>
T* placed(T* control, int left, int top, int width, int height)
{
    twips::SetGeometry(control, left, top, width, height);
    return control;
}

} // namespace

PanelForm::PanelForm(PanelKit& kit, QWidget* container)
    : kit_(kit)
    , container_(container)
{
}

QLabel* PanelForm::titleBar(ControlRef id, const QString& caption, int width, ExecuteButton closeBox)
{
    QLabel* title = placed(kit_.addTitle(container_, id, caption), 50, 180, width - 100, 285);
    pushButton(closeBox, QStringLiteral("×"), 50 + width - 100 - 330, 180, 330, 285);
    return title;
}

QLabel* PanelForm::label(const QString& caption, int left, int top, int width, int height)
{
    return placed(new QLabel(caption, container_), left, top, width, height);
}

QLabel* PanelForm::label(ControlRef id, const QString& caption, int left, int top, int width, int height)
{
    QLabel* l = kit_.add<QLabel>(container_, id);
    l->setText(caption);
    return placed(l, left, top, width, height);
}

QLineEdit* PanelForm::textBox(ControlRef id, const QString& text, int left, int top, int width, int height)
{
    QLineEdit* b = kit_.add<QLineEdit>(container_, id);
    b->setText(text);
    return placed(b, left, top, width, height);
}

QPushButton* PanelForm::pushButton(ExecuteButton button, const QString& caption, int left, int top, int width, int height)
{
    return placed(kit_.addExecuteButton(container_, button, caption), left, top, width, height);
}

QPushButton* PanelForm::pushButton(ControlRef id, const QString& caption, int left, int top, int width, int height)
{
    QPushButton* b = kit_.add<QPushButton>(container_, id);
    b->setText(caption);
    b->setAutoDefault(false);
    return placed(b, left, top, width, height);
}

QCheckBox* PanelForm::check(ControlRef id, const QString& caption, bool checked, int left, int top, int width, int height)
{
    QCheckBox* c = kit_.add<QCheckBox>(container_, id);
    c->setText(caption);
    c->setChecked(checked);
    return placed(c, left, top, width, height);
}

QRadioButton* PanelForm::option(QButtonGroup* group, ControlRef id, const QString& caption, bool selected, int left,
                                int top, int width, int height)
{
    QRadioButton* o = kit_.add<QRadioButton>(container_, id);
    o->setText(caption);
    group->addButton(o);
    o->setChecked(selected);
    return placed(o, left, top, width, height);
}

QButtonGroup* PanelForm::group()
{
    auto* g = new QButtonGroup(container_);
    g->setExclusive(true);
    return g;
}

QScrollBar* PanelForm::spinner(ControlRef id, int minimum, int maximum, int value, int left, int top, int height)
{
    QScrollBar* s = kit_.add<QScrollBar>(container_, id);
    s->setOrientation(Qt::Vertical);
    s->setRange(minimum, maximum);
    s->setValue(value);
    return placed(s, left, top, 255, height);
}

QPlainTextEdit* PanelForm::explanation(ControlRef id, int left, int top, int width, int height)
{
    return placed(kit_.addExplanation(container_, id), left, top, width, height);
}

QGroupBox* PanelForm::group(ControlRef id, const QString& caption, int left, int top, int width, int height)
{
    QGroupBox* g = kit_.addPanel(id, caption, container_);
    g->show();
    return placed(g, left, top, width, height);
}

QGroupBox* PanelForm::group(const QString& caption, int left, int top, int width, int height)
{
    auto* g = new QGroupBox(caption, container_);
    return placed(g, left, top, width, height);
}

void PanelForm::executeAndClose(std::optional<ExecuteButton> execute, ExecuteButton close, int right, int top,
                                const QString& executeCaption)
{
    constexpr int Width = 750;
    constexpr int Gap = 80;
    pushButton(close, QStringLiteral("閉じる"), right - Width, top, Width);
    if (execute)
        pushButton(*execute, executeCaption, right - 2 * Width - Gap, top, Width);
}

QGroupBox* newConstructPanel(PanelKit& kit, ControlId id, const QString& caption, const QString& title,
                             ExecuteButton closeBox)
{
    const PanelRow& row = panelRow(id);
    QGroupBox* panel = kit.addPanel(row.panel, caption);
    twips::SetGeometry(panel, row.left, row.top, row.width, row.height);
    PanelForm form(kit, panel);
    QLabel* titleLabel = form.titleBar(row.title, title, row.width, closeBox);
    if (row.closeBox.valid()) {
        QPlainTextEdit* explanation = kit.addExplanation(panel, row.explanation);
        layOutPanel(panel, titleLabel, kit.controls.get<QWidget>(row.closeBox), explanation);
    }
    return panel;
}

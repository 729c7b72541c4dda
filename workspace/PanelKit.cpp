#include "workspace/PanelKit.h"

#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "workspace/PanelFitting.h"
#include "workspace/PanelLayout.h"
#include "workspace/Workspace.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace {

const char* const PanelProperty = "pelmorPanel";

// A panel over the editors: its frame without the caption, which only names the panel.
class PanelOverEditors : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox frame;
        initStyleOption(&frame);
        frame.text.clear();
        frame.subControls &= ~(QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxCheckBox);
        painter.drawComplexControl(QStyle::CC_GroupBox, frame);
    }
};

} // namespace

PanelKit::PanelKit(ControlRegistry& controlRegistry, Workspace& workspace, QWidget* host)
    : controls(controlRegistry)
    , ws_(workspace)
    , host_(host)
    , fitting_(new PanelFitting(host, workspace.tabStrip().displayArea(), this))
{
}

PanelKit::~PanelKit() = default;

QGroupBox* PanelKit::makePanel(const QString& caption, QWidget* parent)
{
    QGroupBox* panel = parent ? new QGroupBox(caption, parent) : new PanelOverEditors(caption, host_);
    // Panels lie over the editors and hide what is behind them.
    panel->setAutoFillBackground(true);
    panel->hide();
    if (!parent) {
        overEditors_.append(panel);
        fitting_->watch(panel);
        connect(panel, &QObject::destroyed, this, [this, panel] { overEditors_.removeAll(panel); });
    }
    return panel;
}

QGroupBox* PanelKit::addPanel(ControlRef id, const QString& caption, QWidget* parent)
{
    QGroupBox* panel = makePanel(caption, parent);
    controls.add(id, panel);
    return panel;
}

QLabel* PanelKit::addTitle(QWidget* panel, ControlRef id, const QString& caption)
{
    QLabel* title = makeTitle(panel, caption);
    controls.add(id, title);
    return title;
}

QLabel* PanelKit::makeTitle(QWidget* panel, const QString& caption)
{
    auto* title = new QLabel(caption, panel);
    // A title bar: the user takes the panel by it.
    title->setAutoFillBackground(true);
    QPalette bar = title->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 128));
    bar.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(bar);
    title->setIndent(4);
    title->setProperty(PanelProperty, QVariant::fromValue(static_cast<QObject*>(panel)));
    title->setCursor(Qt::SizeAllCursor);
    title->installEventFilter(this);
    return title;
}

QPlainTextEdit* PanelKit::makeExplanation(QWidget* panel)
{
    auto* box = new QPlainTextEdit(panel);
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit* PanelKit::addExplanation(QWidget* panel, ControlRef id)
{
    QPlainTextEdit* box = makeExplanation(panel);
    controls.add(id, box);
    return box;
}

QPushButton* PanelKit::addExecuteButton(QWidget* parent, ExecuteButton button, const QString& caption)
{
    auto* control = new QPushButton(caption, parent);
    control->setAutoDefault(false);
    connect(control, &QPushButton::clicked, this, [this, button] { press(button); });
    controls.add(executeButton(button), control);
    return control;
}

void PanelKit::openPanel(const PanelPlace& place)
{
    if (place.selectSourceTab)
        ws_.selectSourceTab(ws_.currentIndex());
    auto* panel = controls.get<QWidget>(place.panel);
    QPlainTextEdit* box = nullptr;
    if (place.explanationBox.valid())
        box = controls.get<QPlainTextEdit>(place.explanationBox);
    if (box)
        box->setPlainText(place.explanation);
    twips::SetGeometry(panel, place.left, place.top, place.width, place.height);
    panel->show();
    panel->raise();
    const bool laidOut = place.title.valid();
    if (laidOut)
        layOutPanel(panel, controls.get<QWidget>(place.title), controls.get<QWidget>(place.closeButton), box);
    holdControls(panel);
    if ((laidOut || place.font12) && box) {
        QFont font = box->font();
        font.setPointSize(12);
        box->setFont(font);
    }
}

void PanelKit::holdControls(QWidget* panel)
{
    QRect extent;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(panel))
            extent |= child->geometry();
    }
    const int margin = twips::toPixels(50);
    const int width = extent.right() + 1 > panel->width() ? extent.right() + 1 + margin : panel->width();
    const int height = extent.bottom() + 1 > panel->height() ? extent.bottom() + 1 + margin : panel->height();
    if (width != panel->width())
        twips::SetWidth(panel, twips::fromPixels(width));
    if (height != panel->height())
        twips::SetHeight(panel, twips::fromPixels(height));
}

bool PanelKit::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* panel = qobject_cast<QWidget*>(watched->property(PanelProperty).value<QObject*>());
    if (!panel)
        return false;
    const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
    const int x = twips::fromPixels(p.x());
    const int y = twips::fromPixels(p.y());
    if (type == QEvent::MouseButtonPress) {
        fitting_->dragStarted(panel);
        Q_EMIT titlePressed(panel, x, y);
    } else if (type == QEvent::MouseMove) {
        Q_EMIT titleMoved(panel, x, y);
    } else {
        fitting_->dragEnded(panel);
        Q_EMIT titleReleased(panel);
    }
    return false;
}

#include "platform/TabStrip.h"

#include <QHash>
#include <algorithm>
#include <QHelpEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QToolTip>
#include <QVariant>

namespace {

QIcon tabIcon(int image)
{
    static QHash<int, QIcon> icons;
    auto it = icons.find(image);
    if (it != icons.end())
        return *it;
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const bool source = image == 11 || image == 12;
    const bool active = image == 12 || image == 14;
    const QColor ink = active ? QColor(30, 90, 200) : QColor(130, 130, 130);
    p.setPen(QPen(ink, 1.2));
    if (source) {
        // A sheet with lines of text.
        p.setBrush(active ? QColor(225, 235, 255) : QColor(245, 245, 245));
        p.drawRect(QRectF(2.5, 1.5, 9, 11));
        for (int y = 4; y <= 10; y += 3)
            p.drawLine(QPointF(4.5, y + 0.5), QPointF(9.5, y + 0.5));
    } else {
        // A small globe for the page view.
        p.setBrush(active ? QColor(210, 245, 215) : QColor(245, 245, 245));
        p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
        p.drawLine(QPointF(1.5, 7), QPointF(12.5, 7));
        p.drawEllipse(QRectF(4.5, 1.5, 5, 11));
    }
    p.end();
    QIcon icon(pm);
    icons.insert(image, icon);
    return icon;
}

// A crowded strip shortens its captions only so far; past that it scrolls, so that every tab
// still shows enough of its name to tell it from the others.
class DocumentTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    static constexpr int ReadableCharacters = 12;

protected:
    QSize minimumTabSizeHint(int index) const override
    {
        QSize least = QTabBar::minimumTabSizeHint(index);
        const int whole = tabSizeHint(index).width();
        const int readable = least.width() + fontMetrics().averageCharWidth() * (ReadableCharacters - 3);
        least.setWidth(std::min(whole, std::max(least.width(), readable)));
        return least;
    }
};

} // namespace

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent)
    , bar_(new DocumentTabBar(this))
    , area_(new QWidget(this))
{
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setExpanding(false);
    bar_->setDrawBase(true);
    bar_->setUsesScrollButtons(true);
    bar_->setElideMode(Qt::ElideMiddle);
    bar_->installEventFilter(this);
    connect(bar_, &QTabBar::currentChanged, this, [this](int) {
        if (!programmatic_)
            Q_EMIT tabClicked();
    });
}

int TabStrip::count() const
{
    return bar_->count();
}

int TabStrip::currentIndex() const
{
    return bar_->currentIndex() + 1;
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 1 || index > bar_->count())
        return;
    programmatic_ = true;
    bar_->setCurrentIndex(index - 1);
    programmatic_ = false;
    Q_EMIT tabClicked();
}

void TabStrip::addTab(const QString& caption)
{
    programmatic_ = true;
    const int i = bar_->addTab(caption);
    bar_->setTabData(i, 0);
    programmatic_ = false;
}

void TabStrip::removeTab(int index)
{
    if (index < 1 || index > bar_->count())
        return;
    programmatic_ = true;
    bar_->removeTab(index - 1);
    programmatic_ = false;
}

QString TabStrip::tabText(int index) const
{
    return bar_->tabText(index - 1);
}

void TabStrip::setTabText(int index, const QString& caption)
{
    if (index >= 1 && index <= bar_->count())
        bar_->setTabText(index - 1, caption);
}

QString TabStrip::tabToolTip(int index) const
{
    if (index < 1 || index > bar_->count() || !toolTipSource_)
        return QString();
    return toolTipSource_(index);
}

bool TabStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != bar_ || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = tabToolTip(bar_->tabAt(help->pos()) + 1);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, bar_, bar_->tabRect(bar_->tabAt(help->pos())));
    return true;
}

int TabStrip::tabImage(int index) const
{
    return bar_->tabData(index - 1).toInt();
}

void TabStrip::setTabImage(int index, int image)
{
    if (index < 1 || index > bar_->count())
        return;
    bar_->setTabData(index - 1, image);
    bar_->setTabIcon(index - 1, tabIcon(image));
}

QRect TabStrip::clientRect() const
{
    const int h = bar_->sizeHint().height();
    return QRect(0, h, width(), std::max(0, height() - h));
}

void TabStrip::layoutChildren()
{
    const int h = bar_->sizeHint().height();
    bar_->setGeometry(0, 0, width(), h);
    area_->setGeometry(clientRect());
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

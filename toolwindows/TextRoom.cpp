#include "toolwindows/TextRoom.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The margin a line edit keeps on each side between its contents rectangle and its text.
constexpr int LineEditTextMargin = 2;

} // namespace

int lineEditWidthFor(const QLineEdit* box, const QString& text, const QFont& font)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    const QMargins margins = box->textMargins();
    return QFontMetrics(font).horizontalAdvance(text) + 2 * LineEditTextMargin + 2 * frame.lineWidth + margins.left()
        + margins.right() + 1;
}

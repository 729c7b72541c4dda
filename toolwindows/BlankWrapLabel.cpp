#include "toolwindows/BlankWrapLabel.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

// The words of the text with the blanks in front of each (the first may have none).
struct Word {
    QStringView blanks;
    QStringView letters;
};

QList<Word> wordsOf(QStringView text)
{
    QList<Word> words;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype blanksStart = at;
        while (at < text.size() && isBlank(text[at]))
            ++at;
        const qsizetype lettersStart = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        words.append({text.sliced(blanksStart, lettersStart - blanksStart), text.sliced(lettersStart, at - lettersStart)});
    }
    return words;
}

// The room left and right of the text and above and below it.
QSize marginsOf(const QLabel* label)
{
    const QMargins m = label->contentsMargins();
    return QSize(m.left() + m.right() + 2 * label->margin(), m.top() + m.bottom() + 2 * label->margin());
}

} // namespace

QStringList BlankWrapLabel::wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    bool lineHasWord = false;
    for (const Word& word : wordsOf(text)) {
        // Blanks at the end of the text show nothing.
        if (word.letters.isEmpty())
            continue;
        // The first word of a line is always taken; only the first line keeps its blanks in front.
        if (!lineHasWord) {
            line = lines.isEmpty() ? word.blanks.toString() : QString();
            line += word.letters;
            lineHasWord = true;
            continue;
        }
        QString longer = line;
        longer += word.blanks;
        longer += word.letters;
        if (metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        lines.append(line);
        line = word.letters.toString();
    }
    lines.append(line);
    return lines;
}

QRect BlankWrapLabel::textRoom() const
{
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

QStringList BlankWrapLabel::shownLines() const
{
    return wrapAtBlanks(text(), fontMetrics(), textRoom().width());
}

qsizetype BlankWrapLabel::lineCount(int width) const
{
    return wrapAtBlanks(text(), fontMetrics(), width - marginsOf(this).width()).size();
}

int BlankWrapLabel::heightForWidth(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    return int(lineCount(width)) * metrics.lineSpacing() - metrics.leading() + marginsOf(this).height();
}

int BlankWrapLabel::widestWordWidth() const
{
    // The first word stands behind the blanks in front of the text.
    int widest = 0;
    bool first = true;
    for (const Word& word : wordsOf(text())) {
        QString shown = first ? word.blanks.toString() : QString();
        shown += word.letters;
        widest = std::max(widest, fontMetrics().horizontalAdvance(shown));
        first = false;
    }
    return widest + marginsOf(this).width();
}

int BlankWrapLabel::oneLineWidth() const
{
    return fontMetrics().horizontalAdvance(wrapAtBlanks(text(), fontMetrics(), std::numeric_limits<int>::max()).constFirst()) +
           marginsOf(this).width();
}

void BlankWrapLabel::paintEvent(QPaintEvent*)
{
    // The background is filled by the widget itself (the labels fill theirs from the palette).
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect room = textRoom();
    const QFontMetrics metrics = fontMetrics();
    const QStringList lines = shownLines();
    const int blockHeight = int(lines.size()) * metrics.lineSpacing() - metrics.leading();
    int y = room.top() + std::max(0, (room.height() - blockHeight) / 2) + metrics.ascent();
    for (const QString& line : lines) {
        painter.drawText(room.left(), y, line);
        y += metrics.lineSpacing();
    }
}

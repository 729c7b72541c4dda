#pragma once

#include <QLabel>
#include <QStringList>

class QFontMetrics;

// A label that shows its plain text on as many lines as its width needs, breaking lines only at
// blanks (U+0020), so that a tag such as "</TABLE>" or "HTTP-EQUIV" is never cut in two. A word
// wider than the label stands on a line of its own. The text stays the label's text() as it was
// set; only the painting wraps it. The lines are left aligned and, together, centred vertically.
class BlankWrapLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The lines that `text` takes in `width` pixels: each line as long as fits, cut behind a run
    // of blanks, which are left off the ends of the lines.
    static QStringList wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width);

    // The lines of the label's text in its room, and the room (the contents less the margin).
    QStringList shownLines() const;
    QRect textRoom() const;

    // Widths here are the label's, its margins included.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    qsizetype lineCount(int width) const;
    // The narrowest width that shows every word of the text whole, and the text on one line.
    int widestWordWidth() const;
    int oneLineWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

#include "wizards/generators/ListGenerator.h"

#include "platform/SharedConstants.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"

#include <algorithm>

namespace gen {

namespace {

// The rebuilt part of the text and the tag runs in it, positions counted from its start.
struct Built {
    QString text;
    QList<Range> runs;
    int endRun = 0;

    void appendRun(const QString& s)
    {
        runs.append(Range{static_cast<int>(text.size()), static_cast<int>(s.size())});
        text += s;
    }
};

// Every line feed of the list region is dropped and the carriage return in front of it ends the
// line; the editor keeps CR LF line ends, so each such lone CR gets its LF back.
void restoreLineFeeds(Built& b)
{
    QString out;
    QList<int> shift; // LFs inserted in front of each position of the old text
    shift.reserve(b.text.size() + 1);
    int inserted = 0;
    for (qsizetype i = 0; i < b.text.size(); ++i) {
        shift.append(inserted);
        out += b.text[i];
        if (b.text[i] == QLatin1Char('\r') && (i + 1 == b.text.size() || b.text[i + 1] != QLatin1Char('\n'))) {
            out += QLatin1Char('\n');
            ++inserted;
        }
    }
    shift.append(inserted);
    for (Range& r : b.runs)
        r.start += shift[r.start];
    b.endRun += shift[b.endRun];
    b.text = out;
}

} // namespace

GeneratedEdit makeList(const ListInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("項目が選択してありません。") + CrLf + QStringLiteral("　長野県") + CrLf
                               + QStringLiteral("　山梨県") + CrLf + QStringLiteral("　岐阜県") + CrLf
                               + QStringLiteral("　栃木県") + CrLf
                               + QStringLiteral("と言ったような、リストにしたい項目を入力してそれを") + CrLf
                               + QStringLiteral("選択してください。^_^;"),
                           {miniPanel()});

    QString startTag, itemTag, endTag;
    if (in.kind == 2) {
        startTag = QStringLiteral("<OL>");
        itemTag = QStringLiteral("<LI>");
        endTag = QStringLiteral("</OL>");
    } else {
        startTag = QStringLiteral("<UL>");
        endTag = QStringLiteral("</UL>");
        const QString type = in.bullet == 0 ? QStringLiteral("disk") : in.bullet == 1 ? QStringLiteral("circle") : QStringLiteral("square");
        itemTag = in.kind == 0 ? QStringLiteral("<LI>") : QStringLiteral("<LI type=") + quoted(type) + QStringLiteral(">");
    }

    // The region is the line feed in front of the selection and the selection without its own
    // last line feed. At the start of the text the start stands for that line feed; a selection
    // that does not end in a line feed is taken whole.
    const QString& t = in.editor.text;
    const int size = static_cast<int>(t.size());
    const int s = std::clamp(in.editor.selStart, 0, size);
    const int end = std::clamp(s + in.editor.selLength, s, size);
    int regionStart = s > 0 ? s - 1 : 0;
    if (regionStart > 0 && t[regionStart].isLowSurrogate())
        --regionStart;
    QString region = s > 0 ? t.mid(regionStart, s - regionStart) : QStringLiteral("\n");
    QString selected = t.mid(s, end - s);
    if (selected.endsWith(QLatin1Char('\n')))
        selected.chop(1);
    region += selected;

    // The replaced range never starts between a CR and its LF: that CR is rebuilt in front.
    Built b;
    int from = regionStart;
    if (from > 0 && t[from] == QLatin1Char('\n') && t[from - 1] == QLatin1Char('\r')) {
        --from;
        b.text = QStringLiteral("\r");
    }
    b.appendRun(CrLf + CrLf + startTag + CrLf);
    QString line;
    for (const QChar c : region) {
        if (c != QLatin1Char('\n')) {
            line += c;
            continue;
        }
        b.text += line;
        b.appendRun(itemTag);
        line.clear();
    }
    b.text += line;
    b.endRun = static_cast<int>(b.text.size());
    b.appendRun(CrLf + endTag + CrLf);
    restoreLineFeeds(b);

    GeneratedEdit e;
    e.snapshot = true;
    e.hide = {ControlRef(list_panel::Panel)};
    e.selectFirst = Range{from, end - from};
    e.primitive = Primitive::ReplaceSelection;
    e.before = b.text;
    for (const Range& r : b.runs)
        e.paint.append(Range{from + r.start, r.length});
    e.selectAfter = Range{from + b.endRun, 0};
    return e;
}

} // namespace gen

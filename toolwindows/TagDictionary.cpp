#include "toolwindows/TagDictionary.h"

#include "platform/DataLines.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

namespace {

bool isBlank(const QString& line)
{
    return textrules::trimBlanks(line).isEmpty();
}

} // namespace

QList<TagEntry> parseTagDictionary(const QString& text)
{
    QList<TagEntry> entries;
    QStringList lines = splitDataLines(text);
    if (!lines.isEmpty())
        lines.removeFirst();  // the heading

    QStringList current;
    auto finish = [&] {
        if (current.isEmpty())
            return;
        if (entries.size() < TagLabelCount)
            entries.append(TagEntry{current.first(), current.join(CrLf)});
        current.clear();
    };
    for (const QString& line : lines) {
        if (isBlank(line))
            finish();
        else
            current.append(line);
        if (entries.size() == TagLabelCount)
            break;
    }
    finish();
    return entries;
}

std::optional<TagPieces> splitTagCaption(const QString& caption)
{
    if (caption.isEmpty())
        return TagPieces{};
    if (!caption.startsWith(u'<') || caption.count(u'<') > 3)
        return std::nullopt;
    const qsizetype second = caption.indexOf(u'<', 1);
    if (second < 0)
        return TagPieces{textrules::trimBlanks(caption), QString()};
    const qsizetype third = caption.indexOf(u'<', second + 1);
    const QString end = third < 0 ? caption.mid(second) : caption.mid(second, third - second);
    return TagPieces{textrules::trimBlanks(caption.left(second)), textrules::trimBlanks(end)};
}

QString fillColourCode(const QString& explanation, const QString& colour)
{
    const qsizetype star = explanation.indexOf(u'*');
    if (star < 0)
        return explanation;
    QString filled = explanation;
    filled.replace(star, 1, colour);
    return filled;
}

int findTagCaption(const QString& selectedText, const QStringList& captions)
{
    QString w = textrules::trimBlanks(selectedText);
    if (w.startsWith(QLatin1Char('<')))
        w.remove(0, 1);
    if (w.endsWith(QLatin1Char('>')))
        w.chop(1);
    if (w.isEmpty())
        return -1;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions[i].contains(w, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

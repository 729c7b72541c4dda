#include "editor/ToolbarWraps.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

namespace {

std::optional<Wrap> selectionWrap(const QString& text, const Selection& selection, const QString& before,
                                  const QString& after)
{
    if (selection.length == 0)
        return std::nullopt;
    return Wrap{withoutTrailingLineBreaks(text, selection), before, after};
}

} // namespace

std::optional<Wrap> textStyleWrap(int mode, const QString& text, const Selection& selection)
{
    static const char* const letters[] = {"B", "I", "U"};
    if (mode < 1 || mode > 3)
        return std::nullopt;
    const QString letter = QLatin1String(letters[mode - 1]);
    return selectionWrap(text, selection, QLatin1Char('<') + letter + QLatin1Char('>'),
                         QStringLiteral("</") + letter + QLatin1Char('>'));
}

std::optional<Wrap> fontSizeWrap(int mode, const QString& text, const Selection& selection)
{
    if (mode != 1 && mode != 2)
        return std::nullopt;
    const QString step = mode == 1 ? QStringLiteral("+1") : QStringLiteral("-1");
    return selectionWrap(text, selection, QStringLiteral("<FONT SIZE=") + Quote + step + Quote + QLatin1Char('>'),
                         QStringLiteral("</FONT>"));
}

std::optional<Wrap> alignWrap(int mode, const Selection& selection)
{
    static const char* const values[] = {"left", "center", "right"};
    if (mode < 1 || mode > 3 || selection.start == 0)
        return std::nullopt;
    return Wrap{selection, QStringLiteral(" align=") + Quote + QLatin1String(values[mode - 1]) + Quote, QString()};
}

std::array<QString, 3> splitPasteText(const QString& clipboardText)
{
    std::array<QString, 3> parts;
    const QString s = textrules::trimBlanks(clipboardText);
    if (!s.startsWith(QLatin1Char('<'))) {
        parts[0] = s;
        return parts;
    }
    // Each part runs from its "<" to the next one.
    qsizetype from = 0;
    for (QString& part : parts) {
        if (from >= s.size())
            break;
        const qsizetype next = s.indexOf(QLatin1Char('<'), from + 1);
        const qsizetype end = next < 0 ? s.size() : next;
        part = s.mid(from, end - from);
        from = end;
    }
    parts[0] = textrules::trimBlanks(parts[0]);
    parts[1] = textrules::trimBlanks(parts[1]);
    return parts;
}

std::optional<Wrap> pasteWrap(const QString& clipboardText, const QString& text, const Selection& selection)
{
    if (textrules::trimBlanks(clipboardText).isEmpty())
        return std::nullopt;
    const std::array<QString, 3> parts = splitPasteText(clipboardText);
    return Wrap{withoutTrailingLineBreaks(text, selection), parts[0], parts[1]};
}

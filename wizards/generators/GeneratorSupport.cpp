#include "wizards/generators/GeneratorSupport.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/MiniPanelControls.h"

#include <cmath>
#include <limits>

namespace gen {

ControlRef miniPanel()
{
    return mini_panel::Panel;
}

QString quoted(const QString& value)
{
    return Quote + value + Quote;
}

int findTag(const QString& text, const QString& upperTag)
{
    return static_cast<int>(textrules::asciiUpper(text).indexOf(upperTag));
}

int trailingLineBreak(const QString& text)
{
    if (text.endsWith(CrLf))
        return 2;
    if (text.endsWith(QLatin1Char('\n')))
        return 1;
    return 0;
}

std::optional<long long> toPixels(const QString& box, double mmPerPixel)
{
    const double x = textrules::leadingNumber(box) / mmPerPixel;
    if (!std::isfinite(x))
        return std::nullopt;
    const long long n = textrules::roundHalfToEven(x);
    if (n > std::numeric_limits<int>::max() || n < std::numeric_limits<int>::min())
        return std::nullopt;
    return n;
}

QString tooLargeMessage()
{
    return QStringLiteral("数値が大きすぎます。もっと小さな値を入れて下さい。") + FaceSweat;
}

QString noBodyMessage()
{
    return QStringLiteral("<BODY>が有りません。");
}

QString insertSkeletonFirst(const QString& firstLine)
{
    return firstLine + CrLf + QStringLiteral("最初にスケルトンを挿入してください。>");
}

GeneratedEdit messageOnly(const QString& text, QList<ControlRef> hide, QList<ControlRef> show)
{
    GeneratedEdit e;
    e.message = Prompt{text};
    e.hide = std::move(hide);
    e.show = std::move(show);
    return e;
}

GeneratedEdit selects(const QString& before, const QString& after, QList<ControlRef> hide)
{
    GeneratedEdit e;
    e.primitive = Primitive::WrapMarked;
    e.before = before;
    e.after = after;
    e.hide = std::move(hide);
    return e;
}

GeneratedEdit wrapSelection(const EditorState& editor, const QString& before, const QString& after,
                            QList<ControlRef> hide, bool keepLineBreakOutside)
{
    GeneratedEdit e = selects(before, after, std::move(hide));
    e.snapshot = true;
    const int lineBreak = keepLineBreakOutside ? trailingLineBreak(editor.selText()) : 0;
    if (lineBreak > 0)
        e.selectFirst = Range{editor.selStart, editor.selLength - lineBreak};
    return e;
}

GeneratedEdit insertSelected(int at, const QString& text, QList<ControlRef> hide)
{
    GeneratedEdit e;
    e.snapshot = true;
    e.hide = std::move(hide);
    e.selectFirst = Range{at, 0};
    e.primitive = Primitive::WrapPlain;
    e.before = text;
    e.selectAfter = Range{at, static_cast<int>(text.size())};
    return e;
}

} // namespace gen

#include "stylesheet/StyleRules.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <array>

namespace css {

namespace {

const QString FontNamePlaceholder = QStringLiteral("フォント名");
const QString BareNumber = QStringLiteral("値");

// The two characters at a position counted from 0; fewer at the end, none past it.
QString twoDigits(const QString& value, int at)
{
    return value.mid(at, 2);
}

} // namespace

// ---- the selector ----

const QStringList& builderElements()
{
    static const QStringList names = [] {
        const QString all = QStringLiteral(
            "P/H1/H2/H3/H4/H5/H6/UL/OL/DIR/MENU/PRE/DL/DIV/CENTER/NOSCRIPT/NOFRAMES/BLOCKQUOTE/FORM/ISINDEX/HR/"
            "TABLE/FIELDSET/ADDRESS/TT/I/B/U/S/STRIKE/BIG/SMALL/EM/STRONG/DFN/CODE/SAMP/KBD/VAR/CITE/ACRONYM/A/"
            "IMG/APPLET/OBJECT/FONT/BR/SCRIPT/MAP/Q/SUB/SPAN/BDO/IFRAME/INPUT/SELECT/TEXTAREA/LABEL/BUTTON/EMBED/"
            "WBR/RUBY/RB/RP/RT/SPACER/INS/DEL/A:link/A:visited/AREA/BODY/CAPTION/COL/COLGROUP/DD/DT/MARQUEE/"
            "OPTION/P:first-letter/P:first-line/PLAINTEXT/A:active/A:hover/FRAME/FRAMESET/LEGEND/LISTING/LI/TD/"
            "TFOOT/TH/TR");
        QStringList list;
        for (const QString& name : all.split(u'/'))
            list.append(textrules::trimBlanks(name));
        return list;
    }();
    return names;
}

std::optional<SelectorKind> selectorKind(int option)
{
    switch (option) {
    case 4: return SelectorKind{QStringLiteral("要素"), true, QString()};
    case 5: return SelectorKind{QStringLiteral("要素・クラス"), true, QString()};
    case 6: return SelectorKind{QStringLiteral("クラス"), false, QStringLiteral(".")};
    case 7: return SelectorKind{QStringLiteral("ID"), false, QStringLiteral("#")};
    default: return std::nullopt;
    }
}

QString selectorWithElement(const QString& selector, const QString& element, bool elementKind)
{
    if (!elementKind)
        return textrules::trimBlanks(element) + QStringLiteral(".");
    if (selector.isEmpty())
        return element;
    return selector + QStringLiteral(" ") + textrules::trimBlanks(element);
}

// ---- declarations ----

QString valueWord(const QString& entry)
{
    return textrules::trimBlanks(entry).section(u' ', 0, 0);
}

bool isFontFamilyValue(const QString& word)
{
    static const QStringList families = {QStringLiteral("serif"),   QStringLiteral("sans-serif"), QStringLiteral("cursive"),
                                         QStringLiteral("fantasy"), QStringLiteral("monospace"),  FontNamePlaceholder};
    return families.contains(word);
}

QString addDeclaration(const QString& styleText, const QString& property, const QString& value)
{
    QString s = textrules::trimBlanks(styleText);
    const QString declaration = property + QStringLiteral(":") + value + QStringLiteral(";");
    if (s.contains(u'}'))
        return s.replace(QStringLiteral("}"), declaration + CrLf + QStringLiteral("}"));
    if (!s.isEmpty())
        return s + CrLf + declaration;
    return declaration;
}

QString addFontFamily(const QString& styleText, const QString& family)
{
    const QString s = textrules::trimBlanks(styleText);
    QStringList lines = s.split(CrLf);
    for (QString& line : lines) {
        if (!line.startsWith(QStringLiteral("font-family")))
            continue;
        line = textrules::trimBlanks(line);
        // Only the semicolon makes way; a line typed without one keeps its last letter.
        if (line.endsWith(u';'))
            line.chop(1);
        line += QStringLiteral(",") + family + QStringLiteral(";");
        return lines.join(CrLf);
    }
    const QString declaration = QStringLiteral("font-family:") + family + QStringLiteral(";");
    return s.isEmpty() ? declaration : s + CrLf + declaration;
}

QString addFontName(const QString& styleText, const QString& font)
{
    QString s = textrules::trimBlanks(styleText);
    if (s.contains(FontNamePlaceholder))
        return s.replace(FontNamePlaceholder, Quote + font + Quote);
    if (s.endsWith(u';'))
        s.chop(1);
    return s + QStringLiteral(",") + font + QStringLiteral(";");
}

ValueInput valueInput(const QString& value)
{
    static const QStringList numbers = {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("pt"), QStringLiteral("px"),
                                        QStringLiteral("%"),  QStringLiteral("ex"), QStringLiteral("in"), QStringLiteral("em"),
                                        QStringLiteral("pc"), BareNumber};
    static const QStringList colours = {QStringLiteral("#FFFFFF"), QStringLiteral("カラーネーム"), QStringLiteral("#rgb"),
                                        QStringLiteral("rgb(n,n,n)"), QStringLiteral("rgb(n%,n%,n%)"), QString()};
    const QString kind = textrules::trimBlanks(value);
    if (kind == FontNamePlaceholder)
        return ValueInput::FontName;
    if (numbers.contains(kind))
        return ValueInput::Number;
    if (colours.contains(kind))
        return ValueInput::Colour;
    if (kind == QStringLiteral("url"))
        return ValueInput::Url;
    return ValueInput::None;
}

QString fillNumber(const QString& styleText, const QString& property, const QString& unit, const QString& number)
{
    QString s = styleText;
    if (textrules::trimBlanks(number).isEmpty())
        return s;
    if (unit == QStringLiteral("$P"))
        return s.replace(QStringLiteral("$P"), number);
    const QString placeholder = property + QStringLiteral(":") + unit + QStringLiteral(";");
    const QString filled = property + QStringLiteral(":") + number + (unit == BareNumber ? QString() : unit) + QStringLiteral(";");
    return s.replace(placeholder, filled);
}

// ---- colours ----

long long hexToDecimal(const QString& hex)
{
    static const QString digits = QStringLiteral("123456789abcdef");
    // Unsigned, so that an overlong text wraps instead of overflowing.
    unsigned long long sum = 0;
    for (const QChar c : hex)
        sum = sum * 16 + static_cast<unsigned long long>(digits.indexOf(c.toLower()) + 1);
    return static_cast<long long>(sum);
}

QString colourInNotation(const QString& notation, const QString& value, const QString& name)
{
    const std::array<long long, 3> rgb = {hexToDecimal(twoDigits(value, 1)), hexToDecimal(twoDigits(value, 3)),
                                          hexToDecimal(twoDigits(value, 5))};
    const QString form = textrules::trimBlanks(notation);
    if (form == QStringLiteral("#FFFFFF"))
        return value.toLower();
    if (form == QStringLiteral("カラーネーム"))
        // A colour without a name still needs a value.
        return textrules::trimBlanks(name).isEmpty() ? value.toLower() : name.toLower();
    if (form == QStringLiteral("#rgb")) {
        // Each pair to its nearest single digit: FF gives F, 80 gives 8.
        QString short3 = QStringLiteral("#");
        for (const long long c : rgb)
            short3 += QString::number((c + 8) / 17, 16).toUpper();
        return short3;
    }
    if (form == QStringLiteral("rgb(n,n,n)"))
        return QStringLiteral("rgb(%1,%2,%3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
    if (form == QStringLiteral("rgb(n%,n%,n%)")) {
        auto percent = [](long long c) { return textrules::roundHalfToEven(static_cast<double>(c) * 100.0 / 255.0); };
        return QStringLiteral("rgb(%1%,%2%,%3%)").arg(percent(rgb[0])).arg(percent(rgb[1])).arg(percent(rgb[2]));
    }
    return QString();
}

QString replacePlaceholder(const QString& styleText, const QString& placeholder, const QString& text)
{
    QString s = styleText;
    if (placeholder.isEmpty())
        return s;
    return s.replace(placeholder, text);
}

// ---- the rule ----

RuleResult frameRule(const QString& styleText, const QString& selector)
{
    if (textrules::trimBlanks(styleText).isEmpty())
        return {selector + QStringLiteral("{") + CrLf + QStringLiteral("}"), std::nullopt};
    QString s = styleText;
    if (!s.startsWith(u'{'))
        s = QStringLiteral("{") + CrLf + s;
    if (!s.endsWith(u'}'))
        s += CrLf + QStringLiteral("}");
    if (selector.endsWith(u'.'))
        return {styleText, QStringLiteral("クラスの名前を入れて下さい。")};
    if (selector.endsWith(u'#'))
        return {styleText, QStringLiteral("IDの名前を入れて下さい。")};
    return {selector + s, std::nullopt};
}

} // namespace css

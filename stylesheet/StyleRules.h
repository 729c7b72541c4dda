#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The CSS builder's work on the style text (the rule being composed, its lines joined by CR LF)
// and its selector, as functions of their inputs.
namespace css {

// ---- the selector ----

// The element and pseudo-class names of the element box, in the order the box offers them.
const QStringList& builderElements();

// The selector kinds of the option buttons OoptGif(4) to OoptGif(7).
struct SelectorKind {
    QString caption;   // the label beside the selector box
    bool elementBox;   // the element box is shown
    QString selector;  // what the selector box starts with
};
// Nothing for an index outside 4 to 7.
std::optional<SelectorKind> selectorKind(int option);

// The selector after an element was chosen: with the kind "element" a descendant chain
// (P, then P A), with the other kinds the element and a point for the class name.
QString selectorWithElement(const QString& selector, const QString& element, bool elementKind);

// ---- declarations ----

// The first blank-separated word of a value entry ("bold 太字" gives "bold").
QString valueWord(const QString& entry);
// A generic font family or the font-name placeholder: these go into the font-family line.
bool isFontFamilyValue(const QString& word);

// prop:value; added to the style text: before every "}" of a rule, else on a line of its own.
QString addDeclaration(const QString& styleText, const QString& property, const QString& value);
// The family added to the first font-family line, or a new font-family line.
QString addFontFamily(const QString& styleText, const QString& family);
// A font chosen in the font list: in place of the font-name placeholder (quoted), else added to
// the last declaration.
QString addFontName(const QString& styleText, const QString& font);

// What a value asks for before it can stand in a rule.
enum class ValueInput { None, FontName, Number, Colour, Url };
ValueInput valueInput(const QString& value);

// The number typed for the placeholder `unit` of the property's declaration (prop:unit;): the
// number goes in front of the unit; the placeholder "値" (a bare number) is replaced by it, and so
// is "$P" wherever it stands. Only that declaration changes.
QString fillNumber(const QString& styleText, const QString& property, const QString& unit, const QString& number);

// ---- colours ----

// The decimal value of a hexadecimal text; a character that is no hexadecimal digit counts 0.
long long hexToDecimal(const QString& hex);
// "#" + six hexadecimal digits and the colour's name, written in a colour notation ("#FFFFFF",
// "カラーネーム", "#rgb", "rgb(n,n,n)", "rgb(n%,n%,n%)"); empty for any other notation.
QString colourInNotation(const QString& notation, const QString& value, const QString& name);
// Every occurrence of the placeholder replaced by the colour text; an empty placeholder
// changes nothing.
QString replacePlaceholder(const QString& styleText, const QString& placeholder, const QString& text);

// ---- the rule ----

// The style text closed into a rule with the selector: braces added where they are missing. A
// selector that still waits for its class or ID name gives the message instead.
struct RuleResult {
    QString text;
    std::optional<QString> message;
};
RuleResult frameRule(const QString& styleText, const QString& selector);

} // namespace css

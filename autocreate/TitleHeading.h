#pragma once

#include <QString>
#include <functional>

// The title of automatic creation: found in the text as opened, and later set as the page's
// centred heading between two rules.
namespace autocreate {

// The rule element, ending with its own CR LF, built from the rule panel's current settings.
using RuleTagGenerator = std::function<QString()>;

// The first line that is not blank (CR, LF, half-width and ideographic spaces are skipped), when
// the line after it is empty; its tags are removed ("<" to the next ">", a "<" without one removes
// the rest, a lone ">" is dropped) and so are CR and LF. Empty when the text opens with no such
// line.
QString getAutoTitle(const QString& text);

// Wraps the first line that is not blank in the heading: CR LF, a rule, CR LF,
// "<CENTER><FONT size ="+2">", the line, "</FONT></CENTER>", CR LF, a second rule, CR LF. The
// line's own line end follows; a line that ends the text is closed at its end. A text with no
// such line comes back unchanged.
QString autoHeading(const QString& text, const RuleTagGenerator& ruleTag);

} // namespace autocreate

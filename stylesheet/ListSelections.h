#pragma once

#include <QString>
#include <optional>

// What a click on the template list selects in the template box, whose text holds the whole
// template file: records of a line "[start template]", a line with the template's name, the body
// lines and a line "[end template]". Lines end in LF or CR LF.
namespace css {

struct TextRange {
    int start = 0;
    int length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// The body of the template whose start line is followed by a line holding exactly `name`: from
// the line break that ends the name line up to the start of its "[end template]" line, both line
// breaks included. Nothing when there is no such template or it is not closed.
std::optional<TextRange> templateBody(const QString& text, const QString& name);

} // namespace css

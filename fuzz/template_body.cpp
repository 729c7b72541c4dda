// The template list's choice in the template file: the input's first line is the name, the
// rest the file. A body found lies between the name's own header and its end line.
#include "FuzzCheck.h"

#include "stylesheet/ListSelections.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lf = input.indexOf(u'\n');
    const QString name = lf < 0 ? input : input.left(lf);
    const QString file = lf < 0 ? QString() : input.mid(lf + 1);
    const std::optional<css::TextRange> body = css::templateBody(file, name);
    if (!body)
        return 0;
    FUZZ_CHECK(body->start >= 0 && body->length >= 1 && body->start + body->length <= file.size(), "the body lies in the file");
    const QString selected = file.mid(body->start, body->length);
    FUZZ_CHECK(selected.startsWith(u'\n') || selected.startsWith(QStringLiteral("\r\n")), "it starts at the name line's break");
    FUZZ_CHECK(selected.endsWith(u'\n'), "it ends with the break before the end line");
    FUZZ_CHECK(file.mid(body->start + body->length).startsWith(QStringLiteral("[end template]")), "the end line follows");
    const QString before = file.left(body->start);
    FUZZ_CHECK(before.endsWith(name), "the name's line comes right before");
    const QString head = before.chopped(name.size());
    FUZZ_CHECK(head.endsWith(QStringLiteral("[start template]\n")) || head.endsWith(QStringLiteral("[start template]\r\n")),
               "a start line comes right before the name's");
    return 0;
}

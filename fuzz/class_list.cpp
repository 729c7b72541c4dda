// The class and ID list's reading of a page and a stylesheet: every selector listed stands in
// the text before a brace, the page's link and style block come from the page, and applying
// any entry to any selection stays inside the text and never splits a line break.
#include "FuzzCheck.h"

#include "platform/SharedConstants.h"
#include "stylesheet/StyleClasses.h"

#include <cstdint>

namespace {

bool noLoneCr(const QString& s)
{
    return s.count(u'\r') == s.count(CrLf);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString block = css::styleBlock(text);
    FUZZ_CHECK(!block.contains(u'\t') && !block.contains(QChar(0x3000)), "the style block holds no tabs or wide blanks");

    const QStringList entries = css::classEntries(text, block);
    FUZZ_CHECK(entries.size() >= 2 && entries.at(entries.size() - 2) == QStringLiteral("SPAN style")
                   && entries.last() == QStringLiteral("SPAN class"),
               "the SPAN entries come last");
    const QString both = text + CrLf + block;
    for (qsizetype i = 0; i + 2 < entries.size(); ++i) {
        const QString& e = entries.at(i);
        FUZZ_CHECK(!e.trimmed().isEmpty() && !e.contains(u'{'), "a selector is not empty and holds no brace");
        FUZZ_CHECK(both.contains(e + u'{'), "a selector stands before a brace in the texts");
    }

    if (const std::optional<QString> href = css::linkedStylesheet(text))
        FUZZ_CHECK(!href->isEmpty() && text.contains(*href), "the linked name stands in the page");

    // Every entry on a selection of the text's middle third.
    const int start = static_cast<int>(text.size() / 3);
    const int length = static_cast<int>(text.size() / 3);
    for (qsizetype i = 0; i < entries.size() && i < 16; ++i) {
        const css::ClassEdit edit = css::applyClassEntry(text, start, length, entries.at(i));
        switch (edit.kind) {
        case css::ClassEdit::Kind::Message:
            FUZZ_CHECK(!edit.message.isEmpty(), "a refusal says why");
            break;
        case css::ClassEdit::Kind::Insert:
            FUZZ_CHECK(edit.insert.at >= start && edit.insert.at < start + length && text.at(edit.insert.at) == u'>',
                       "an attribute goes before a > of the selection");
            break;
        case css::ClassEdit::Kind::Wrap:
            FUZZ_CHECK(edit.wrap.start == start && edit.wrap.length == length, "the wrap is the selection's");
            // The breaks the wrap adds; an entry read from a file may hold a CR of its own.
            if (!entries.at(i).contains(u'\r'))
                FUZZ_CHECK(noLoneCr(edit.wrap.before) && noLoneCr(edit.wrap.after), "line breaks are CR LF pairs");
            break;
        }
    }
    return 0;
}

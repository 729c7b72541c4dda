// The tag dictionary: at most one entry a label, and every caption that can be inserted cuts
// into a start tag and an end tag that came from the caption.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "toolwindows/TagDictionary.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeProgramFile(bytes).text;
    const QList<TagEntry> entries = parseTagDictionary(text);
    FUZZ_CHECK(entries.size() <= TagLabelCount, "no more entries than labels");
    for (const TagEntry& e : entries) {
        FUZZ_CHECK(text.contains(e.caption), "a caption is a line of the file");
        if (const auto pieces = splitTagCaption(e.caption)) {
            FUZZ_CHECK(pieces->start.startsWith(u'<'), "a start tag begins with <");
            FUZZ_CHECK(e.caption.contains(pieces->start) && e.caption.contains(pieces->end),
                       "the tags are pieces of the caption");
        }
        const QString filled = fillColourCode(e.explanation, QStringLiteral("#123456"));
        FUZZ_CHECK(filled == e.explanation || filled.contains(QStringLiteral("#123456")), "the colour goes into the text");
    }
    return 0;
}

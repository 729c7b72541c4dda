// The link list's scan of a page's source: every target it lists stands in the source, is not
// empty, and there are never more targets than anchors.
#include "FuzzCheck.h"

#include "platform/TextRules.h"
#include "preview/LinkScan.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString source = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList links = collectLinks(source);
    const QString upper = textrules::asciiUpper(source);
    FUZZ_CHECK(links.size() <= upper.count(QStringLiteral("A HREF")), "no more targets than anchors");
    qsizetype from = 0;
    for (const QString& link : links) {
        FUZZ_CHECK(!link.isEmpty(), "an empty target is not listed");
        FUZZ_CHECK(wholeCharacters(link), "a target holds whole characters");
        // Targets stand in the source in the order they are listed.
        const qsizetype at = source.indexOf(link, from);
        FUZZ_CHECK(at >= 0, "every target stands in the source, in order");
        from = at + 1;
    }
    return 0;
}

// Folding and the hidden header and footer: a text cut into a head, a body and a foot gives back
// the text when they are put together, and a region folded under a marker that does not stand in
// the text expands back into the text.
#include "FuzzCheck.h"

#include "workspace/DocumentText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 2, qsizetype(size) - 2);

    const HeadFootCut cut = findHeadFootCut(text);
    if (cut.ok) {
        FUZZ_CHECK(cut.headerLength >= 0 && cut.headerLength <= cut.footerStart && cut.footerStart <= text.size(),
                   "the cut lies inside the text, header first");
        const QString head = text.left(cut.headerLength);
        const QString body = text.mid(cut.headerLength, cut.footerStart - cut.headerLength);
        const QString foot = text.mid(cut.footerStart);
        FUZZ_CHECK(head + body + foot == text, "header, body and footer give back the text");
        FUZZ_CHECK(foot.left(6).compare(QStringLiteral("</BODY"), Qt::CaseInsensitive) == 0, "the footer starts at </BODY");
    }

    RegionTable regions{};
    FUZZ_CHECK(expandRegions(text, regions) == text, "without stored regions nothing is expanded");

    // Fold a range of the text under the first number whose marker the text does not hold.
    const qsizetype from = qsizetype(data[0]) * text.size() / 256;
    const qsizetype length = qsizetype(data[1]) * (text.size() - from) / 256;
    int k = 0;
    for (int i = 1; i <= MaxRegions && k == 0; ++i) {
        if (!text.contains(regionMarker(i)))
            k = i;
    }
    if (k == 0 || length == 0)
        return 0;
    regions[static_cast<size_t>(k)] = text.mid(from, length);
    const QString folded = text.left(from) + regionMarker(k) + text.mid(from + length);
    FUZZ_CHECK(markerAt(folded, from) == k, "the marker reads as its number");
    FUZZ_CHECK(expandRegions(folded, regions) == text, "a folded region expands back into the text");
    return 0;
}

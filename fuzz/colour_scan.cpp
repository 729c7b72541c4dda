// The colouring scan: one style per byte, 0 before the first tag, 1 for tags, 2 for the text
// after a tag and 3 for a quoted value inside a tag.
#include "FuzzCheck.h"

#include "editor/Colouring.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    const qsizetype n = qsizetype(size);
    // Exactly n styles, so that a write past the end is caught; 0x7F marks a byte not styled.
    std::vector<char> styles(size, 0x7F);
    colourScan(text, n, styles.data());

    enum class Place { BeforeTags, InTag, AfterTag };
    Place place = Place::BeforeTags;
    // A value opened by a quote in a tag stays open until the next quote, in a tag or not.
    bool valueOpen = false;
    // The style of the bytes in the tag since its last quote; -1 until the first such byte.
    int run = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        const int style = styles[size_t(i)];
        FUZZ_CHECK(style >= 0 && style <= 3, "every byte gets a style from 0 to 3");
        if (c == '<') {
            FUZZ_CHECK(style == 1, "every '<' is a tag");
            place = Place::InTag;
            run = 1;
            continue;
        }
        switch (place) {
        case Place::BeforeTags:
            // Only '<' and '>' start the colours; a quote before them changes nothing.
            FUZZ_CHECK(style == 0, "before the first tag everything is in the first colour");
            break;
        case Place::AfterTag:
            FUZZ_CHECK(style == 2, "between tags everything is text, quotes too");
            if (c == '"')
                valueOpen = false;
            break;
        case Place::InTag:
            if (c == '"') {
                FUZZ_CHECK(style == 1, "a quote in a tag is in the tag's colour");
                valueOpen = !valueOpen;
                run = valueOpen ? 3 : 1;
            } else {
                FUZZ_CHECK(style == run, "inside a tag, a quoted value is coloured and the rest is the tag's");
            }
            break;
        }
        if (c == '>')
            place = Place::AfterTag;
    }
    return 0;
}

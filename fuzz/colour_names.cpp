// color.txt, as the colour picker and as the editor's colour names read it: every record read
// holds a name and a code whose channels are what its fields say, and both readers take the
// same file.
#include "FuzzCheck.h"

#include "editor/ColourNames.h"
#include "platform/TextFile.h"
#include "toolwindows/ColourNames.h"

#include <cstdint>

namespace {

bool channel(int value)
{
    return value >= 0 && value <= 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeProgramFile(bytes).text;

    const ColourNamesReadResult picker = parseColourNames(text);
    FUZZ_CHECK(picker.records.size() <= MaxColourNames, "the picker keeps at most its swatches");
    for (const ColourNameRecord& r : picker.records) {
        FUZZ_CHECK(channel(r.red) && channel(r.green) && channel(r.blue), "channels are 0 to 255");
        FUZZ_CHECK(colourValueText(r).size() == 7 && colourValueText(r).startsWith(u'#'), "a value is # and six digits");
    }

    const ColourFile editor = parseColourFile(text);
    for (const ColourRecord& r : editor.records) {
        FUZZ_CHECK(!r.name.isEmpty() && !r.name.startsWith(u' ') && !r.name.endsWith(u' ')
                       && !r.name.startsWith(u'\t') && !r.name.endsWith(u'\t'),
                   "a record has a name without blanks around it");
        FUZZ_CHECK(r.hex.size() == 6, "a code has six digits");
        FUZZ_CHECK(channel(r.red) && channel(r.green) && channel(r.blue), "channels are 0 to 255");
    }
    for (int line : editor.badLines)
        FUZZ_CHECK(line >= 1, "damaged lines are counted from 1");
    FUZZ_CHECK(colourNames(editor).size() == editor.records.size(), "one name a record");
    return 0;
}

// The extended palette color2.txt: only colour codes come out of it, six to a row.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "toolwindows/ColourPalette.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PaletteReadResult read = parseColourPalette(decodeProgramFile(bytes).text);
    for (const QString& code : read.codes)
        FUZZ_CHECK(isColourCode(code), "every code read is a colour code");
    FUZZ_CHECK(read.codes.size() % PaletteRowLength == 0, "the palette is read in whole rows");
    return 0;
}

// The favourites list: the entries read write back as a file that reads as the same entries.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "preview/Favourites.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList entries = parseFavourites(decodeProgramFile(bytes).text);
    for (const QString& e : entries)
        FUZZ_CHECK(!e.contains(u'\n') && !e.contains(u'\r'), "an entry is one line");
    const QString written = favouritesText(entries);
    FUZZ_CHECK(parseFavourites(written) == entries, "the written list reads back the same");
    return 0;
}

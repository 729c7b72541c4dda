// The favourites file: whatever is on the disk is read into entries; the entries saved through
// the real file functions read back as the same entries, and saving again changes nothing.
// Each entry's short tab name is at most five characters of the address.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "preview/Favourites.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult read = decodeProgramFile(bytes);
    FUZZ_CHECK(read.ok, "decoding the favourites never fails");
    const QStringList entries = parseFavourites(read.text);
    for (const QString& entry : entries)
        FUZZ_CHECK(!entry.contains(u'\r') && !entry.contains(u'\n'), "an entry is one line");

    static const QString path = scratchFile(FavouritesFile);
    FUZZ_CHECK(writeFavourites(path, entries).isEmpty(), "the favourites can be saved");
    const QByteArray saved = bytesOf(path);
    const FavouritesRead back = readFavourites(path);
    FUZZ_CHECK(back.ok && back.entries == entries, "the entries saved read back as the same entries");
    FUZZ_CHECK(writeFavourites(path, back.entries).isEmpty() && bytesOf(path) == saved, "saving again changes nothing");

    for (const QString& entry : entries) {
        QString url = entry;
        const QString shortName = ShortUrl(url);
        FUZZ_CHECK(shortName.size() <= 5, "a short name has at most five characters");
        FUZZ_CHECK(url.size() == entry.size(), "lower-casing keeps the address's length");
        FUZZ_CHECK(url.contains(shortName), "the short name is taken from the address");
    }
    return 0;
}

// The settings file: whatever its bytes, reading gives a table that writes back as a file which
// reads into the same table, and writing that again changes nothing.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "workspace/SettingsStore.h"

#include <cstdint>

namespace {

bool sameTable(const SettingsStore& a, const SettingsStore& b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        if (a.entry(i).key != b.entry(i).key || a.entry(i).value != b.entry(i).value)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult read = decodeProgramFile(bytes);
    SettingsStore store;
    store.readText(read.text, read.encoding == TextEncoding::Cp932);
    for (int i = 0; i < store.count(); ++i) {
        const IniEntry& e = store.entry(i);
        FUZZ_CHECK(!e.key.isEmpty(), "no entry has an empty key");
        FUZZ_CHECK(!e.key.contains(u',') && !e.key.contains(u'\n') && !e.value.contains(u'\n'),
                   "a key holds no comma and no entry a line break");
    }
    const QString written = store.toText();
    SettingsStore again;
    FUZZ_CHECK(again.readText(written, false), "what the table writes is never damaged");
    FUZZ_CHECK(sameTable(store, again), "the written file reads back into the same table");
    FUZZ_CHECK(again.toText() == written, "writing again changes nothing");
    return 0;
}

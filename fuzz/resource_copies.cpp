// The records of the user's copies of the installed data files: every record read has a path
// of one line; the records written read back as the same records, and writing them again gives
// the same bytes.
#include "FuzzCheck.h"

#include "shell/ResourceCopies.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ResourceCopyRecordsRead read = parseResourceCopyRecords(bytes);
    for (const auto& [path, record] : read.records) {
        FUZZ_CHECK(!path.isEmpty() && !path.contains(u'\n') && !path.contains(u'\r'), "a path is one line");
        FUZZ_CHECK(record.size >= 0, "a size is not negative");
        FUZZ_CHECK(record.sha256.isEmpty() || record.sha256.size() == 64, "a hash is empty or SHA-256 in hex");
    }
    const QByteArray written = formatResourceCopyRecords(read.records);
    const ResourceCopyRecordsRead back = parseResourceCopyRecords(written);
    FUZZ_CHECK(!back.damaged, "what is written is not damaged");
    FUZZ_CHECK(back.records == read.records, "the records written read back the same");
    FUZZ_CHECK(formatResourceCopyRecords(back.records) == written, "writing again gives the same bytes");
    return 0;
}

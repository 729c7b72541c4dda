// The program's own files: whatever is on the disk is read, written back as UTF-8 through the
// real file functions, and read again.
#include "FuzzCheck.h"

#include "platform/TextFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult read = decodeProgramFile(bytes);
    FUZZ_CHECK(read.ok, "decoding a program file never fails");
    FUZZ_CHECK(wholeCharacters(read.text), "a program file gives whole characters only");

    static const QString path = scratchFile(QStringLiteral("Pelmor.ini"));
    const TextWriteResult written = writeProgramFile(path, read.text);
    FUZZ_CHECK(written.ok, "a program file can be written");
    const QByteArray saved = bytesOf(path);
    const TextReadResult back = readProgramFile(path);
    FUZZ_CHECK(back.ok && back.text == read.text, "what is written reads back as the same text");
    FUZZ_CHECK(back.exactRoundTrip, "what is written reads back exactly");
    FUZZ_CHECK(back.encoding == TextEncoding::Utf8 || back.encoding == TextEncoding::Utf8Bom,
               "program files are written in UTF-8");
    if (read.encoding == TextEncoding::Utf8 && read.exactRoundTrip)
        FUZZ_CHECK(saved == bytes, "a UTF-8 program file is written back byte for byte");

    FUZZ_CHECK(writeProgramFile(path, back.text).ok && bytesOf(path) == saved, "writing again changes nothing");
    return 0;
}

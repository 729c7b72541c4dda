// A project file: its lines come back whole, one entry each, and the project written from them
// reads back as the same entries.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "shell/ProjectFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult read = decodeProgramFile(bytes);
    const ProjectLines project = parseProjectFile(read.text);
    FUZZ_CHECK(project.tooMany == (project.lines.size() > MaxProjectLines), "too many means more than the limit");
    for (const QString& line : project.lines)
        FUZZ_CHECK(!line.contains(u'\n'), "an entry holds no line feed");
    const QString written = projectFileText(project.lines);
    FUZZ_CHECK(parseProjectFile(written).lines == project.lines, "written entries read back the same");
    return 0;
}

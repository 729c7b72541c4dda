// The lesson script resource/CSSDEMO.txt: whatever the file holds, its lines give back the text,
// and walking it step by step always ends: every step moves on, and each command gets the lines
// that follow its command line as its arguments. Commands fail or succeed by the input's bytes.
#include "FuzzCheck.h"

#include "lesson/LessonScript.h"
#include "platform/LineEnds.h"
#include "platform/SharedConstants.h"
#include "platform/TextFile.h"

#include <cstdint>

namespace {

bool noLineBeginsWith(const QString& block, const QString& prefix, const QString& allowed = QString())
{
    for (const QString& line : block.split(CrLf)) {
        if (line.startsWith(prefix) && (allowed.isEmpty() || !line.startsWith(allowed)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextReadResult read = decodeProgramFile(bytes);
    FUZZ_CHECK(read.ok, "decoding the script never fails");
    const QStringList lines = lesson::splitScript(read.text);
    FUZZ_CHECK(!lines.isEmpty(), "a script has at least one line");
    FUZZ_CHECK(lines.join(CrLf) == toCrLf(read.text), "the lines give back the text");

    const int count = static_cast<int>(lines.size());
    const auto run = [&](const lesson::Command& c) {
        FUZZ_CHECK(c.line >= 0 && c.line < count, "a command stands on a line of the script");
        FUZZ_CHECK(lesson::commandWord(lines.at(c.line)) == c.word, "a command is the word of its line");
        for (int i = 0; i < c.arguments.size(); ++i)
            FUZZ_CHECK(c.arguments.at(i) == lines.value(c.line + 1 + i), "the arguments are the lines after the command");
        if (c.word == lesson::Word::Explanation)
            FUZZ_CHECK(noLineBeginsWith(c.text.chopped(c.text.endsWith(CrLf) ? 2 : 0), QStringLiteral("<")),
                       "an explanation holds no line that begins with <");
        if (c.word == lesson::Word::Write)
            FUZZ_CHECK(noLineBeginsWith(c.text.chopped(c.text.endsWith(CrLf) ? 2 : 0), QStringLiteral("<"), QStringLiteral("<BR>")),
                       "a written text holds no closing line");
        // Fail now and then, as a command that finds nothing to select does.
        const bool fails = size > 0 && (static_cast<unsigned char>(data[size_t(c.line) % size]) & 0x11) == 0x11;
        return fails ? lesson::Run::Failed : lesson::Run::Ok;
    };

    int lineNo = 0;
    int steps = 0;
    while (lineNo < count) {
        const lesson::StepResult r = lesson::step(lines, lineNo, run);
        FUZZ_CHECK(r.kind != lesson::StepResult::Kind::Stopped, "only a command stops the lesson");
        FUZZ_CHECK(r.begin >= lineNo, "a step begins at or after its line");
        FUZZ_CHECK(r.next > lineNo && r.next <= count, "every step moves on and stays in the script");
        if (r.kind == lesson::StepResult::Kind::PastEnd)
            FUZZ_CHECK(r.next == count, "a step past the end leaves nothing to run");
        lineNo = r.next;
        FUZZ_CHECK(++steps <= count, "no more steps than lines");
    }
    return 0;
}

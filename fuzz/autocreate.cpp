// Automatic creation with the real generators, on a text as the editor holds it (CR LF lines):
// every page it makes is CR LF text without a lone CR or LF, and a text without pseudo-tags and
// without the characters that become entities keeps every one of its words.
#include "FuzzCheck.h"

#include "autocreate/GeneratorAdapters.h"

#include <QRegularExpression>
#include <cstdint>
#include <memory>

namespace {

bool crLfOnly(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return true;
}

bool keepsWords(const QString& text, const QString& page)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]+"));
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts)) {
        if (!page.contains(word))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 1 || size > 65536)
        return 0;
    // The first byte chooses the frames; the rest is the text, its line ends made CR LF.
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));

    autocreate::AutoCreateSettings settings;
    settings.frames = static_cast<autocreate::FrameLayout>(data[0] % 3);
    auto effects = std::make_shared<autocreate::GeneratorEffects>();
    const autocreate::AutoCreateOutcome out = autocreate::runAutoCreateSteps(
        text, QStringLiteral("memo.txt"), settings,
        autocreate::realGenerators(autocreate::PanelInputs(), QStringLiteral("/home/user/web"), effects));

    FUZZ_CHECK(wholeCharacters(out.page), "the page holds whole characters");
    FUZZ_CHECK(crLfOnly(out.page), "the page is CR LF text");
    if (out.frames) {
        FUZZ_CHECK(crLfOnly(out.frames->body), "the body page is CR LF text");
        FUZZ_CHECK(crLfOnly(out.frames->navigation), "the navigation page is CR LF text");
        FUZZ_CHECK(crLfOnly(out.frames->frameset), "the frameset page is CR LF text");
        FUZZ_CHECK(out.frames->navigation.count(QStringLiteral("<A href=")) == out.headings.size(),
                   "one navigation link a heading");
    }
    static const QRegularExpression special(QStringLiteral("[<>&\"\\\\]"));
    if (!text.contains(special)) {
        FUZZ_CHECK(keepsWords(text, out.page), "a plain text keeps its words");
        if (out.frames)
            FUZZ_CHECK(keepsWords(text, out.frames->body), "the body page keeps the words");
    }
    return 0;
}

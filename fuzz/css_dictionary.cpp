// The stylesheet dictionary: every category and property read is found again by its name, and
// its headers are whole lines of the file.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "stylesheet/CssDictionary.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CssDictionary dictionary = parseCssDictionary(decodeProgramFile(bytes).text);
    FUZZ_CHECK(dictionary.categoryNames().size() == dictionary.categories.size(), "one name a category");
    for (const CssCategory& c : dictionary.categories) {
        const CssCategory* found = dictionary.category(c.name);
        FUZZ_CHECK(found != nullptr, "a category is found by its name");
        FUZZ_CHECK(found->name.trimmed() == c.name.trimmed(), "the name finds a category of that name");
        for (const CssProperty& p : c.properties) {
            const CssProperty* property = dictionary.propertyNamed(p.name);
            FUZZ_CHECK(property != nullptr && property->name.trimmed() == p.name.trimmed(),
                       "a property is found by its name");
        }
    }
    return 0;
}

// The template file pelmor.ten: whatever the file holds, a template saved under a free name reads
// back with its own body, and deleting it again removes exactly that record.
#include "FuzzCheck.h"

#include "platform/TextFile.h"
#include "shell/Templates.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeProgramFile(bytes).text;
    const templatefile::Listing listing = templatefile::readListing(text);
    for (const QString& name : listing.names)
        FUZZ_CHECK(!name.isEmpty(), "no empty name is listed");
    FUZZ_CHECK(!listing.names.contains(listing.nextName), "the next name is free");
    FUZZ_CHECK(templatefile::nameProblem(listing.nextName).isEmpty(), "the next name can stand in a header");

    // A body made of the file's first characters that can hold no record marker.
    QString body = text.left(200);
    body.replace(u'[', u'(');
    body.remove(u'\r').remove(u'\n');
    body += QStringLiteral("\r\n");
    const QString saved = templatefile::fileWithRecord(text, listing.nextName, body);
    const templatefile::Listing after = templatefile::readListing(saved);
    FUZZ_CHECK(after.names.contains(listing.nextName), "a saved template is listed");
    const auto range = templatefile::bodyRange(after.content, listing.nextName);
    FUZZ_CHECK(range.has_value(), "a saved template has a body");
    const QString found = after.content.mid(range->start, range->length);
    FUZZ_CHECK(found.contains(body.chopped(2)), "the body read back holds what was saved");

    const auto without = templatefile::fileWithout(after.content, listing.nextName);
    FUZZ_CHECK(without.has_value(), "a saved template can be deleted");
    FUZZ_CHECK(!templatefile::readListing(*without).names.contains(listing.nextName), "a deleted template is gone");
    return 0;
}

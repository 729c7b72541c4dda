#include "platform/LineEnds.h"

#include "platform/HugePages.h"

#include <cstdint>
#include <cstring>

namespace {

struct Seen {
    bool crlf = false;
    bool lf = false;
    bool doubledCr = false;

    bool mixed() const { return doubledCr || (crlf && lf); }
    LineEnds verdict() const
    {
        if (mixed())
            return LineEnds::Mixed;
        return lf ? LineEnds::Lf : LineEnds::CrLf;
    }
};

// Units from..to-1 of p; the unit before `from` is looked at when there is one.
template <typename Unit>
void scanUnits(const Unit* p, qsizetype from, qsizetype to, Seen& seen)
{
    for (qsizetype i = from; i < to; ++i) {
        const bool afterCr = i > 0 && p[i - 1] == Unit('\r');
        if (p[i] == Unit('\n'))
            (afterCr ? seen.crlf : seen.lf) = true;
        else if (p[i] == Unit('\r') && afterCr)
            seen.doubledCr = true;
    }
}

#if defined(__GNUC__)
// Sixteen bytes at a time: each lane compares one byte and the byte before it.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));
typedef signed char Mask16 __attribute__((vector_size(16)));

bool anyLane(Mask16 m)
{
    std::uint64_t half[2];
    std::memcpy(half, &m, sizeof half);
    return (half[0] | half[1]) != 0;
}

// Returns the offset up to which the bytes have been scanned.
qsizetype scanVectors(const unsigned char* p, qsizetype n, Seen& seen)
{
    constexpr qsizetype Block = 4096;
    qsizetype i = 1;
    while (i + 16 <= n) {
        Mask16 crlf{};
        Mask16 lf{};
        Mask16 doubled{};
        const qsizetype end = qMin(n, i + Block);
        for (; i + 16 <= end; i += 16) {
            Bytes16 here;
            Bytes16 before;
            std::memcpy(&here, p + i, 16);
            std::memcpy(&before, p + i - 1, 16);
            const Mask16 isLf = here == '\n';
            const Mask16 afterCr = before == '\r';
            crlf |= isLf & afterCr;
            lf |= isLf & ~afterCr;
            doubled |= (here == '\r') & afterCr;
        }
        seen.crlf = seen.crlf || anyLane(crlf);
        seen.lf = seen.lf || anyLane(lf);
        seen.doubledCr = seen.doubledCr || anyLane(doubled);
        if (seen.mixed())
            return n;
    }
    return i;
}
#endif

} // namespace

LineEnds scanLineEnds(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    Seen seen;
    qsizetype done = 0;
#if defined(__GNUC__)
    scanUnits(p, 0, qMin<qsizetype>(n, 1), seen);
    done = scanVectors(p, n, seen);
#endif
    scanUnits(p, done, n, seen);
    return seen.verdict();
}

LineEnds scanLineEnds(QStringView text)
{
    Seen seen;
    scanUnits(text.utf16(), 0, text.size(), seen);
    return seen.verdict();
}

QByteArray editorForm(const QByteArray& bytes)
{
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    // How much longer the form is: one byte for each lone LF, one less for each doubled CR.
    qsizetype grow = 0;
    bool changes = false;
    for (const char* c = static_cast<const char*>(std::memchr(p, '\n', size_t(n))); c;
         c = static_cast<const char*>(std::memchr(c + 1, '\n', size_t(p + n - c - 1)))) {
        if (c == p || c[-1] != '\r') {
            ++grow;
            changes = true;
        }
    }
    for (const char* c = static_cast<const char*>(std::memchr(p, '\r', size_t(n))); c;
         c = static_cast<const char*>(std::memchr(c + 1, '\r', size_t(p + n - c - 1)))) {
        if (c + 1 < p + n && c[1] == '\r') {
            --grow;
            changes = true;
        }
    }
    if (!changes)
        return bytes;
    QByteArray out(n + grow, Qt::Uninitialized);
    adviseHugePages(out.data(), out.size());
    char* o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\r')
            continue;
        if (p[i] == '\n' && (i == 0 || p[i - 1] != '\r'))
            *o++ = '\r';
        *o++ = p[i];
    }
    return out;
}

QString toCrLf(const QString& text)
{
    // Most files already use CR LF throughout: then the text is returned as it is, uncopied.
    const QChar* data = text.constData();
    const qsizetype n = text.size();
    bool lone = false;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] == u'\n' && (i == 0 || data[i - 1] != u'\r')) {
            lone = true;
            break;
        }
    }
    if (!lone)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 16);
    QChar previous;
    for (const QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            out += u'\r';
        out += c;
        previous = c;
    }
    return out;
}

QString fromCrLf(const QString& text)
{
    if (!text.contains(QLatin1String("\r\n")))
        return text;
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

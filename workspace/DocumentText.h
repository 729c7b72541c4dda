#pragma once

#include <QString>
#include <array>

struct Document;

inline constexpr int MaxRegions = 100;
// Slot 0 stays empty; regions are numbered 1 to 100.
using RegionTable = std::array<QString, MaxRegions + 1>;

// "<!--Reg" + the region's number in three digits + "-->".
QString regionMarker(int k);
inline constexpr qsizetype RegionMarkerLength = 13;
// The region number of a marker that starts at pos (0-based) in text, or 0 when none starts there.
int markerAt(const QString& text, qsizetype pos);

// Replaces every marker of a stored region by the region's text, regions folded inside regions
// included. Text that only looks like a marker (no stored region, or a region that would expand
// into itself) is left as it is.
QString expandRegions(const QString& text, const RegionTable& regions);

// True when an upper-cased text holds a head start tag: "<HEAD" followed by ">" or white space,
// so that "<HEADER" does not count.
bool hasHeadTag(const QString& upper);

// Where a page's header ends and its footer starts: the header runs to the end of the body start
// tag (with the line break right after it), the footer from "</BODY" to the end.
struct HeadFootCut {
    bool ok = false;
    qsizetype headerLength = 0;
    qsizetype footerStart = 0;
};
HeadFootCut findHeadFootCut(const QString& text);

// The text without every carriage return that is directly followed by another one.
QString removeDoubleCr(const QString& text);

// A document's whole text: the hidden header and footer put back around the editor's text.
QString fullText(const Document& d);
// The file a document stands for: its folder and its name.
QString filePathOf(const Document& d);
// The same with every folded region expanded: what a save writes.
QString expandedText(const Document& d);

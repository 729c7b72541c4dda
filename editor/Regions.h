#pragma once

#include <QString>
#include <array>

class fomPelmor;

// "<!--Reg" + the region's number in three digits + "-->".
QString regionMarker(int k);
// The region number of a marker that starts at pos (0-based) in text, or 0 when none starts there.
int markerAt(const QString& text, qsizetype pos);

// Replaces every marker of a stored region by the region's text, regions folded inside regions
// included. Text that only looks like a marker (no stored region, or a region that would expand
// into itself) is left as it is.
QString expandRegions(const QString& text, const std::array<QString, 101>& regions);

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

// Region folding and hiding of a page's header and footer.
class Regions {
public:
    explicit Regions(fomPelmor& window) : w(window) {}

    void RegionHide();
    void RegionOnlySelected();
    void RegionShowPart();
    void RegionShowAll(int n);
    void HideHeadFoot();
    void ShowHeadFoot(int n);
    QString GetFullText(int n);
    QString ExpandRegions(int n);

private:
    fomPelmor& w;
};

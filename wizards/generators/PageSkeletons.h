#pragma once

#include "wizards/generators/GeneratedEdit.h"

#include <QString>

// The two whole-page commands of the easy-creation menu and the page wrapper that automatic
// creation shares with them.
namespace gen {

// "ZUDOzediva " + major.minor.revision of this build + " for Windows".
QString generatorContent();

// A complete Transitional page around body, lines joined by CR LF, no line break after the last.
QString WrapPage(const QString& body);

// The page with an empty body that insertPageSkeleton writes.
QString pageSkeletonText();
// The page with the welcome paragraph that insertSamplePage writes.
QString samplePageText();

struct SkeletonInput {
    // The document's whole text: a hidden header and footer put back, folded regions expanded.
    QString documentText;
};

// Replace the whole document with the page, after asking when it holds text.
GeneratedEdit makePageSkeleton(const SkeletonInput& in);
GeneratedEdit makeSamplePage(const SkeletonInput& in);

} // namespace gen

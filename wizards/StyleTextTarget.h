#pragma once

#include <QString>

// The CSS builder's style text, as the image panel uses it: while the builder is shown, the
// panel's insert puts the picture's address into the style text instead of the page. The
// stylesheet subsystem's builder answers it; the shell hands it to the generators.
class StyleTextTarget {
public:
    virtual ~StyleTextTarget() = default;
    virtual bool isBuilderShown() const = 0;
    // With CR LF line breaks.
    virtual QString styleText() const = 0;
    virtual void setStyleText(const QString& text) = 0;
};

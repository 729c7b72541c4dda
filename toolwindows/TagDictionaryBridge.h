#pragma once

#include "editor/ColourLookup.h"

class Fomtag;

// The editor's tag look-up reaches the tag dictionary window through this: the labels'
// captions, their back colours, an entry shown in front, the window counted as open.
class TagDictionaryBridge : public TagDictionaryAccess {
public:
    explicit TagDictionaryBridge(Fomtag& dictionary) : dictionary_(dictionary) {}

    QStringList tagCaptions() const override;
    void setLabelBackColour(int index, const QColor& colour) override;
    void showEntry(int index) override;
    void setOpen() override;

private:
    Fomtag& dictionary_;
};

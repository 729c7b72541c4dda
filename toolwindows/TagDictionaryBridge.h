#pragma once

#include "editor/ColourLookup.h"

class TagDictionaryWindow;

// The editor's tag look-up reaches the tag dictionary window through this: the labels'
// captions, their back colours, an entry shown in front, the window counted as open.
class TagDictionaryBridge : public TagDictionaryAccess {
public:
    explicit TagDictionaryBridge(TagDictionaryWindow& dictionary) : dictionary_(dictionary) {}

    QStringList tagCaptions() const override;
    void setLabelBackColour(int index, const QColor& colour) override;
    void showEntry(int index) override;
    void setOpen() override;

private:
    TagDictionaryWindow& dictionary_;
};

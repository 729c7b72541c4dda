#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <array>

class RichEdit;
class QListWidget;
class QWidget;
class WebBrowser;

// One snapshot of the undo ring.
struct UndoSlot {
    QString text;
    int selStart = 0;
    int topLine = 0;
    bool mark = false; // the snapshot in the slot after this one was taken before a tag-dictionary insertion
};

inline constexpr int UndoRingSize = 10;
inline constexpr int MaxRegions = 100;

// All that belongs to one document: its file, its flags, its undo ring, its folded regions and
// hidden header and footer, and its controls. The main window keeps the documents in tab order.
struct Document {
    QString FileName;           // file name without folder; "$$$NNN.html" until saved under a name
    QString DataPath;           // folder of the file and of its temporary page, no trailing "/"
    bool Modified = false;
    bool BrowserMode = false;
    TextEncoding encoding = TextEncoding::Cp932;

    std::array<UndoSlot, UndoRingSize + 1> Undo{}; // slot 10 exists and stays empty
    int UndoPos = 0;

    std::array<QString, MaxRegions + 1> Regions{}; // 1 to 100 are used
    QString Header;
    QString Footer;
    QString LastPreviewText; // the editor's text when its preview was last shown

    RichEdit* HtText = nullptr;
    WebBrowser* WebB1 = nullptr;    // created when the preview is first shown
    QListWidget* LstBrowse = nullptr;
};

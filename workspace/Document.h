#pragma once

#include "platform/TextFile.h"
#include "workspace/DocumentText.h"

#include <QString>
#include <array>

class RichEdit;
class QListWidget;
class WebBrowser;

// One snapshot of the undo ring.
struct UndoSlot {
    QString text;
    int selStart = 0;
    int topLine = 0;
    bool mark = false; // the snapshot in the slot after this one was taken before a tag-dictionary insertion
};

inline constexpr int UndoRingSize = 10;

// All that belongs to one document: its file, its flags, its undo ring, its folded regions and
// hidden header and footer, and its controls. The workspace keeps the documents in tab order and
// deletes a document's controls with it.
struct Document {
    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document();

    QString FileName;           // file name without folder; "$$$NNN.html" until saved under a name
    QString DataPath;           // folder of the file and of its temporary page, no trailing "/"
    bool Modified = false;
    bool BrowserMode = false;
    TextEncoding encoding = TextEncoding::Cp932;

    std::array<UndoSlot, UndoRingSize + 1> Undo{}; // slot 10 exists and stays empty
    int UndoPos = 0;

    RegionTable Regions{};
    QString Header;
    QString Footer;
    QString LastPreviewText; // the editor's text when its preview was last shown
    QString TempPage;        // the temporary page chosen for the document, absolute; empty until needed

    RichEdit* HtText = nullptr;
    WebBrowser* WebB1 = nullptr;    // created when the preview is first shown
    QListWidget* LstBrowse = nullptr;
};

#pragma once

#include "platform/FileStamp.h"
#include "platform/TextFile.h"
#include "workspace/DocumentText.h"

#include <QString>
#include <array>

class RichEdit;
class QListWidget;
class WebBrowser;

// One snapshot of the undo ring: a document's text, its caret and its first visible line.
struct Snapshot {
    QString text;
    int selStart = 0;
    int topLine = 0;
    bool mark = false; // the snapshot after this one was taken before a tag-dictionary insertion
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

    QString fileName;           // file name without folder; "$$$NNN.html" until saved under a name
    QString folder;             // folder of the file and of its temporary page, no trailing "/"
    bool modified = false;
    // The preview tab shows a live browser instead of the document's page.
    bool browserMode = false;
    TextEncoding encoding = TextEncoding::Cp932;
    // The line ends a save writes: LF for a file that had LF alone, CR LF otherwise.
    LineEnds lineEnds = LineEnds::CrLf;
    // The file the document was last read from or saved to, and what that file was then. The
    // document holds that file while it still goes by that path; empty until it is read or saved.
    QString diskPath;
    FileStamp diskStamp;

    std::array<Snapshot, UndoRingSize + 1> undoRing{}; // slot 10 exists and stays empty
    // The slot of the snapshot the next step back restores.
    int undoPosition = 0;

    RegionTable regions{};
    // The hidden header and footer of the page.
    QString header;
    QString footer;
    QString lastPreviewText; // the editor's text when its preview was last shown
    QString tempPage;        // the temporary page chosen for the document, absolute; empty until needed

    RichEdit* sourceEditor = nullptr;
    WebBrowser* browser = nullptr;  // created when the preview is first shown
    QListWidget* linkList = nullptr;
};

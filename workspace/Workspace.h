#pragma once

#include "platform/TextFile.h"
#include "workspace/Document.h"
#include "workspace/ProgramState.h"
#include "workspace/TempPages.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

class Dialogs;
class RichEdit;
class TabStrip;

// The documents of the main window in tab order, the current one, and the tab strip that shows
// them. Document n is the pair of tabs 2n+1 (source) and 2n+2 (preview), counted from 1 as the
// tab strip counts; that mapping lives here alone. Nothing else writes the current index.
class Workspace : public QObject {
    Q_OBJECT

public:
    Workspace(ProgramState& programState, Dialogs& dialogs, TabStrip& tabs);
    ~Workspace() override;

    ProgramState& state;
    Dialogs& dlg;

    // ---- documents ----
    int documentCount() const { return static_cast<int>(docs_.size()); }
    Document& doc(int n);
    const Document& doc(int n) const;
    RichEdit* sourceEditor(int n) const { return doc(n).sourceEditor; }
    int currentIndex() const { return currentIndex_; }
    // The one place that changes the current document. A document made current while another
    // one's tab is selected gets its source tab selected, so that the tab strip, the pane on show
    // and the status bar follow it.
    void setCurrentIndex(int n);
    Document& current() { return doc(currentIndex_); }
    RichEdit* currentEditor() const { return doc(currentIndex_).sourceEditor; }
    // Document n has changes that are not on disk: it is modified and holds more than blanks.
    bool hasUnsavedChanges(int n) const;
    // The document of an editor, or -1.
    int indexOf(const RichEdit* editor) const;
    // The document that holds the file at path (read from it or saved to it, and still named
    // so), the same file as the file system sees it; -1 when none does.
    int documentHoldingFile(const QString& path) const;

    // ---- tabs ----
    TabStrip& tabStrip() const { return tabs_; }
    int tabCount() const;
    static int sourceTab(int n) { return 2 * n + 1; }
    static int previewTab(int n) { return 2 * n + 2; }
    static int documentOfTab(int tab) { return (tab - 1) / 2; }
    static bool isPreviewTab(int tab) { return tab % 2 == 0; }
    // The document whose tab is selected (0 when none is).
    int selectedDocument() const;
    bool previewTabSelected() const;
    void selectSourceTab(int n);
    void selectPreviewTab(int n);
    void setSourceCaption(int n, const QString& caption);
    QString sourceCaption(int n) const;
    // The document's file as the window names it: its folder and file name.
    QString documentPath(int n) const;
    // After document n got its name: its source tab shows the file name whole, and the status bar
    // follows when the document is current. The tabs' tooltips always give documentPath.
    void showDocumentName(int n);
    // Gives document n a file name and folder and shows them, as showDocumentName does; with
    // TabCaption::Stays the tab keeps its caption (a sample page put into a document), while
    // the status bar still follows.
    enum class TabCaption { FollowsName, Stays };
    void nameDocument(int n, const QString& folder, const QString& fileName,
                      TabCaption caption = TabCaption::FollowsName);

    // ---- adding and removing ----
    // Names the first document, shows its editor and, unless a file was given on the command
    // line, offers back the pages a run left behind.
    void prepareFirstDocument();
    // Adds a document at the end and makes it current. Its folder is `folder`, or, when that is
    // empty, the folder a closed document left in its slot or else the first document's. False
    // when the window already holds the most documents it can (the user is told) or while
    // another add is running.
    bool addDocument(const QString& folder = QString());
    // Takes document n out with its two tabs; the documents behind it move down one place. When
    // n was on show, the last document's source is shown; otherwise the same document stays on
    // show in the same view.
    void removeDocument(int n);
    // Takes out every document but the first.
    void removeAllButFirst();
    // The folder a closed document left in its slot, for the next document added there.
    std::array<QString, MaxDocuments> folderLeftInSlot;

    // ---- temporary pages ----
    // Makes the document whose tab is selected current and writes its temporary page.
    void writeCurrentTempPage();
    // Writes document n's temporary page (not for a blank document or a stylesheet).
    void writeTempPage(int n);
    // The temporary page of document n: chosen when first needed in the document's folder. A page
    // still waiting to be made from the document's file is written first.
    QString tempPagePath(int n);
    // Writes a page of the program's own: the text followed by CR LF, in the given encoding.
    bool writePage(const QString& path, const QString& text, TextEncoding encoding, QString* error = nullptr);
    // A page whose text is exactly a file's: the file's bytes and a final CR LF. False when it
    // could not be written that way (the caller then writes it from the text).
    bool writePageFromFile(const QString& path, const QString& file);
    // Document n holds exactly what `file` held when it was read (its size and time of last
    // change then). Its page is written from the file's bytes when it is first needed: when its
    // path is asked for or the page is written, unless the text changes before. An unchanged
    // document needs no page for crash recovery, so opening a file writes none.
    void pageFromFileWhenNeeded(int n, const QString& file, qint64 size, const QDateTime& modified);
    // The pages this run owns; the shell deletes them at the end of the run.
    TempPages pages;
    // A document was saved at path: a file of the user's, which is never written over or deleted
    // as a temporary page, even when it has a page's name.
    void fileSavedByUser(const QString& path);
    // The longest a change typed into a document waits before its page is written.
    static constexpr int PageDelayMs = 2000;

    // ---- the editors' events ----
    // A mouse button went down in editor n: a right click keeps where the popup menus appear
    // (popupX, popupY, twips) and the click is passed on to whoever shows the popups.
    void passOnEditorMouseDown(int index, int button, int shift, int x, int y);
    int popupX = 0;
    int popupY = 0;

    // ---- window-level state ----
    // Quitting asks first while this is set.
    bool askBeforeQuitting = false;
    // The URL box's text for which the link list was last built.
    QString linkListUrl;
    void setStatusText(const QString& text);
    QString statusText() const { return statusText_; }
    // The status bar names the current document.
    void refreshStatus();

Q_SIGNALS:
    void documentAdded(int n);
    void documentRemoved(int n);
    void currentChanged(int n);
    // Document n's name or folder changed, and its tab and the status bar show it.
    void documentNamed(int n);
    // A file's text has been put into document n's editor.
    void textLoaded(int n);
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in twips.
    void editorMouseDown(int n, int button, int shift, int x, int y);
    void filesDropped(int n, const QStringList& paths);
    void statusTextChanged(const QString& text);

private:
    RichEdit* createEditor();
    // The status bar and whoever shows document n's path follow its name.
    void announceName(int n);
    void restoreLeftoverPages(const QStringList& pages);
    void markChanged(int index);
    void writePageOnFocusLoss(int index);
    void writeDirtyPages();
    // What a document's page holds: its text, with the hidden header and footer.
    static QString pageText(const Document& d);
    // The page name of document n, chosen in its folder when first needed.
    QString pagePathOf(int n);
    // Writes document n's page if it is still waiting to be made from its file: from the file
    // when it is unchanged, else from the text. True when a page was written.
    bool writeWaitingPage(int n, const QString& path);

    TabStrip& tabs_;
    std::vector<std::unique_ptr<Document>> docs_;
    int currentIndex_ = 0;
    bool addBusy_ = false;
    QString lastTempFailure_;
    QString statusText_;
    bool persistFailureShown_ = false;
    // Documents typed into since their page was last written, and the delay that the first of
    // those changes started.
    QSet<const Document*> dirty_;
    QTimer pageTimer_;
    // Documents whose page is still to be written from the file they were read from.
    struct PageSource {
        QString file;
        qint64 size = -1;
        QDateTime modified;
    };
    QHash<const Document*, PageSource> waitingPages_;
};

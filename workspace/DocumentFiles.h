#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

class Workspace;

// Everything that brings a document from disk or writes it back, closes it or clears the
// window: reading, saving, save as, save all, closing, initialising all, and the recent-files
// list that opening and saving keep.
class DocumentFiles : public QObject {
    Q_OBJECT

public:
    explicit DocumentFiles(Workspace& workspace);

    // ---- reading ----
    // Reads folder/name into the current document. The document changes only when the file was
    // read; a failure is reported and leaves it as it was.
    bool readFile(const QString& folder, const QString& name);
    // After a file was read into the current document: its name is remembered and its tab
    // caption set. Its temporary page is written now when the editor holds other text than the
    // file; otherwise it is made from the file when it is first needed.
    void finishOpening();
    // When a document already holds the file at path, puts that document's source on show and
    // returns true: a file is open in one document only.
    bool showDocumentHolding(const QString& path);
    // Makes path the working folder; when it cannot be, offers the home folder instead.
    void setWorkingFolder(const QString& path);
    // Asks whether to save document n first, as closing it does: yes saves it under a name the
    // user chooses, no goes on without saving, cancel stops. False when the caller must stop.
    bool askSaveFirst(int n);
    // The same for the current document.
    bool askSaveFirst();
    // Whether closing document n asks first: it has changes and holds more than blanks.
    bool needsSaveQuestion(int n) const;

    // ---- saving ----
    // Saves the current document under its name (one that was never given is asked for).
    bool save();
    // Saves the current document, or document n, under a name the user chooses.
    bool saveAs();
    bool saveDocumentAs(int n);
    // Saves every modified document.
    void saveAll();
    // Deletes this run's own temporary pages in a folder, except the file `keep`.
    void deleteTempPagesIn(const QString& folder, const QString& keep = QString());
    // The text a save writes: the whole text with regions expanded, ending in one line break.
    QString savedText(int n) const;
    // Save all adds nothing to the recent files while this is set (a project save).
    bool skipRecentFiles = false;

    // ---- closing ----
    // Closes the document whose tab is selected, asking first to save its changes.
    void closeDocument();
    // Back to a single empty document; asks first when any document holds text, unless
    // `clearsWithoutAsking` says a lesson is running.
    void clearAll();
    std::function<bool()> clearsWithoutAsking;

    // ---- recent files ----
    // The recent files, newest first: at most six full paths; empty entries are unused.
    QString recentFiles[6];
    // Loads the list from the settings.
    void loadRecentFiles();
    // Puts a path at the front unless it is in the list already; stores the list and writes the
    // settings file.
    void addRecentFile(const QString& path);

Q_SIGNALS:
    void recentFilesChanged();
    // A file was read into document n (its page is written, or made when first needed).
    void fileOpened(int n);
    // The window was initialised to one empty document.
    void cleared();

private:
    bool writeDocument(int n, const QString& path, const QString& failureMessage);
    // Before document n is saved under its own name at path: true when the file there is still
    // the one the document was read from or last saved to, is gone, or the user agrees to
    // overwrite what another program wrote into it.
    bool mayOverwrite(int n, const QString& path);
    Workspace& ws;
    // The file last read, and whether its document's text is exactly what the file holds.
    struct LastRead {
        const struct Document* document = nullptr;
        QString path;
        bool sameAsFile = false;
        qint64 size = -1;
        QDateTime modified;
    } lastRead_;
};

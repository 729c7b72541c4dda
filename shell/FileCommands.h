#pragma once

#include "platform/TextFile.h"

#include <QString>

class fomPelmor;

// The File menu and everything that brings a document from disk or writes it back: opening,
// the recent-files list, closing, saving and printing.
class FileCommands {
public:
    explicit FileCommands(fomPelmor& window) : w(window) {}

    // ---- the File menu ----
    void buildFileMenu();
    // The items behind the fixed ones: the recent files, a separator and the exit item.
    void RebuildRecentItems();
    void mfile_Click(int index);
    void Pend();

    // ---- opening ----
    void OpenFileCmd();
    // Reads folder/name into the current document. The document changes only when the file was
    // read; a failure is reported and leaves it as it was.
    bool ReadData(const QString& folder, const QString& name);
    void ChangeDir(const QString& path);
    void OpenFileSub();
    // A file dropped on an editor.
    void OpenPath(const QString& path);
    void OpenRecent(int i);
    void AddRecentFile(const QString& path);
    // The file named on the command line (not a project).
    void OpenCommandLineFile(const QString& path);

    // ---- closing ----
    void Fclose();

    // ---- saving and printing ----
    bool SaveFile();
    bool SaveAs();
    void SaveAllFiles();
    // Deletes the program's own temporary pages in a folder, except the file `keep`.
    void KillTempFiles(const QString& folder, const QString& keep = QString());
    void PrintText();
    bool NoRecent = false;

    // The text a save writes: the whole text with regions expanded, ending in one line break.
    QString savedText(int n);

private:
    // Asks whether to save the current document first; false when the caller must stop.
    bool askSaveFirst();
    bool writeDocument(int n, const QString& path, const QString& failureMessage);
    bool SaveAsDocument(int n);
    fomPelmor& w;
};

#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <QStringList>
#include <memory>

class fomPelmor;
class RichEdit;
struct Document;

// The documents of the main window: the first one, adding one, the temporary page that the
// preview shows, and the events of the editors.
class DocumentTabs {
public:
    explicit DocumentTabs(fomPelmor& window) : w(window) {}

    void InitFirstTab();
    // Adds a document at the end and makes it current. False when the window already holds the
    // most documents it can (the user is told) or while another add is running.
    bool AddTab();
    // Writes the current document's temporary page.
    void WriteTemp();

    void HtText_Change(int index);
    void HtText_LostFocus(int index);
    void HtText_MouseDown(int index, int button, int shift, int x, int y);
    void HtText_OLEDragDrop(int index, const QStringList& files);

    // Removes the controls of a document that has been taken out of the window.
    void disposeDocument(std::unique_ptr<Document> gone);

    // A new editor in the tab strip's display area with its events connected.
    RichEdit* createEditor();
    int indexOf(const RichEdit* editor) const;
    QString TempPagePath(int n) const;
    // Writes a page of the program's own: the text followed by CR LF, in the given encoding.
    bool writePage(const QString& path, const QString& text, TextEncoding encoding, QString* error = nullptr);

private:
    void restoreLeftoverPages(const QStringList& pages);
    fomPelmor& w;
    bool addBusy_ = false;
    QString lastTempFailure_;
};

#pragma once

#include "StylePrinters.h"
#include "platform/RichEdit.h"
#include "stylesheet/StylesheetControls.h"
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

// The real window with the stylesheet tools; the shipped data files are copied into the
// program's resource folder on request.
class StylesheetFixture : public AppFixture {
protected:
    static QString shipped(const QString& name)
    {
        return QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/") + name);
    }
    void copyResource(const QString& name)
    {
        QFile::remove(path(QStringLiteral("resource/") + name));
        ASSERT_TRUE(QFile::copy(shipped(name), path(QStringLiteral("resource/") + name))) << name.toStdString();
    }
    QByteArray shippedBytes(const QString& name) const { return readFile(shipped(name)); }

    RichEdit* ed() { return w().ws.currentEditor(); }
    void menu(CommandId item) { w().commands.invoke(item); }
    void press(ExecuteButton button) { w().dispatcher.press(button); }
    template <typename T>
    T* control(ControlId id)
    {
        return w().controls.get<T>(id);
    }
    template <typename T>
    T* control(ControlArrayId id, int index)
    {
        return w().controls.get<T>(id, index);
    }
    QWidget* panel(ControlId id) { return control<QWidget>(id); }
    QLineEdit* line(ControlId id) { return control<QLineEdit>(id); }
    // A multi-line box's text with CR LF line breaks.
    QString box(ControlId id) { return control<QPlainTextEdit>(id)->toPlainText().replace(u("\n"), u("\r\n")); }

    // Document n holds the text, named as given, in the folder given (made when missing).
    void setDocument(int n, const QString& fileName, const QString& text, const QString& folder = QString())
    {
        Document& d = w().ws.doc(n);
        d.fileName = fileName;
        w().ws.setSourceCaption(n, fileName);
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            d.folder = folder;
        }
        d.sourceEditor->setText(text);
    }
    // Adds a document and fills it.
    void addDocument(const QString& fileName, const QString& text, const QString& folder = QString())
    {
        ASSERT_TRUE(w().ws.addDocument());
        setDocument(w().ws.currentIndex(), fileName, text, folder);
    }
};

// The texts of a list's entries.
inline QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A small page with a head.
inline QString pageWithHead(const QString& body = QString())
{
    return u("<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>\r\n") + body + u("</BODY>\r\n</HTML>");
}

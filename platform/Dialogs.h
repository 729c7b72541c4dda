#pragma once

#include <QColor>
#include <QLocale>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// Message boxes, the input box and the common dialogs. The program talks to one interface; the
// window system's dialogs implement it, and tests put a scripted twin in its place.

enum class MsgButtons { OK, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Yes, No, Cancel };

struct FileDialogRequest {
    QString title;
    QString filter;    // the old "description|patterns|description|patterns" form
    QString fileName;  // initial name, may hold a folder
    QString directory; // folder to start in when fileName has none
};

struct FontChoice {
    QString name;
    double size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct PrinterRequest {
    QString title;
    bool selectionOption = false; // offer "selection" as the print range
};

// The title that message boxes show when the caller gives none.
QString applicationTitle();

// Japan's Japanese, the locale the standard dialogs write sizes, dates and numbers in.
QLocale dialogLocale();
// Makes that the default locale and installs Qt's own Japanese translations (qtbase_ja), once
// per run; false when the translations cannot be read.
bool useJapaneseStandardDialogs();

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgResult message(const QString& prompt, MsgButtons buttons = MsgButtons::OK,
                             const QString& title = QString(), MsgIcon icon = MsgIcon::None) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> inputText(const QString& prompt, const QString& title = QString(),
                                            const QString& defaultText = QString()) = 0;
    // The chosen full path, or nullopt when cancelled.
    virtual std::optional<QString> getOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> getSaveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<FontChoice> getFont(const FontChoice& initial, bool fixedPitchOnly) = 0;
    virtual std::optional<QColor> getColour(const QColor& initial) = 0;
    // Sets up the printer (device, output file, range). False when cancelled.
    virtual bool setUpPrinter(QPrinter& printer, const PrinterRequest& request) = 0;
};

// The window system's dialogs, with Japanese texts on their buttons.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MsgResult message(const QString& prompt, MsgButtons buttons, const QString& title, MsgIcon icon) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> getOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(const FileDialogRequest& request) override;
    std::optional<FontChoice> getFont(const FontChoice& initial, bool fixedPitchOnly) override;
    std::optional<QColor> getColour(const QColor& initial) override;
    bool setUpPrinter(QPrinter& printer, const PrinterRequest& request) override;

private:
    QWidget* parent_;
};

// "HTML(*.html;*.htm)|*.html;*.htm|(*.*)|*.*" -> the name filters of a Qt file dialog,
// "HTML(*.html *.htm);;(*)": each entry's patterns separated by blanks and shown once, "*.*" as
// every file.
QString qtFilterFromOld(const QString& oldFilter);

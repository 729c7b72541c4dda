#pragma once

#include "EditPrinters.h"
#include "editor/EditResult.h"
#include "platform/CommandRegistry.h"
#include "support/AppFixture.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QUrl>
#include <QString>
#include <span>

class RichEdit;

// A command's case in a table: the text with its selection written between « and » (a caret is
// «» alone), and the same after the command, with the ranges painted red.
struct CommandRow {
    CommandId command;
    const char* before;
    const char* after;
    QList<MarkRange> red = {};
    // The clipboard's text before the command, and after it when set.
    const char* clipboardBefore = nullptr;
    const char* clipboardAfter = nullptr;
    // A message box the command shows, and the answer.
    const char* message = nullptr;
    MsgResult answer = MsgResult::OK;
};

// The text of a table cell, and its selection.
struct MarkedText {
    QString text;
    Selection selection;
};
MarkedText parseMarked(const char* marked);
// The editor's text with its selection written in.
QString marked(const RichEdit* editor);

// The ranges of the editor's text painted in `colour`.
QList<MarkRange> paintedRanges(const RichEdit* editor, const QColor& colour);

// Catches the pages that the program opens with the desktop's browser, instead of starting one.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

class EditingFixture : public AppFixture {
protected:
    void SetUp() override;

    RichEdit* ed();
    // A freshly coloured document with this text and selection; the editor has the focus.
    void setDocument(const char* markedText);
    void setDocument(const QString& text, const Selection& selection);
    QList<MarkRange> red() { return paintedRanges(ed(), QColor(255, 0, 0)); }
    QList<MarkRange> blue() { return paintedRanges(ed(), QColor(0, 0, 255)); }
    // Puts the resource file of that name from the source tree into the program folder.
    void copyResource(const QString& name);

    // Runs every row's command through commands.invoke and checks text, selection, red marks,
    // clipboard and message.
    void runRows(std::span<const CommandRow> rows);
};

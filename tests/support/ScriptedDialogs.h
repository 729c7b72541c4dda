#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <optional>

// Answers dialogs from a queue of expected ones. A dialog that was not expected, or one of
// another kind than the next expected, fails the running test and shows its text.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Msg, Input, Open, Save, Font, Colour, Printer };

    // `contains` must occur in the dialog's text (message, prompt or title); empty matches any.
    void expectMsg(const QString& contains, MsgResult answer = MsgResult::OK);
    void expectInput(const QString& contains, std::optional<QString> answer);
    void expectOpen(std::optional<QString> path, const QString& contains = QString());
    void expectSave(std::optional<QString> path, const QString& contains = QString());
    void expectFont(std::optional<FontChoice> answer);
    void expectColour(std::optional<QColor> answer);
    // Prints to a PDF file at pdfPath, or cancels when it is nullopt.
    void expectPrinter(std::optional<QString> pdfPath);

    int pending() const { return static_cast<int>(queue_.size()); }
    // Every dialog shown so far: its kind's name and its text.
    const QStringList& shown() const { return shown_; }
    // The requests the file, font and printer dialogs received, newest last.
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<PrinterRequest>& printerRequests() const { return printerRequests_; }
    const std::vector<MsgButtons>& msgButtons() const { return msgButtons_; }
    void clear();

    MsgResult message(const QString& prompt, MsgButtons buttons, const QString& title, MsgIcon icon) override;
    std::optional<QString> inputText(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> getOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(const FileDialogRequest& request) override;
    std::optional<FontChoice> getFont(const FontChoice& initial, bool fixedPitchOnly) override;
    std::optional<QColor> getColour(const QColor& initial) override;
    bool setUpPrinter(QPrinter& printer, const PrinterRequest& request) override;

    std::optional<FontChoice> lastFontInitial;
    bool lastFontFixedPitch = false;

private:
    struct Expected {
        Kind kind;
        QString contains;
        MsgResult msg = MsgResult::OK;
        std::optional<QString> text;
        std::optional<FontChoice> font;
        std::optional<QColor> colour;
    };
    // Takes the next expectation when it fits; reports the dialog otherwise.
    std::optional<Expected> take(Kind kind, const QString& text);

    std::deque<Expected> queue_;
    QStringList shown_;
    std::vector<FileDialogRequest> fileRequests_;
    std::vector<PrinterRequest> printerRequests_;
    std::vector<MsgButtons> msgButtons_;
};

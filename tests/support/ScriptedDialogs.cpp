#include "support/ScriptedDialogs.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

const char* kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Msg: return "message box";
    case ScriptedDialogs::Kind::Input: return "input box";
    case ScriptedDialogs::Kind::Open: return "open dialog";
    case ScriptedDialogs::Kind::Save: return "save dialog";
    case ScriptedDialogs::Kind::Font: return "font dialog";
    case ScriptedDialogs::Kind::Colour: return "colour dialog";
    case ScriptedDialogs::Kind::Printer: return "printer dialog";
    }
    return "dialog";
}

} // namespace

void ScriptedDialogs::expectMsg(const QString& contains, MsgResult answer)
{
    Expected e{Kind::Msg, contains};
    e.msg = answer;
    queue_.push_back(e);
}

void ScriptedDialogs::expectInput(const QString& contains, std::optional<QString> answer)
{
    Expected e{Kind::Input, contains};
    e.text = std::move(answer);
    queue_.push_back(e);
}

void ScriptedDialogs::expectOpen(std::optional<QString> path, const QString& contains)
{
    Expected e{Kind::Open, contains};
    e.text = std::move(path);
    queue_.push_back(e);
}

void ScriptedDialogs::expectSave(std::optional<QString> path, const QString& contains)
{
    Expected e{Kind::Save, contains};
    e.text = std::move(path);
    queue_.push_back(e);
}

void ScriptedDialogs::expectFont(std::optional<FontChoice> answer)
{
    Expected e{Kind::Font, QString()};
    e.font = std::move(answer);
    queue_.push_back(e);
}

void ScriptedDialogs::expectColour(std::optional<QColor> answer)
{
    Expected e{Kind::Colour, QString()};
    e.colour = answer;
    queue_.push_back(e);
}

void ScriptedDialogs::expectPrinter(std::optional<QString> pdfPath)
{
    Expected e{Kind::Printer, QString()};
    e.text = std::move(pdfPath);
    queue_.push_back(e);
}

void ScriptedDialogs::clear()
{
    queue_.clear();
    shown_.clear();
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::take(Kind kind, const QString& text)
{
    shown_ << QString::fromLatin1(kindName(kind)) + QStringLiteral(": ") + text;
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << text.toStdString();
        return std::nullopt;
    }
    Expected e = queue_.front();
    if (e.kind != kind || (!e.contains.isEmpty() && !text.contains(e.contains))) {
        ADD_FAILURE() << "expected " << kindName(e.kind) << " containing \"" << e.contains.toStdString()
                      << "\" but got " << kindName(kind) << ": " << text.toStdString();
        return std::nullopt;
    }
    queue_.pop_front();
    return e;
}

MsgResult ScriptedDialogs::message(const QString& prompt, MsgButtons buttons, const QString& title, MsgIcon)
{
    msgButtons_.push_back(buttons);
    const auto e = take(Kind::Msg, title.isEmpty() ? prompt : title + QStringLiteral(" | ") + prompt);
    if (!e)
        return buttons == MsgButtons::OK ? MsgResult::OK : (buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel);
    return e->msg;
}

std::optional<QString> ScriptedDialogs::inputText(const QString& prompt, const QString& title, const QString&)
{
    const auto e = take(Kind::Input, title.isEmpty() ? prompt : title + QStringLiteral(" | ") + prompt);
    if (!e)
        return std::nullopt;
    return e->text;
}

std::optional<QString> ScriptedDialogs::getOpenFileName(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    const auto e = take(Kind::Open, request.title);
    if (!e)
        return std::nullopt;
    return e->text;
}

std::optional<QString> ScriptedDialogs::getSaveFileName(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    const auto e = take(Kind::Save, request.title);
    if (!e)
        return std::nullopt;
    return e->text;
}

std::optional<FontChoice> ScriptedDialogs::getFont(const FontChoice& initial, bool fixedPitchOnly)
{
    lastFontInitial = initial;
    lastFontFixedPitch = fixedPitchOnly;
    const auto e = take(Kind::Font, initial.name);
    if (!e)
        return std::nullopt;
    return e->font;
}

std::optional<QColor> ScriptedDialogs::getColour(const QColor& initial)
{
    const auto e = take(Kind::Colour, initial.name());
    if (!e)
        return std::nullopt;
    return e->colour;
}

bool ScriptedDialogs::setUpPrinter(QPrinter& printer, const PrinterRequest& request)
{
    printerRequests_.push_back(request);
    const auto e = take(Kind::Printer, request.title);
    if (!e || !e->text)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*e->text);
    if (request.selectionOption)
        printer.setPrintRange(QPrinter::Selection);
    return true;
}

#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

QString applicationTitle()
{
    return QStringLiteral("Pelmor");
}

QString qtFilterFromOld(const QString& oldFilter)
{
    const QStringList parts = oldFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(QLatin1Char('&'));
        // Qt separates the patterns of one entry by blanks; "*.*" meant every file.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        const QString list = patterns.join(QLatin1Char(' '));
        // The patterns a description shows in brackets at its end are the ones Qt reads: they
        // are the entry's own, written Qt's way.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (description.endsWith(QLatin1Char(')')) && open >= 0)
            description = description.left(open);
        else if (!description.isEmpty())
            description += QLatin1Char(' ');
        filters << description + QLatin1Char('(') + list + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty() && filters.isEmpty())
        filters << parts.last();
    return filters.join(QStringLiteral(";;"));
}

MsgResult QtDialogs::MsgBox(const QString& prompt, MsgButtons buttons, const QString& title, MsgIcon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setText(prompt);
    switch (icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: break;
    }
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* ok = nullptr;
    switch (buttons) {
    case MsgButtons::OK:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case MsgButtons::YesNo:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case MsgButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (buttons == MsgButtons::OK)
        return MsgResult::OK;
    if (clicked && clicked == yes)
        return MsgResult::Yes;
    if (buttons == MsgButtons::YesNoCancel && clicked != no)
        return MsgResult::Cancel;
    return MsgResult::No;
}

std::optional<QString> QtDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

namespace {

QString startPath(const FileDialogRequest& request)
{
    if (request.fileName.isEmpty())
        return request.directory;
    QFileInfo info(request.fileName);
    if (info.isAbsolute() || request.directory.isEmpty())
        return request.fileName;
    return request.directory + QLatin1Char('/') + request.fileName;
}

} // namespace

std::optional<QString> QtDialogs::ShowOpen(const FileDialogRequest& request)
{
    const QString path = QFileDialog::getOpenFileName(parent_, request.title, startPath(request),
                                                      qtFilterFromOld(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::ShowSave(const FileDialogRequest& request)
{
    // The caller asks its own overwrite question.
    const QString path = QFileDialog::getSaveFileName(parent_, request.title, startPath(request),
                                                      qtFilterFromOld(request.filter), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<FontChoice> QtDialogs::ShowFont(const FontChoice& initial, bool fixedPitchOnly)
{
    QFont font(initial.name);
    font.setPointSizeF(initial.size > 0 ? initial.size : 12);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    QFontDialog::FontDialogOptions options;
    if (fixedPitchOnly)
        options |= QFontDialog::MonospacedFonts;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent_, QString(), options);
    if (!ok)
        return std::nullopt;
    FontChoice result;
    result.name = chosen.family();
    result.size = chosen.pointSizeF();
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    return result;
}

std::optional<QColor> QtDialogs::ShowColor(const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent_);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtDialogs::ShowPrinter(QPrinter& printer, const PrinterRequest& request)
{
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(request.title);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (request.selectionOption) {
        options |= QAbstractPrintDialog::PrintSelection;
        printer.setPrintRange(QPrinter::Selection);
    }
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

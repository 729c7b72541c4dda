#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QColorDialog>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>

QString applicationTitle()
{
    return QStringLiteral("Pelmor");
}

QLocale dialogLocale()
{
    return QLocale(QLocale::Japanese, QLocale::Japan);
}

bool useJapaneseStandardDialogs()
{
    static QTranslator* installed = nullptr;
    QLocale::setDefault(dialogLocale());
    if (installed)
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(dialogLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
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

MsgResult QtDialogs::message(const QString& prompt, MsgButtons buttons, const QString& title, MsgIcon icon)
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

std::optional<QString> QtDialogs::inputText(const QString& prompt, const QString& title, const QString& defaultText)
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

namespace {

// The file list of Qt's own file dialog with its sizes, kinds and dates in Japanese: the model
// behind it writes them in the system's locale, and Qt's Japanese translations have no word for
// a folder.
class JapaneseFileDetails : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    enum Column { Name, Size, Kind, Modified };

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.column() == Name)
            return QIdentityProxyModel::data(index, role);
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        switch (index.column()) {
        case Size:
            return info.isDir() ? QString() : dialogLocale().formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
        case Kind:
            if (info.isDir())
                return QStringLiteral("フォルダー");
            return QIdentityProxyModel::data(index, role);
        case Modified:
            return dialogLocale().toString(info.lastModified(), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
};

// Wide enough for a header or a sample entry, whichever is wider, and never narrower than now.
void widenColumn(QTreeView* view, int column, const QString& sample)
{
    QHeaderView* header = view->header();
    const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
    // Room for the sort arrow beside a title and the margins of an entry.
    const int wanted = std::max(header->fontMetrics().horizontalAdvance(title) + 24, view->fontMetrics().horizontalAdvance(sample) + 16);
    header->resizeSection(column, std::max(header->sectionSize(column), wanted));
}

// Qt's own file dialog, in Japanese throughout; a native dialog speaks the desktop's language.
void prepareFileDialog(QFileDialog& dialog, const QString& startPath)
{
    dialog.setLocale(dialogLocale());
    const QFileInfo start(startPath);
    if (!startPath.isEmpty() && !start.isDir()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    } else if (!startPath.isEmpty()) {
        dialog.setDirectory(startPath);
    }
    dialog.setProxyModel(new JapaneseFileDetails(&dialog));
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QLocale japanese = dialogLocale();
        widenColumn(view, JapaneseFileDetails::Size, japanese.formattedDataSize(1023LL * 1024 * 1024, 1, QLocale::DataSizeTraditionalFormat));
        widenColumn(view, JapaneseFileDetails::Kind, QStringLiteral("フォルダー HTML 文書"));
        widenColumn(view, JapaneseFileDetails::Modified, japanese.toString(QDateTime(QDate(2000, 12, 31), QTime(23, 59)), QLocale::ShortFormat));
        // Once shown, the dialog widens, within its screen, until the list shows every column.
        QTimer::singleShot(0, &dialog, [&dialog, view] {
            const int missing = view->header()->length() - view->viewport()->width();
            if (missing <= 0)
                return;
            int width = dialog.width() + missing + 4;
            if (const QScreen* screen = dialog.screen())
                width = std::min(width, screen->availableGeometry().width());
            dialog.resize(width, dialog.height());
        });
    }
}

std::optional<QString> chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() || dialog.selectedFiles().first().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> QtDialogs::getOpenFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, request.title, QString(), qtFilterFromOld(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dialog, startPath(request));
    return chosenFile(dialog);
}

std::optional<QString> QtDialogs::getSaveFileName(const FileDialogRequest& request)
{
    // The caller asks its own overwrite question.
    QFileDialog dialog(parent_, request.title, QString(), qtFilterFromOld(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    prepareFileDialog(dialog, startPath(request));
    return chosenFile(dialog);
}

std::optional<FontChoice> QtDialogs::getFont(const FontChoice& initial, bool fixedPitchOnly)
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

std::optional<QColor> QtDialogs::getColour(const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent_);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtDialogs::setUpPrinter(QPrinter& printer, const PrinterRequest& request)
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

#include "wizards/PanelViews.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelTexts.h"
#include "wizards/generators/RelativePath.h"
#include "wizards/generators/TableGenerator.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

PanelViews::PanelViews(Workspace& workspace, ControlRegistry& controlRegistry)
    : ws(workspace)
    , controls(controlRegistry)
{
    connect(controls.get<QPushButton>(image_panel::ChooseFileButton), &QPushButton::clicked, this, [this] { chooseImageFile(); });
    connect(controls.get<QPushButton>(image_panel::ShowPictureButton), &QPushButton::clicked, this, &PanelViews::togglePicture);
    connect(controls.get<QPushButton>(table_panel::ShowExplanationButton), &QPushButton::clicked, this,
            &PanelViews::showTableExplanation);
    connect(controls.get<QPushButton>(table_panel::ShowDataButton), &QPushButton::clicked, this, &PanelViews::showTableData);
    connect(controls.get<QPushButton>(table_panel::ClearDataButton), &QPushButton::clicked, this, &PanelViews::clearTableData);
    connect(controls.get<QPushButton>(table_panel::SampleRowsButton), &QPushButton::clicked, this, &PanelViews::showSampleRows);
}

bool PanelViews::showPicture(const QString& file)
{
    auto* picture = controls.get<QLabel>(image_panel::Picture);
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        picture->clear();
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    // A large picture is shown whole, made smaller.
    if (pixmap.width() > picture->width() || pixmap.height() > picture->height())
        pixmap = pixmap.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture->setPixmap(pixmap);
    return true;
}

bool PanelViews::chooseImageFile()
{
    FileDialogRequest request;
    request.title = QStringLiteral("画像ファイルの設定");
    request.filter = paneltext::imageFilesFilter();
    const auto chosen = ws.dlg.getOpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return false;
    controls.get<QLineEdit>(image_panel::ChosenFileBox)->setText(*chosen);
    auto* relative = controls.get<QLineEdit>(image_panel::RelativePathBox);
    auto* picture = controls.get<QWidget>(image_panel::Picture);
    auto* toggle = controls.get<QPushButton>(image_panel::ShowPictureButton);
    if (!showPicture(*chosen)) {
        relative->clear();
        return true;
    }
    picture->show();
    picture->raise();
    toggle->setText(QStringLiteral("画像非表示"));
    relative->setText(gen::MakeRelativePath(*chosen, ws.current().folder));
    return true;
}

void PanelViews::togglePicture()
{
    auto* picture = controls.get<QWidget>(image_panel::Picture);
    auto* toggle = controls.get<QPushButton>(image_panel::ShowPictureButton);
    if (picture->isHidden()) {
        toggle->setText(QStringLiteral("画像非表示"));
        // The picture of the file chosen in this panel; nothing when it cannot be read.
        showPicture(controls.get<QLineEdit>(image_panel::ChosenFileBox)->text());
        picture->show();
        picture->raise();
    } else {
        picture->hide();
        toggle->setText(QStringLiteral("画像表示"));
    }
}

void PanelViews::showTableView(bool data)
{
    auto* explanation = controls.get<QWidget>(table_panel::Explanation);
    controls.get<QPlainTextEdit>(table_panel::DataBox)->setVisible(data);
    explanation->setVisible(!data);
}

void PanelViews::showTableExplanation()
{
    showTableView(false);
}

void PanelViews::showTableData()
{
    showTableView(true);
}

void PanelViews::clearTableData()
{
    showTableView(true);
    controls.get<QPlainTextEdit>(table_panel::DataBox)->clear();
}

void PanelViews::showSampleRows()
{
    showTableView(true);
    controls.get<QPlainTextEdit>(table_panel::DataBox)->setPlainText(gen::sampleTableText());
}

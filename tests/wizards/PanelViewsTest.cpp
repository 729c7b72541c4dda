#include "platform/RichEdit.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/MiniPanel.h"
#include "support/AppFixture.h"
#include "wizards/generators/TableGenerator.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/MiniPanelControls.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

class PanelViewsTest : public AppFixture {
protected:
    template <typename T>
    T* get(const char* name, int index = ControlRegistry::NoIndex)
    {
        return w().controls.get<T>(QString::fromLatin1(name), index);
    }
    template <typename T>
    T* get(ControlId id)
    {
        return w().controls.get<T>(id);
    }
    QLabel* picture() { return w().controls.get<QLabel>(image_panel::Picture); }
    bool showsPicture() { return !picture()->isHidden() && !picture()->pixmap().isNull(); }
    QString picturePath()
    {
        const QString folder = w().ws.current().folder + QStringLiteral("/img");
        QDir().mkpath(folder);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(folder + QStringLiteral("/a.png"));
        return folder + QStringLiteral("/a.png");
    }
};

TEST_F(PanelViewsTest, TheImageChooserShowsThePictureChosenInIt)
{
    start();
    w().commands.invoke(advanced_menu::InsertImage);
    const QString file = picturePath();
    dialogs.expectOpen(file);
    get<QPushButton>(image_panel::ChooseFileButton)->click();
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, QStringLiteral("画像ファイルの設定"));
    EXPECT_EQ(get<QLineEdit>(image_panel::ChosenFileBox)->text(), file);
    EXPECT_EQ(get<QLineEdit>(image_panel::RelativePathBox)->text(), QStringLiteral("img/a.png"));
    EXPECT_TRUE(showsPicture());

    // Hiding and showing again shows the file of this panel, whatever another dialog chose since.
    get<QPushButton>(image_panel::ShowPictureButton)->click();
    EXPECT_TRUE(picture()->isHidden());
    EXPECT_EQ(get<QPushButton>(image_panel::ShowPictureButton)->text(), QStringLiteral("画像表示"));
    dialogs.expectOpen(temp.path() + QStringLiteral("/music.wav"));
    w().wizards.pickers.chooseMediaFile(0);
    get<QPushButton>(image_panel::ShowPictureButton)->click();
    EXPECT_TRUE(showsPicture());
    EXPECT_EQ(get<QPushButton>(image_panel::ShowPictureButton)->text(), QStringLiteral("画像非表示"));

    // Cancelling the chooser leaves the boxes as they were.
    dialogs.expectOpen(std::nullopt);
    get<QPushButton>(image_panel::ChooseFileButton)->click();
    EXPECT_EQ(get<QLineEdit>(image_panel::ChosenFileBox)->text(), file);
    EXPECT_EQ(get<QLineEdit>(image_panel::RelativePathBox)->text(), QStringLiteral("img/a.png"));

    // The menu opens the panel in its explanation view again.
    w().commands.invoke(advanced_menu::InsertImage);
    EXPECT_TRUE(picture()->isHidden());
}

TEST_F(PanelViewsTest, AFileThatIsNoPictureShowsNothing)
{
    start();
    w().commands.invoke(advanced_menu::InsertImage);
    const QString file = temp.path() + QStringLiteral("/broken.gif");
    writeFile(file, "no picture here");
    dialogs.expectOpen(file);
    get<QPushButton>(image_panel::ChooseFileButton)->click();
    EXPECT_EQ(get<QLineEdit>(image_panel::ChosenFileBox)->text(), file);
    EXPECT_TRUE(get<QLineEdit>(image_panel::RelativePathBox)->text().isEmpty());
    EXPECT_FALSE(showsPicture());
    get<QPushButton>(image_panel::ShowPictureButton)->click();
    EXPECT_FALSE(picture()->isHidden());
    EXPECT_TRUE(picture()->pixmap().isNull()) << "an empty preview, not an old picture";
}

TEST_F(PanelViewsTest, TheTablePanelSwitchesBetweenItsExplanationAndItsData)
{
    start();
    w().commands.invoke(advanced_menu::MakeTable);
    QWidget* explanation = get<QWidget>(table_panel::Explanation);
    auto* data = get<QPlainTextEdit>(table_panel::DataBox);
    data->setPlainText(QStringLiteral("古い表"));
    get<QPushButton>(table_panel::ShowDataButton)->click();
    EXPECT_FALSE(data->isHidden());
    EXPECT_TRUE(explanation->isHidden());
    EXPECT_EQ(data->toPlainText(), QStringLiteral("古い表"));
    get<QPushButton>(table_panel::ShowExplanationButton)->click();
    EXPECT_TRUE(data->isHidden());
    EXPECT_FALSE(explanation->isHidden());
    get<QPushButton>(table_panel::SampleRowsButton)->click();
    EXPECT_FALSE(data->isHidden());
    EXPECT_EQ(toCrLf(data->toPlainText()), gen::sampleTableText()) << "the sample replaces what the box held";
    get<QPushButton>(table_panel::ClearDataButton)->click();
    EXPECT_TRUE(data->toPlainText().isEmpty());
    EXPECT_FALSE(data->isHidden());
}

TEST_F(PanelViewsTest, TheMiniPanelsButtonInsertsATitleUntilTheFramesWizardIsOpened)
{
    start();
    w().ws.currentEditor()->setText(QStringLiteral("<HTML><HEAD><TITLE></TITLE></HEAD></HTML>"));
    get<QLineEdit>(title_panel::TitleBox)->setText(QStringLiteral("題"));
    get<QPushButton>(mini_panel::RunButton)->click();
    EXPECT_EQ(w().ws.currentEditor()->text(), QStringLiteral("<HTML><HEAD><TITLE>題</TITLE></HEAD></HTML>"));
    w().commands.invoke(advanced_menu::MakeFrames);
    get<QPushButton>(mini_panel::RunButton)->click();
    EXPECT_EQ(w().ws.currentEditor()->text(), QStringLiteral("<HTML><HEAD><TITLE>題</TITLE></HEAD></HTML>"));
}

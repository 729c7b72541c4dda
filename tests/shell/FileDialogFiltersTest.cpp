// The filters of every open and save dialog, as the window system's file dialog reads them: the
// patterns of one entry are separated by blanks there, so no entry may hold a ';', and the image
// dialogs let the user pick the pictures that browsers show.
#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ShownFilter {
    QString text;         // what the dialog lists
    QStringList patterns; // what it matches file names against
};

// The entries of a request's filter as the widget file dialog takes them.
std::vector<ShownFilter> shownFilters(const FileDialogRequest& request)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(qtFilterFromOld(request.filter));
    auto* model = dialog.findChild<QFileSystemModel*>();
    std::vector<ShownFilter> shown;
    if (!model)
        return shown;
    for (const QString& text : dialog.nameFilters()) {
        dialog.selectNameFilter(text);
        shown.push_back({text, model->nameFilters()});
    }
    return shown;
}

bool accepts(const ShownFilter& filter, const QString& fileName)
{
    return QDir::match(filter.patterns, fileName);
}

} // namespace

class FileDialogFiltersTest : public AppFixture {};

TEST_F(FileDialogFiltersTest, EveryDialogsEntriesAreReadAsTheySay)
{
    start();
    // Every file dialog the program shows, each cancelled.
    dialogs.expectOpen(std::nullopt);
    w().fileMenu.openFile();
    for (const char* name : {"page.html", "style.css", "memo.txt"}) {
        w().ws.current().fileName = QString::fromLatin1(name);
        dialogs.expectSave(std::nullopt);
        dialogs.expectMsg(QStringLiteral("データｰは保存されませんでした"));
        w().files.saveAs();
    }
    dialogs.expectOpen(std::nullopt);
    w().projects.openProject(QString());
    dialogs.expectSave(std::nullopt);
    w().projects.saveProject();
    for (int i = 0; i < 3; ++i) {
        dialogs.expectOpen(std::nullopt);
        w().wizards.pickers.chooseMediaFile(i);
    }
    w().commands.invoke(advanced_menu::InsertImage);
    dialogs.expectOpen(std::nullopt);
    w().controls.get<QPushButton>(image_panel::ChooseFileButton)->click();
    RichEdit* ed = w().ws.currentEditor();
    ed->setText(QStringLiteral("<P>text</P>"));
    ed->select(0, 3);
    dialogs.expectOpen(std::nullopt);
    w().wizards.buttons.chooseLinkTarget();

    const std::vector<FileDialogRequest>& requests = dialogs.fileRequests();
    ASSERT_EQ(requests.size(), 11u);
    for (const FileDialogRequest& request : requests) {
        const std::vector<ShownFilter> shown = shownFilters(request);
        ASSERT_FALSE(shown.empty()) << request.filter.toStdString();
        for (const ShownFilter& f : shown) {
            SCOPED_TRACE(request.title.toStdString() + ": " + f.text.toStdString());
            EXPECT_FALSE(f.text.contains(QLatin1Char(';')));
            ASSERT_FALSE(f.patterns.isEmpty());
            for (const QString& pattern : f.patterns)
                EXPECT_FALSE(pattern.contains(QLatin1Char(';')));
        }
    }

    // Both image dialogs, the image panel's and the background image's: the formats that
    // browsers show, in any case, come first; every other file is one entry away.
    int imageDialogs = 0;
    for (const FileDialogRequest& request : requests) {
        if (request.title != QStringLiteral("画像ファイルの設定"))
            continue;
        ++imageDialogs;
        const std::vector<ShownFilter> shown = shownFilters(request);
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].text, QStringLiteral("画像ファイル (*.png *.jpg *.jpeg *.gif *.webp *.svg *.bmp)"));
        for (const char* picture : {"a.png", "photo.jpeg", "photo.jpg", "IMG_0001.JPG", "anim.gif", "b.webp", "logo.svg", "old.bmp"})
            EXPECT_TRUE(accepts(shown[0], QString::fromLatin1(picture))) << picture;
        EXPECT_FALSE(accepts(shown[0], QStringLiteral("notes.txt")));
        EXPECT_EQ(shown[1].text, QStringLiteral("すべてのファイル (*)"));
        for (const char* other : {"notes.txt", "README", "photo.heic"})
            EXPECT_TRUE(accepts(shown[1], QString::fromLatin1(other))) << other;
    }
    EXPECT_EQ(imageDialogs, 2);
}

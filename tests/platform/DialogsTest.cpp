#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// What the open dialog showed of a folder holding a page and a subfolder.
struct Shown {
    bool found = false;
    QString cancel;
    QStringList headers;
    QString pageSize;
    QString pageDate;
    QString folderKind;
    QString folderDate;
    // Per column, the widest text it holds (header included) against its width.
    std::vector<std::pair<int, int>> needAndWidth;
};

QString cell(QAbstractItemModel* model, const QModelIndex& parent, int row, int column)
{
    return model->index(row, column, parent).data().toString();
}

} // namespace

TEST(QtFileDialogs, TheOpenDialogSpeaksJapaneseWithItsSizesKindsAndDatesWhole)
{
    ASSERT_TRUE(useJapaneseStandardDialogs()) << "Qt's Japanese translations (qtbase_ja.qm) are installed";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QFile page(temp.filePath(QStringLiteral("page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QByteArray(3000, 'a'));
    page.close();
    ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("images")));

    Shown shown;
    int tries = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (++tries > 400) {
            // Nothing came in 20 seconds: end the dialog, the test fails on what it did not see.
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            poll.stop();
            return;
        }
        if (!dialog)
            return;
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!view || !view->model())
            return;
        QAbstractItemModel* model = view->model();
        const QModelIndex root = view->rootIndex();
        int pageRow = -1;
        int folderRow = -1;
        for (int r = 0; r < model->rowCount(root); ++r) {
            const QString name = cell(model, root, r, 0);
            if (name == QStringLiteral("page.html"))
                pageRow = r;
            if (name == QStringLiteral("images"))
                folderRow = r;
        }
        if (pageRow < 0 || folderRow < 0 || cell(model, root, pageRow, 3).isEmpty() || cell(model, root, folderRow, 2).isEmpty())
            return;
        // The list shows every column once the dialog has widened.
        if (view->header()->length() > view->viewport()->width())
            return;
        shown.found = true;
        shown.cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        for (int c = 0; c < 4; ++c)
            shown.headers << model->headerData(c, Qt::Horizontal).toString();
        shown.pageSize = cell(model, root, pageRow, 1);
        shown.pageDate = cell(model, root, pageRow, 3);
        shown.folderKind = cell(model, root, folderRow, 2);
        shown.folderDate = cell(model, root, folderRow, 3);
        for (int c = 1; c < 4; ++c) {
            int need = view->header()->fontMetrics().horizontalAdvance(shown.headers[c]);
            for (int r = 0; r < model->rowCount(root); ++r)
                need = std::max(need, view->fontMetrics().horizontalAdvance(cell(model, root, r, c)));
            shown.needAndWidth.emplace_back(need, view->header()->sectionSize(c));
        }
        poll.stop();
        dialog->reject();
    });
    poll.start(50);
    QtDialogs dialogs;
    FileDialogRequest request;
    request.title = QStringLiteral("開く");
    request.filter = QStringLiteral("HTML(*.html;*.htm)|*.html;*.htm|(*.*)|*.*");
    request.directory = temp.path();
    EXPECT_EQ(dialogs.getOpenFileName(request), std::nullopt) << "cancelled";

    ASSERT_TRUE(shown.found) << "the dialog showed the folder";
    EXPECT_EQ(shown.cancel, QStringLiteral("キャンセル"));
    EXPECT_EQ(shown.headers.value(0), QStringLiteral("名前"));
    EXPECT_EQ(shown.headers.value(1), QStringLiteral("サイズ"));
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    EXPECT_EQ(shown.pageDate, japanese.toString(QFileInfo(page.fileName()).lastModified(), QLocale::ShortFormat));
    EXPECT_EQ(shown.folderDate, japanese.toString(QFileInfo(temp.filePath(QStringLiteral("images"))).lastModified(), QLocale::ShortFormat));
    EXPECT_EQ(shown.folderKind, QStringLiteral("フォルダー"));
    EXPECT_TRUE(shown.pageSize.contains(japanese.toString(2.9, 'f', 1))) << shown.pageSize.toStdString();
    for (const auto& [need, width] : shown.needAndWidth)
        EXPECT_LT(need, width) << "a column cuts its text";
}

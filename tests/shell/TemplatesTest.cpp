#include "platform/RichEdit.h"
#include "shell/Templates.h"
#include "shell/ShellControls.h"
#include "shell/ShellMenus.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace templatefile;

namespace {

const QString Two = QStringLiteral("[start template]table2\r\n<TABLE>\r\n[end template]\r\n\r\n"
                                   "[start template]table\r\n<TR>\r\n<TD>\r\n[end template]\r\n\r\n");

} // namespace

TEST(TemplateFile, ListingShowsEveryLineAndNamesTheRecords)
{
    const Listing l = readListing(QStringLiteral("note\r\n[start template]a\r\nbody\r\n[end template]\r\n\r\n[start template]\r\nx\r\n[end template]\r\n"));
    EXPECT_EQ(l.content, QStringLiteral("\r\nnote\r\n[start template]a\r\nbody\r\n[end template]\r\n\r\n[start template]\r\nx\r\n[end template]"));
    EXPECT_EQ(l.names, QStringList{QStringLiteral("a")}) << "a record without a name is kept but not listed";
    EXPECT_EQ(l.nextName, QStringLiteral("pelmorten1"));
    EXPECT_TRUE(readListing(QString()).content.isEmpty());
}

TEST(TemplateFile, NextNameIsOneMoreThanTheHighestNumberedDefault)
{
    struct Case {
        QStringList names;
        const char* next;
    };
    const Case cases[] = {
        {{}, "pelmorten1"},
        {{"pelmorten1", "pelmorten7", "memo"}, "pelmorten8"},
        {{"pelmorten12abc", "pelmorten3"}, "pelmorten13"},
        {{"pelmorten", "Pelmorten9", "xpelmorten5"}, "pelmorten1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextTemplateName(c.names), QString::fromUtf8(c.next)) << c.names.join(',').toStdString();
}

TEST(TemplateFile, SavingAppendsARecordAndAnEmptyLine)
{
    EXPECT_EQ(fileWithRecord(QString(), QStringLiteral("pelmorten1"), QStringLiteral("<P>\r\n</P>")),
              QStringLiteral("[start template]pelmorten1\r\n<P>\r\n</P>\r\n[end template]\r\n\r\n"));
    // The text before it is kept as it is; a last line without its line break gets one.
    EXPECT_EQ(fileWithRecord(QStringLiteral("memo"), QStringLiteral("b"), QStringLiteral("x")),
              QStringLiteral("memo\r\n[start template]b\r\nx\r\n[end template]\r\n\r\n"));
}

TEST(TemplateFile, DeletingRemovesExactlyTheNamedRecord)
{
    const Listing l = readListing(QStringLiteral("before\r\n") + Two);
    EXPECT_EQ(fileWithout(l.content, QStringLiteral("table")),
              QStringLiteral("[start template]table2\r\n<TABLE>\r\n[end template]\r\n\r\n"));
    EXPECT_EQ(fileWithout(l.content, QStringLiteral("table2")),
              QStringLiteral("[start template]table\r\n<TR>\r\n<TD>\r\n[end template]\r\n\r\n"));
    EXPECT_EQ(fileWithout(l.content, QStringLiteral("tab")), std::nullopt);
    // The records that stay stand back to back.
    const Listing three = readListing(Two + QStringLiteral("[start template]c\r\nC\r\n[end template]\r\n\r\n"));
    EXPECT_EQ(fileWithout(three.content, QStringLiteral("table2")),
              QStringLiteral("[start template]table\r\n<TR>\r\n<TD>\r\n[end template]\r\n[start template]c\r\nC\r\n[end template]\r\n\r\n"));
}

TEST(TemplateFile, BodyRangeRunsFromTheHeadersLineBreakToTheEndLinesLineBreak)
{
    const QString content = readListing(Two).content;
    const auto r = bodyRange(content, QStringLiteral("table"));
    ASSERT_TRUE(r);
    EXPECT_EQ(content.mid(r->start, r->length), QStringLiteral("\r\n<TR>\r\n<TD>\r\n"));
    // A name that is the start of an earlier name is not taken for it.
    const auto r2 = bodyRange(content, QStringLiteral("table2"));
    ASSERT_TRUE(r2);
    EXPECT_EQ(content.mid(r2->start, r2->length), QStringLiteral("\r\n<TABLE>\r\n"));
    EXPECT_EQ(bodyRange(content, QStringLiteral("nothing")), std::nullopt);
}

TEST(TemplateFile, NamesThatTheRecordsCannotHoldAreRefused)
{
    EXPECT_TRUE(nameProblem(QStringLiteral("ふつうの名前")).isEmpty());
    EXPECT_FALSE(nameProblem(QStringLiteral("a[end template]")).isEmpty());
    EXPECT_FALSE(nameProblem(QStringLiteral("[start template]x")).isEmpty());
    EXPECT_FALSE(nameProblem(QStringLiteral("two\nlines")).isEmpty());
}

class TemplatesTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    QString file() { return QString::fromUtf8(readFile(path(QStringLiteral("pelmor.ten")))); }
    QLineEdit* name() { return w().controls.get<QLineEdit>(template_panel::NameBox); }
    QListWidget* list() { return w().controls.get<QListWidget>(template_panel::NameList); }
    QPlainTextEdit* content() { return w().controls.get<QPlainTextEdit>(template_panel::ContentBox); }
    QWidget* panel() { return w().controls.get<QWidget>(template_panel::Panel); }
    void press(ExecuteButton button) { w().dispatcher.press(button); }
};

TEST_F(TemplatesTest, TheFileMenuOpensThePanelInEitherMode)
{
    start();
    EXPECT_TRUE(w().commands.action(file_menu::SaveTemplate)->isEnabled());
    w().commands.invoke(file_menu::SaveTemplate);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(qobject_cast<QGroupBox*>(panel())->title(), QStringLiteral("テンプレートの保存"));
    EXPECT_EQ(w().controls.get<QLabel>(template_panel::Title)->text(), QStringLiteral("テンプレートを保存しよう"));
    EXPECT_FALSE(w().controls.get<QWidget>(executeButton(ExecuteButton::SaveTemplate))->isHidden());
    EXPECT_FALSE(w().controls.get<QWidget>(executeButton(ExecuteButton::DeleteTemplate))->isHidden());
    EXPECT_TRUE(w().controls.get<QWidget>(executeButton(ExecuteButton::PasteTemplate))->isHidden());
    EXPECT_EQ(name()->text(), QStringLiteral("pelmorten1"));
    w().commands.invoke(file_menu::InsertTemplate);
    EXPECT_EQ(qobject_cast<QGroupBox*>(panel())->title(), QStringLiteral("テンプレートの挿入"));
    EXPECT_TRUE(w().controls.get<QPlainTextEdit>(template_panel::Explanation)->toPlainText().startsWith(
        QStringLiteral("テンプレートを挿入したい場所にカーソルをセットします。")));
    EXPECT_TRUE(w().controls.get<QWidget>(executeButton(ExecuteButton::SaveTemplate))->isHidden());
    EXPECT_FALSE(w().controls.get<QWidget>(executeButton(ExecuteButton::PasteTemplate))->isHidden());
    press(ExecuteButton::TemplatePanelCloseBox);
    EXPECT_TRUE(panel()->isHidden());
}

TEST_F(TemplatesTest, SavingTwiceUnderTheOfferedNamesWritesTheFileByteForByte)
{
    start();
    ed()->setText(QStringLiteral("<P>一つ目</P>\r\n<P>二つ目</P>\r\n<P>三つ目</P>"));
    w().templates.showPanel(Templates::PanelMode::Save);
    press(ExecuteButton::SaveTemplate);
    EXPECT_EQ(name()->text(), QStringLiteral("pelmorten2"));
    // With a selection of two lines, exactly those lines.
    ed()->select(0, static_cast<int>(QStringLiteral("<P>一つ目</P>\r\n<P>二つ目</P>").size()));
    press(ExecuteButton::SaveTemplate);
    const QByteArray expected = QStringLiteral("[start template]pelmorten1\r\n<P>一つ目</P>\r\n<P>二つ目</P>\r\n<P>三つ目</P>\r\n[end template]\r\n\r\n"
                                               "[start template]pelmorten2\r\n<P>一つ目</P>\r\n<P>二つ目</P>\r\n[end template]\r\n\r\n")
                                    .toUtf8();
    EXPECT_EQ(readFile(path(QStringLiteral("pelmor.ten"))), expected);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_TRUE(panel()->isVisible()) << "the panel stays open";

    // The same name again, a name the file cannot hold and a blank document: nothing written.
    name()->setText(QStringLiteral("pelmorten1"));
    dialogs.expectMsg(QStringLiteral("同じ名前があります名前を変えてください。"));
    press(ExecuteButton::SaveTemplate);
    name()->setText(QStringLiteral("x[end template]"));
    dialogs.expectMsg(QStringLiteral("テンプレート名に"));
    press(ExecuteButton::SaveTemplate);
    name()->setText(QStringLiteral("blank"));
    ed()->setText(QStringLiteral("  "));
    press(ExecuteButton::SaveTemplate);
    EXPECT_EQ(readFile(path(QStringLiteral("pelmor.ten"))), expected);
}

TEST_F(TemplatesTest, DeletingRewritesTheOtherRecordsBackToBack)
{
    writeFile(path(QStringLiteral("pelmor.ten")), Two.toUtf8());
    start();
    w().templates.showPanel(Templates::PanelMode::Save);
    ASSERT_EQ(list()->count(), 2);
    name()->setText(QStringLiteral("table"));
    press(ExecuteButton::DeleteTemplate);
    EXPECT_EQ(file(), QStringLiteral("[start template]table2\r\n<TABLE>\r\n[end template]\r\n\r\n"));
    EXPECT_EQ(list()->count(), 1);
    name()->setText(QStringLiteral("table"));
    dialogs.expectMsg(QStringLiteral("削除するテンプレートがありません。"));
    press(ExecuteButton::DeleteTemplate);
    EXPECT_EQ(file(), QStringLiteral("[start template]table2\r\n<TABLE>\r\n[end template]\r\n\r\n"));
}

TEST_F(TemplatesTest, ChoosingAndPastingATemplateInsertsItsBodyAndOneUndoTakesItBack)
{
    writeFile(path(QStringLiteral("pelmor.ten")), Two.toUtf8());
    start();
    ed()->setText(QStringLiteral("ab"));
    ed()->setSelectionStart(1);
    w().templates.showPanel(Templates::PanelMode::Insert);
    // Nothing chosen: nothing happens.
    press(ExecuteButton::PasteTemplate);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
    list()->setCurrentRow(1);
    EXPECT_EQ(name()->text(), QStringLiteral("table"));
    EXPECT_EQ(content()->textCursor().selectedText(), QStringLiteral("\u2029<TR>\u2029<TD>\u2029"));
    press(ExecuteButton::PasteTemplate);
    EXPECT_EQ(ed()->text(), QStringLiteral("a\r\n<TR>\r\n<TD>\r\nb"));
    EXPECT_EQ(ed()->selectionLength(), 0);
    EXPECT_TRUE(panel()->isHidden());
    w().undo.stepBack();
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
}

TEST_F(TemplatesTest, AFileThatCannotBeReadOrWrittenIsReportedAndKept)
{
    // A folder in the file's place can be neither read nor replaced.
    QDir().mkpath(path(QStringLiteral("pelmor.ten")));
    start();
    dialogs.expectMsg(QStringLiteral("テンプレートのファイルが読めません。"));
    w().templates.showPanel(Templates::PanelMode::Save);
    EXPECT_EQ(list()->count(), 0);
    ed()->setText(QStringLiteral("<P>"));
    dialogs.expectMsg(QStringLiteral("テンプレートのファイルが読めません。"));
    press(ExecuteButton::SaveTemplate);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("pelmor.ten"))).isDir());

    // A file that can be read but not replaced: the message, and the old file stays.
    QDir().rmdir(path(QStringLiteral("pelmor.ten")));
    writeFile(path(QStringLiteral("pelmor.ten")), Two.toUtf8());
    w().templates.showPanel(Templates::PanelMode::Save);
    QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool guarded = !QFile(programFolder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (guarded) {
        dialogs.expectMsg(QStringLiteral("テンプレートのファイルに書き込めませんでした。"));
        press(ExecuteButton::SaveTemplate);
        name()->setText(QStringLiteral("table"));
        dialogs.expectMsg(QStringLiteral("テンプレートのファイルに書き込めませんでした。"));
        press(ExecuteButton::DeleteTemplate);
    }
    QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::remove(programFolder + QStringLiteral("/probe"));
    EXPECT_EQ(file(), Two);
}

#include "platform/RichEdit.h"
#include "editor/EditorControls.h"
#include "shell/ShellControls.h"
#include "support/AppFixture.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/Dispatcher.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/MiniPanel.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/MiniPanelControls.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

enum class Kind {
    Close,     // hides its own panel
    None,      // no branch: only the undo state changes
    Execute,   // runs its panel's generator
    Own,       // a branch of this subsystem with checks of its own below
    Foreign,   // another subsystem's button: only the frame is checked while it has no branch
};

struct Row {
    Kind kind;
    // The panel a close button hides.
    ControlId panel = {};
};

// Every execute button by its number: what its press does.
std::map<int, Row> table()
{
    std::map<int, Row> t;
    const auto close = [&](ControlId panel, std::initializer_list<int> buttons) {
        for (int b : buttons)
            t[b] = {Kind::Close, panel};
    };
    close(link_panel::Panel, {1, 2});
    close(rule_panel::Panel, {5, 6});
    close(list_panel::Panel, {4, 9});
    close(image_panel::Panel, {10, 12});
    close(marquee_panel::Panel, {13, 15});
    close(table_panel::Panel, {16, 18});
    close(mail_form_panel::Panel, {19, 20});
    close(background_sound_panel::Panel, {22, 24});
    close(movie_panel::Panel, {26, 27});
    close(background_image_panel::Panel, {28, 30});
    close(font_panel::Panel, {31, 33});
    close(doctype_panel::Panel, {34, 35});
    close(font_size_panel::Panel, {38, 39});
    close(font_colour_panel::Panel, {41, 42});
    close(emphasis_panel::Panel, {43, 44});
    close(strong_panel::Panel, {47, 48});
    close(font_shape_panel::Panel, {50, 51});
    close(indent_panel::Panel, {54});
    close(space_panel::Panel, {55, 56});
    close(title_panel::Panel, {58, 59});
    close(heading_panel::Panel, {62, 63});
    close(body_colours_panel::Panel, {64, 65});
    close(margins_panel::Panel, {67, 69});
    close(comment_panel::Panel, {71, 72});
    close(paragraph_panel::Panel, {73, 75});
    close(position_panel::Panel, {76, 78});
    close(preformatted_panel::Panel, {94, 96});
    close(page_jump_panel::Panel, {98, 99});
    close(line_length_panel::Panel, {104, 106});
    close(document_info_panel::Panel, {108, 111});
    close(rename_panel::Panel, {112, 113});
    close(template_panel::Panel, {116, 117});
    for (int b : {0, 7, 8, 11, 14, 17, 21, 23, 25, 29, 32, 36, 37, 40, 45, 46, 49, 57, 60, 61, 66, 68, 70, 74, 77, 95, 97, 110})
        t[b] = {Kind::Execute};
    for (int b : {105, 120, 121, 123})
        t[b] = {Kind::None};
    for (int b : {3, 53, 114, 115, 118, 119})
        t[b] = {Kind::Own};
    // The search, replace and grammar panels (79 to 87, 122), the favourites, link list and
    // help pane (88 to 93, 100 to 103, 126, 144), automatic creation's settings (107, 109) and
    // the stylesheet tools (52, 124 to 143).
    for (int b : {52, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 100, 101, 102, 103, 107, 109, 122})
        t[b] = {Kind::Foreign};
    for (int b = 124; b <= 144; ++b)
        t[b] = {Kind::Foreign};
    return t;
}

} // namespace

class DispatcherTableTest : public AppFixture {
protected:
    RichEdit* ed() { return w().ws.currentEditor(); }
    const QString& newestSnapshot() { return w().ws.current().undoRing[static_cast<size_t>(w().ws.current().undoPosition)].text; }
    // Typing leaves something for the editor's own undo, and a text the ring does not hold yet.
    QString typeSomething()
    {
        ed()->setFocus();
        ed()->setSelectionStart(ed()->textLength());
        QTest::keyClicks(ed(), QStringLiteral("x"));
        EXPECT_TRUE(ed()->canUndo());
        return ed()->text();
    }
};

TEST_F(DispatcherTableTest, EveryIndexTakesItsSnapshotRunsItsBranchAndEmptiesTheEditorsUndo)
{
    start();
    const std::map<int, Row> rows = table();
    ASSERT_EQ(rows.size(), 145u) << "every index has its row";
    for (const auto& [index, row] : rows) {
        SCOPED_TRACE(index);
        const auto button = static_cast<ExecuteButton>(index);
        Dispatcher& d = w().dispatcher;
        if (row.kind == Kind::Foreign && d.hasBranch(button))
            continue; // its owner's tests press it
        if (row.kind == Kind::Own)
            continue; // below
        if (row.kind == Kind::Execute) {
            // Each generator has its own table of cases, pressed through this button.
            EXPECT_TRUE(d.hasBranch(button));
            continue;
        }
        QWidget* panel = row.kind != Kind::Close ? nullptr : w().controls.get<QWidget>(row.panel);
        if (panel)
            panel->show();
        const QString typed = typeSomething();
        d.press(button);
        EXPECT_EQ(newestSnapshot(), typed) << "the snapshot comes first";
        EXPECT_FALSE(ed()->canUndo());
        switch (row.kind) {
        case Kind::Close:
            EXPECT_TRUE(panel->isHidden());
            EXPECT_EQ(ed()->text(), typed);
            break;
        case Kind::None:
        case Kind::Foreign:
            EXPECT_FALSE(d.hasBranch(button));
            EXPECT_EQ(ed()->text(), typed);
            break;
        case Kind::Execute:
        case Kind::Own:
            break;
        }
    }
}

TEST_F(DispatcherTableTest, LinkTargetWithoutASelectionLeavesAtOnce)
{
    start();
    ed()->setText(QStringLiteral("abc"));
    w().controls.get<QWidget>(mini_panel::Panel)->show();
    typeSomething();
    dialogs.expectMsg(QStringLiteral("クリックをする文字や画像を選択してください。"));
    w().dispatcher.press(ExecuteButton::ChooseLinkTarget);
    EXPECT_EQ(dialogs.fileRequests().size(), 0u) << "no dialog opens";
    EXPECT_TRUE(ed()->canUndo()) << "it leaves before the undo buffer is emptied";
    EXPECT_EQ(newestSnapshot(), QStringLiteral("abcx"));
    EXPECT_FALSE(w().controls.get<HolderPanel>(mini_panel::Panel)->shownByProgram());
}

TEST_F(DispatcherTableTest, LinkTargetChoosesAFileAndInsertsTheLinkAtOnce)
{
    start();
    ed()->setText(QStringLiteral("abc"));
    int linkPresses = 0;
    if (!w().dispatcher.hasBranch(ExecuteButton::InsertLink))
        w().dispatcher.setAction(ExecuteButton::InsertLink, [&] { ++linkPresses; });
    // Cancelled: nothing changes and the undo buffer is kept.
    ed()->setFocus();
    ed()->select(0, 3);
    dialogs.expectOpen(std::nullopt);
    w().dispatcher.press(ExecuteButton::ChooseLinkTarget);
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, QStringLiteral("リンク先の設定"));
    EXPECT_EQ(dialogs.fileRequests()[0].filter, QStringLiteral("すべてのファイル (*.*)|*.*|"));
    EXPECT_TRUE(w().controls.get<QLineEdit>(link_panel::TargetBox)->text().isEmpty());

    ed()->select(0, 3);
    dialogs.expectOpen(temp.path() + QStringLiteral("/page.html"));
    w().dispatcher.press(ExecuteButton::ChooseLinkTarget);
    EXPECT_EQ(w().controls.get<QLineEdit>(link_panel::TargetBox)->text(), temp.path() + QStringLiteral("/page.html"));
    EXPECT_FALSE(ed()->canUndo());
    if (linkPresses == 0)
        EXPECT_NE(ed()->text(), QStringLiteral("abc")) << "the link is inserted";
    else
        EXPECT_EQ(linkPresses, 1);
}

TEST_F(DispatcherTableTest, LineLengthCloseStoresTheSettingAndTheCloseBoxDoesNot)
{
    start();
    auto* box = w().controls.get<QLineEdit>(indent_panel::LineLengthBox);
    QWidget* panel = w().controls.get<QWidget>(indent_panel::Panel);
    panel->show();
    box->setText(QStringLiteral("72"));
    w().dispatcher.press(ExecuteButton::IndentPanelCloseBox);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(w().state.settings.get(setting::Indent), QStringLiteral("50"));
    panel->show();
    w().dispatcher.press(ExecuteButton::StoreIndentAndClose);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(w().state.settings.get(setting::Indent), QStringLiteral("72"));
}

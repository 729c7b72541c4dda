#include "autocreate/AutoCreateControls.h"
#include "editor/EditorControls.h"
#include "platform/RichEdit.h"
#include "wizards/EasyPanelControls.h"
#include "support/AppFixture.h"
#include "toolwindows/ColourPickerControls.h"
#include "toolwindows/ColourPickerWindow.h"
#include "wizards/MiniPanel.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"
#include "wizards/MiniPanelControls.h"
#include "wizards/PanelButtons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

class PanelControlsTest : public AppFixture {
protected:
    template <typename T>
    T* get(ControlRef id)
    {
        return w().controls.get<T>(id);
    }
    void click(ControlId id) { get<QPushButton>(id)->click(); }
};

TEST_F(PanelControlsTest, FontColourButtonEmptiesItsBoxAndTheRuleColourShowsTheMiniPanelHolder)
{
    start();
    get<QLineEdit>(font_colour_panel::ColourBox)->setText(QStringLiteral("#123456"));
    click(font_colour_panel::ColourButton);
    EXPECT_TRUE(get<QLineEdit>(font_colour_panel::ColourBox)->text().isEmpty()) << "empty even when no colour is picked";

    auto* mini = get<HolderPanel>(mini_panel::Panel);
    click(rule_panel::ColourButton);
    EXPECT_TRUE(mini->shownByProgram());
    EXPECT_FALSE(mini->isVisible()) << "the holder never shows its half-empty frame";
    mini->raise();
    mini->hide();
    EXPECT_FALSE(mini->shownByProgram());
}

TEST_F(PanelControlsTest, AColourButtonSendsThePickedColourToItsOwnBox)
{
    start();
    click(marquee_panel::BackgroundButton); // the marquee's background colour
    ColourPickerWindow& picker = w().colourPicker;
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(picker.hasRequest());
    picker.controls.get<QLineEdit>(colour_picker::ValueBox)->setText(QStringLiteral("#123456")); // the value box
    picker.insertChosenColour();
    EXPECT_EQ(get<QLineEdit>(marquee_panel::BackgroundBox)->text(), QStringLiteral("#123456"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(picker.hasRequest());
}

TEST_F(PanelControlsTest, FileButtonsFillTheirBoxesAndCancellingLeavesThem)
{
    start();
    struct Case {
        int index;
        ControlId button;
        ControlId box;
        const char* title;
        const char* filter;
    };
    const Case cases[] = {
        {0, background_sound_panel::ChooseFileButton, background_sound_panel::FileBox, "音楽ファイルの設定", "WAVファイル (*.wav)|*.wav|"},
        {1, movie_panel::ChooseFileButton, movie_panel::FileBox, "ムービーファイルの設定", "AVIファイル (*.avi)|*.avi|"},
        {2, background_image_panel::ChooseFileButton, background_image_panel::FileBox, "画像ファイルの設定", "画像ファイル (*.png *.jpg *.jpeg *.gif *.webp *.svg *.bmp)|*.png;*.jpg;*.jpeg;*.gif;*.webp;*.svg;*.bmp|すべてのファイル (*)|*"},
    };
    int inserted = 0;
    w().wizards.pickers.insertBackgroundImage = [&] { ++inserted; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const QString path = temp.path() + QStringLiteral("/file") + QString::number(c.index);
        dialogs.expectOpen(path);
        click(c.button);
        EXPECT_EQ(dialogs.fileRequests().back().title, QString::fromUtf8(c.title));
        EXPECT_EQ(dialogs.fileRequests().back().filter, QString::fromUtf8(c.filter));
        EXPECT_EQ(get<QLineEdit>(c.box)->text(), path);
        dialogs.expectOpen(std::nullopt);
        click(c.button);
        EXPECT_EQ(get<QLineEdit>(c.box)->text(), path);
    }
    EXPECT_EQ(inserted, 1) << "choosing the background image inserts it; cancelling does not";
}

TEST_F(PanelControlsTest, FontButtonsAddAndRemoveFontNames)
{
    start();
    auto* list = get<QListWidget>(font_panel::FontList);
    FontChoice chosen;
    chosen.name = QStringLiteral("IPAGothic");
    dialogs.expectFont(chosen);
    click(font_panel::AddFontButton);
    EXPECT_TRUE(dialogs.lastFontFixedPitch);
    dialogs.expectFont(chosen);
    click(font_panel::AddFontButton);
    dialogs.expectFont(std::nullopt);
    click(font_panel::AddFontButton);
    ASSERT_EQ(list->count(), 2) << "the same name twice; cancelled adds nothing";
    list->clearSelection();
    click(font_panel::RemoveFontButton);
    EXPECT_EQ(list->count(), 2) << "nothing selected, nothing removed";
    list->setCurrentRow(1);
    click(font_panel::RemoveFontButton);
    EXPECT_EQ(list->count(), 1);
}

TEST_F(PanelControlsTest, FontSizeSpinnerFollowsTheSizeKind)
{
    start();
    auto* spinner = get<QScrollBar>(font_size_panel::SizeSpinner);
    auto* size = get<QLineEdit>(font_size_panel::SizeBox);
    get<QRadioButton>(ControlRef(font_size_panel::Kind, 1))->setChecked(true);
    EXPECT_EQ(spinner->minimum(), -6);
    EXPECT_EQ(spinner->maximum(), 6);
    spinner->setValue(2);
    EXPECT_EQ(size->text(), QStringLiteral("+2"));
    spinner->setValue(-3);
    EXPECT_EQ(size->text(), QStringLiteral("-3"));
    get<QRadioButton>(ControlRef(font_size_panel::Kind, 0))->setChecked(true);
    EXPECT_EQ(spinner->minimum(), 1);
    EXPECT_EQ(spinner->maximum(), 7);
    spinner->setValue(5);
    EXPECT_EQ(size->text(), QStringLiteral("5"));
}

TEST_F(PanelControlsTest, HeadingSpinnerWritesTheLevel)
{
    start();
    get<QScrollBar>(heading_panel::LevelSpinner)->setValue(5);
    EXPECT_EQ(get<QLineEdit>(heading_panel::LevelBox)->text(), QStringLiteral("5"));
}

TEST_F(PanelControlsTest, SubscriptChoiceIsShownExactlyWhileItsBoxIsTicked)
{
    start();
    QWidget* scriptGroup = get<QWidget>(font_shape_panel::ScriptGroup);
    get<QCheckBox>(font_shape_panel::ScriptCheck)->setChecked(true);
    EXPECT_FALSE(scriptGroup->isHidden());
    get<QCheckBox>(font_shape_panel::BoldCheck)->setChecked(true);
    EXPECT_FALSE(scriptGroup->isHidden()) << "another box leaves it as it is";
    get<QCheckBox>(font_shape_panel::ScriptCheck)->setChecked(false);
    EXPECT_TRUE(scriptGroup->isHidden());
    get<QCheckBox>(font_shape_panel::ItalicCheck)->setChecked(true);
    EXPECT_TRUE(scriptGroup->isHidden());
}

TEST_F(PanelControlsTest, SplitDirectionRenamesTheFramesWhateverWasTyped)
{
    start();
    get<QLineEdit>(frames_wizard::FirstNameBox)->setText(QStringLiteral("typed"));
    get<QLineEdit>(frames_wizard::TargetBox)->setText(QStringLiteral("typed"));
    get<QRadioButton>(ControlRef(frames_wizard::Split, 1))->setChecked(true);
    EXPECT_EQ(get<QLineEdit>(frames_wizard::FirstNameBox)->text(), QStringLiteral("top"));
    EXPECT_EQ(get<QLineEdit>(frames_wizard::SecondNameBox)->text(), QStringLiteral("down"));
    EXPECT_EQ(get<QLineEdit>(frames_wizard::TargetBox)->text(), QStringLiteral("down"));
    get<QRadioButton>(ControlRef(frames_wizard::Split, 0))->setChecked(true);
    EXPECT_EQ(get<QLineEdit>(frames_wizard::FirstNameBox)->text(), QStringLiteral("left"));
    EXPECT_EQ(get<QLineEdit>(frames_wizard::SecondNameBox)->text(), QStringLiteral("right"));
    EXPECT_EQ(get<QLineEdit>(frames_wizard::TargetBox)->text(), QStringLiteral("right"));
}

TEST_F(PanelControlsTest, FramesWizardOptionsHideAutomaticCreationsHeadingSettings)
{
    start();
    auto* headings = w().controls.get<QWidget>(auto_settings::NavigationGroup);
    // The first frame's "Yes", the second frame's "No", the first border's "Yes", all borders' "Yes".
    const ControlRef options[] = {ControlRef(frames_wizard::FirstScrolling, 0), ControlRef(frames_wizard::SecondScrolling, 1),
                                  ControlRef(frames_wizard::FirstFixed, 0), ControlRef(frames_wizard::AllFixed, 0)};
    for (ControlRef option : options) {
        headings->show();
        get<QRadioButton>(option)->setChecked(true);
        EXPECT_TRUE(headings->isHidden()) << option.key << "(" << option.index << ")";
    }
}

TEST_F(PanelControlsTest, JumpEndChoosesWhichNameBoxIsEnabled)
{
    start();
    get<QRadioButton>(page_jump_panel::TargetOption)->setChecked(true);
    EXPECT_FALSE(get<QWidget>(page_jump_panel::SourceNameBox)->isEnabled());
    EXPECT_TRUE(get<QWidget>(page_jump_panel::TargetNameBox)->isEnabled());
    get<QRadioButton>(page_jump_panel::SourceOption)->setChecked(true);
    EXPECT_TRUE(get<QWidget>(page_jump_panel::SourceNameBox)->isEnabled());
    EXPECT_FALSE(get<QWidget>(page_jump_panel::TargetNameBox)->isEnabled());
}

TEST_F(PanelControlsTest, MiniPanelRunsTheGeneratorOfItsModeAndItsCloseBoxRestartsTheSearch)
{
    start();
    MiniPanel& mini = w().wizards.mini;
    std::vector<int> ran;
    mini.setGenerator(0, [&] { ran.push_back(0); });
    mini.setGenerator(31, {});
    EXPECT_EQ(mini.mode, 0);
    click(mini_panel::RunButton);
    EXPECT_EQ(ran, std::vector<int>{0});
    w().commands.invoke(advanced_menu::MakeFrames); // the frames wizard
    click(mini_panel::RunButton);
    EXPECT_EQ(ran, std::vector<int>{0}) << "mode 31 does nothing";

    // Its colour buttons act only in modes 4 and 8; here they ask for no colour.
    click(mini_panel::FirstColourButton);
    click(mini_panel::SecondColourButton);
    mini.mode = 4;
    dialogs.expectColour(QColor(0x12, 0x34, 0x56));
    click(mini_panel::FirstColourButton);
    EXPECT_EQ(get<QLineEdit>(mini_panel::FirstColourBox)->text(), QStringLiteral("#123456"));
    dialogs.expectColour(std::nullopt);
    click(mini_panel::SecondColourButton);
    EXPECT_TRUE(get<QLineEdit>(mini_panel::SecondColourBox)->text().isEmpty());

    QSignalSpy closed(&mini, &MiniPanel::closed);
    get<QWidget>(mini_panel::Panel)->show();
    click(mini_panel::CloseBox);
    EXPECT_FALSE(get<HolderPanel>(mini_panel::Panel)->shownByProgram());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(PanelControlsTest, MiniPanelBlinkAndSearchModes)
{
    start();
    MiniPanel& mini = w().wizards.mini;
    RichEdit* ed = w().ws.currentEditor();

    ed->setText(QStringLiteral("abc"));
    ed->select(1, 1);
    get<QWidget>(mini_panel::Panel)->show();
    mini.mode = 21;
    click(mini_panel::RunButton);
    EXPECT_EQ(ed->text(), QStringLiteral("a <BLINK>b</BLINK> c"));
    EXPECT_FALSE(get<HolderPanel>(mini_panel::Panel)->shownByProgram());

    // Mode 30 is the search panel's one-at-a-time search.
    ed->setText(QStringLiteral("ab 検索 cd 検索"));
    ed->setSelectionStart(0);
    w().controls.get<QLineEdit>(search_panel::Word)->setText(QStringLiteral("検索"));
    mini.mode = 30;
    click(mini_panel::RunButton);
    EXPECT_EQ(ed->selectionStart(), 3);
    EXPECT_EQ(ed->selectionLength(), 2);
    click(mini_panel::RunButton);
    EXPECT_EQ(ed->selectionStart(), 9);
}

// The list offered for the line length box, with stand-ins for the controls.
TEST(LineLengthChoices, TheChosenEntryFillsTheLineLengthBox)
{
    ControlRegistry controls;
    takeChosenLineLength(controls);

    QWidget host;
    auto* lengths = new QListWidget(&host);
    auto* length = new QLineEdit(&host);
    controls.add(indent_panel::LineLengthChoices, lengths);
    controls.add(indent_panel::LineLengthBox, length);
    lengths->addItems({QStringLiteral("40"), QStringLiteral("60")});
    takeChosenLineLength(controls);
    EXPECT_TRUE(length->text().isEmpty()) << "no entry chosen";
    lengths->setCurrentRow(1);
    takeChosenLineLength(controls);
    EXPECT_EQ(length->text(), QStringLiteral("60"));
    EXPECT_TRUE(lengths->isHidden());
}

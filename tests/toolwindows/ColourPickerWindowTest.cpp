#include "ToolWindowFixture.h"

#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "autocreate/AutoCreateControls.h"
#include "toolwindows/ColourPickerControls.h"
#include "toolwindows/ColourPickerWindow.h"
#include "toolwindows/MouseRelay.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

constexpr int NoIndex = ControlRegistry::NoIndex;

// Thirteen colours: the eleventh starts the second row; one name is 11 characters long.
const QString ColourNames = QStringLiteral(
    "色の名前,コード,赤,緑,青\n"
    "navy,000080,0,0,128\n"
    "Red,FF0000,255,0,0\n"
    "lime,00FF00,0,255,0\n"
    "blue,0000FF,0,0,255\n"
    "lightyellow,FFFFE0,255,255,224\n"
    "darkorange,FF8C00,255,140,0\n"
    "gold,FFD700,255,215,0\n"
    "teal,008080,0,128,128\n"
    "white,FFFFFF,255,255,255\n"
    "black,000000,0,0,0\n"
    "tomato,FF6347,255,99,71\n"
    "indigo,4B0082,75,0,130\n"
    "salmon,FA8072,250,128,114\n");

class ColourPickerWindowTest : public ToolWindowTest {
protected:
    MainWindow& startWithColours()
    {
        writeResource(QStringLiteral("color.txt"), ColourNames);
        copyResource(QStringLiteral("color2.txt"));
        return start();
    }
    ColourPickerWindow& picker() { return w().colourPicker; }
    template <typename T = QLineEdit>
    T* pc(ControlId id)
    {
        return picker().controls.get<T>(id);
    }
    template <typename T = QLineEdit>
    T* pc(ControlArrayId id, int index)
    {
        return picker().controls.get<T>(id, index);
    }
    template <typename T = QLineEdit>
    T* pc(ControlInArray control)
    {
        return picker().controls.get<T>(control);
    }
    QString value() { return pc(colour_picker::ValueBox)->text(); }
    // A panel's colour button, which asks the picker for its box's colour.
    void clickColourButton(ControlId button) { w().controls.get<QPushButton>(button)->click(); }
    QString name() { return pc(colour_picker::NameBox)->text(); }
};

} // namespace

TEST_F(ColourPickerWindowTest, EveryColourButtonDeliversIntoItsOwnBoxOnly)
{
    startWithColours();
    struct Case {
        ControlId button;
        ControlId target;
        std::vector<ControlId> emptied;
    };
    // The table's single border colour and its light and dark pair exclude each other.
    const std::vector<Case> cases = {
        {marquee_panel::BackgroundButton, marquee_panel::BackgroundBox, {}},
        {rule_panel::ColourButton, rule_panel::ColourBox, {}},
        {table_panel::CellBackgroundButton, table_panel::CellBackgroundBox, {}},
        {table_panel::BorderColourButton, table_panel::BorderColourBox, {table_panel::LightColourBox, table_panel::DarkColourBox}},
        {table_panel::LightColourButton, table_panel::LightColourBox, {table_panel::BorderColourBox}},
        {table_panel::DarkColourButton, table_panel::DarkColourBox, {table_panel::BorderColourBox}},
        {frames_wizard::BorderColourButton, frames_wizard::BorderColourBox, {}},
        {font_colour_panel::ColourButton, font_colour_panel::ColourBox, {}},
        {body_colours_panel::TextColourButton, body_colours_panel::TextColourBox, {}},
        {body_colours_panel::BackgroundButton, body_colours_panel::BackgroundBox, {}},
        {auto_settings::HeadingColourButton, auto_settings::HeadingColourBox, {}},
        {auto_settings::BodyTextColourButton, auto_settings::BodyTextColourBox, {}},
        {auto_settings::BodyBackgroundButton, auto_settings::BodyBackgroundBox, {}},
        {auto_settings::NavigationBackgroundButton, auto_settings::NavigationBackgroundBox, {}},
        {auto_settings::RuleColourButton, auto_settings::RuleColourBox, {}},
    };
    std::vector<ControlId> boxes;
    for (const Case& c : cases)
        boxes.push_back(c.target);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.button.key);
        for (ControlId id : boxes)
            setBoxText(box(id), QStringLiteral("old"));
        w().controls.get<QPushButton>(c.button)->click();
        ASSERT_TRUE(picker().isVisible());
        EXPECT_TRUE(picker().hasRequest());
        picker().chooseNamesMode();
        picker().chooseNamedColour(1);
        picker().insertNamedColour(1);
        for (ControlId id : boxes) {
            const QString now = boxText(box(id));
            if (id == c.target)
                EXPECT_EQ(now, QStringLiteral("#FF0000")) << id.key;
            else if (std::find(c.emptied.begin(), c.emptied.end(), id) != c.emptied.end())
                EXPECT_EQ(now, QString()) << id.key;
            else
                EXPECT_EQ(now, QStringLiteral("old")) << id.key;
        }
        EXPECT_FALSE(picker().hasRequest());
        EXPECT_FALSE(picker().isVisible());
        EXPECT_TRUE(pc<QRadioButton>(colour_picker::BasicMode)->isChecked());
        EXPECT_FALSE(pc<QGroupBox>(colour_picker::BasicFrame)->isHidden());
        EXPECT_TRUE(pc<QGroupBox>(colour_picker::NamesFrame)->isHidden());
    }
}

TEST_F(ColourPickerWindowTest, WithoutARequestTheColourGoesIntoTheEditorsSelection)
{
    startWithColours();
    RichEdit* ed = w().ws.currentEditor();
    ed->setText(QStringLiteral("abc def"));
    ed->select(4, 3);
    w().colourPicker.showPicker();
    EXPECT_FALSE(picker().hasRequest());
    picker().insertBasicColour(5);
    EXPECT_TRUE(ed->text().contains(QStringLiteral("#ffff00"))) << ed->text().toStdString();
    EXPECT_FALSE(picker().isVisible());
}

TEST_F(ColourPickerWindowTest, ARequestGetsTheChosenTextAndBothBoxes)
{
    startWithColours();
    std::vector<PickedColour> delivered;
    const auto request = [&] {
        ColourRequest r;
        r.deliver = [&](const PickedColour& colour) { delivered.push_back(colour); };
        picker().pickColour(std::move(r));
    };

    // The name box counts only for what is chosen: the request gets both boxes.
    request();
    picker().composeFromSliders(0);
    picker().controls.get<QScrollBar>(colour_picker::ChannelSlider, 1)->setValue(16);
    picker().insertChosenColour();
    request();
    picker().chooseNamesMode();
    picker().chooseNamedColour(0);
    pc<QCheckBox>(colour_picker::InsertByName)->setChecked(true);
    picker().insertChosenColour();
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0].chosen, QStringLiteral("#001000"));
    EXPECT_EQ(delivered[0].value, QStringLiteral("#001000"));
    EXPECT_EQ(delivered[0].name, QString());
    EXPECT_EQ(delivered[1].chosen, QStringLiteral("navy"));
    EXPECT_EQ(delivered[1].value, QStringLiteral("#000080"));
    EXPECT_EQ(delivered[1].name, QStringLiteral("navy"));
    EXPECT_FALSE(picker().hasRequest());
    EXPECT_FALSE(picker().isVisible());
}

TEST_F(ColourPickerWindowTest, NameOrValueIsDeliveredAsTheCheckBoxSays)
{
    startWithColours();
    QObject* target = box(font_colour_panel::ColourBox);
    struct Case {
        const char* what;
        int mode; // 1 names, 2 basic, 3 extended
        bool byName;
        const char* expected;
    } cases[] = {
        {"names, by name", 1, true, "navy"},
        {"names, by value", 1, false, "#000080"},
        {"basic, by name", 2, true, "yellow"},
        {"basic, by value", 2, false, "#ffff00"},
        {"extended hides the check box", 3, true, "#003399"},
    };
    for (const Case& c : cases) {
        clickColourButton(font_colour_panel::ColourButton);
        pc<QCheckBox>(colour_picker::InsertByName)->setChecked(c.byName);
        if (c.mode == 1) {
            pc<QRadioButton>(colour_picker::NamesMode)->setChecked(true);
            picker().chooseNamedColour(0);
            picker().insertNamedColour(0);
        } else if (c.mode == 2) {
            picker().insertBasicColour(5);
        } else {
            pc<QRadioButton>(colour_picker::ExtendedMode)->setChecked(true);
            picker().chooseExtendedColour(6 + 3); // second row, fourth column

            ASSERT_EQ(value(), QStringLiteral("#003399"));
            picker().insertChosenColour();
        }
        EXPECT_EQ(boxText(target), QLatin1String(c.expected)) << c.what;
    }
}

TEST_F(ColourPickerWindowTest, NothingToDeliverKeepsTheWindowAndItsTarget)
{
    startWithColours();
    QObject* target = box(body_colours_panel::TextColourBox);
    setBoxText(target, QStringLiteral("old"));
    clickColourButton(body_colours_panel::TextColourButton);
    picker().insertChosenColour();
    // A blank name does not count, even with insertion by name.
    pc<QCheckBox>(colour_picker::InsertByName)->setChecked(true);
    pc(colour_picker::NameBox)->setText(QStringLiteral("  "));
    picker().insertChosenColour();
    EXPECT_TRUE(picker().isVisible());
    EXPECT_TRUE(picker().hasRequest());
    EXPECT_EQ(boxText(target), QStringLiteral("old"));
}

TEST_F(ColourPickerWindowTest, ClosingKeepsTheTargetForTheNextOpening)
{
    startWithColours();
    QObject* target = box(auto_settings::BodyBackgroundBox);
    clickColourButton(auto_settings::BodyBackgroundButton);
    pc<QRadioButton>(colour_picker::ExtendedMode)->setChecked(true);
    picker().closeWindow();
    EXPECT_FALSE(picker().isVisible());
    EXPECT_TRUE(pc<QRadioButton>(colour_picker::BasicMode)->isChecked());
    EXPECT_TRUE(picker().hasRequest());

    // The title bar's close box delivers nothing either.
    w().colourPicker.showPicker();
    EXPECT_TRUE(picker().isVisible());
    picker().close();
    EXPECT_FALSE(picker().isVisible());
    EXPECT_TRUE(picker().hasRequest());

    // The toolbar's colour command writes no target: the colour goes to the wizard's box.
    w().colourPicker.showPicker();
    picker().insertBasicColour(0);
    EXPECT_EQ(boxText(target), QStringLiteral("#000080"));
    EXPECT_FALSE(picker().hasRequest());
}

TEST_F(ColourPickerWindowTest, NamesModeShowsASwatchPerRecord)
{
    startWithColours();
    w().colourPicker.showPicker();
    picker().chooseNamesMode();
    EXPECT_EQ(picker().controls.indexes(colour_picker::NameSwatch).size(), 13u);
    QLineEdit* navy = pc(colour_picker::NameSwatch, 0);
    EXPECT_EQ(navy->text(), QStringLiteral("navy"));
    EXPECT_EQ(backColour(navy), QColor(0, 0, 128));
    // The column is 900 twips or what the widest name needs in its size; the first swatch grew
    // by 4 x 3 once filled, and the rows and columns step by its size, every swatch as large.
    const int column = twips::Width(navy) - 4;
    EXPECT_GE(column, 900);
    EXPECT_EQ(twips::Height(navy), 353);
    QLineEdit* eleventh = pc(colour_picker::NameSwatch, 10);
    EXPECT_EQ(twips::Left(eleventh), 0);
    EXPECT_EQ(twips::Top(eleventh), 353);
    EXPECT_EQ(twips::Width(eleventh), column + 4);
    EXPECT_EQ(twips::Left(pc(colour_picker::NameSwatch, 3)), 3 * (column + 4));
    EXPECT_EQ(pc(colour_picker::NameSwatch, 4)->font().pointSize(), 8); // lightyellow, 11 characters
    EXPECT_EQ(pc(colour_picker::NameSwatch, 5)->font().pointSize(), 9); // darkorange, 10 characters
    // 11 columns less a half less 500, or the ten columns when they need more; 200 around.
    // The frame: 11 columns less a half less 500, or more to hold the swatches; 200 around.
    const QWidget* frame = pc<QWidget>(colour_picker::NamesFrame);
    EXPECT_GE(twips::Width(frame), 11 * column - column / 2 - 500);
    EXPECT_EQ(twips::WindowWidth(&picker()), twips::Width(frame) + 200);
    EXPECT_EQ(twips::WindowHeight(&picker()), 825 + 4900 + 800) << "two rows need no more than fourteen";

    picker().chooseNamedColour(1);
    EXPECT_EQ(value(), QStringLiteral("#FF0000"));
    EXPECT_EQ(name(), QStringLiteral("Red"));
    picker().chooseNamedColour(0);
    EXPECT_EQ(value(), QStringLiteral("#000080"));
    EXPECT_EQ(backColour(pc(colour_picker::NameBox)), QColor(0, 0, 128));

    // Entering the mode again reads nothing and makes nothing; the first swatch is laid out anew.
    writeResource(QStringLiteral("color.txt"), QStringLiteral("h,h,h,h,h\nonly,000000,0,0,0\n"));
    picker().chooseBasicMode();
    picker().chooseNamesMode();
    EXPECT_EQ(picker().controls.indexes(colour_picker::NameSwatch).size(), 13u);
    EXPECT_EQ(twips::Width(navy), column);
    EXPECT_EQ(navy->text(), QStringLiteral("navy"));
}

TEST_F(ColourPickerWindowTest, DamagedOrMissingColourNamesShowWhatWasRead)
{
    struct Case {
        const char* what;
        std::optional<QString> file;
        bool message;
        QStringList swatches;
        int records;
    } cases[] = {
        {"missing file", std::nullopt, true, {QString()}, 0},
        {"heading only", QStringLiteral("見出し,x,x,x,x\n"), false, {QStringLiteral("見出し")}, 0},
        {"a short line after two colours",
         QStringLiteral("h,h,h,h,h\nnavy,000080,0,0,128\nred,FF0000,255,0,0\nbroken,00FF00,0\nblue,0000FF,0,0,255\n"), true,
         {QStringLiteral("navy"), QStringLiteral("red")}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path(QStringLiteral("resource/color.txt")));
        if (c.file)
            writeResource(QStringLiteral("color.txt"), *c.file);
        start();
        if (c.message)
            dialogs.expectMsg(QStringLiteral("color.txtが読めません"));
        picker().chooseNamesMode();
        EXPECT_EQ(dialogs.pending(), 0);
        QStringList shown;
        for (int i : picker().controls.indexes(colour_picker::NameSwatch))
            shown.append(pc(colour_picker::NameSwatch, i)->text());
        EXPECT_EQ(shown, c.swatches);
        // A swatch without a colour record shows nothing in the boxes.
        picker().chooseNamedColour(c.records);
        EXPECT_EQ(value(), QString());
        stop();
    }
}

TEST_F(ColourPickerWindowTest, BasicColoursSlidersAndTheColourDialogAgree)
{
    startWithColours();
    w().colourPicker.showPicker();
    EXPECT_EQ(twips::WindowWidth(&picker()), 6200);
    EXPECT_EQ(twips::WindowHeight(&picker()), 960 + 4290 + 800);
    EXPECT_EQ(picker().controls.indexes(colour_picker::BasicSwatch).size(), 16u);
    EXPECT_EQ(pc(colour_picker::BasicSwatch, 0)->text(), QStringLiteral("000080 navy"));
    EXPECT_EQ(backColour(pc(colour_picker::BasicSwatch, 10)), QColor(192, 192, 192));
    EXPECT_EQ(twips::Top(pc(colour_picker::BasicSwatch, 15)), 200 + 250 * 15);

    picker().chooseBasicColour(2);
    EXPECT_EQ(value(), QStringLiteral("#00ffff"));
    EXPECT_EQ(name(), QStringLiteral("aqua"));

    auto slider = [&](int i) { return picker().controls.get<QScrollBar>(colour_picker::ChannelSlider, i); };
    slider(0)->setValue(5);
    slider(2)->setValue(255);
    EXPECT_EQ(pc(colour_picker::ComposedBox)->text(), QStringLiteral("#0500FF"));
    EXPECT_EQ(value(), QStringLiteral("#0500FF"));
    EXPECT_EQ(pc(colour_picker::ChannelBox, 0)->text(), QStringLiteral(" 5"));
    EXPECT_EQ(pc(colour_picker::ChannelBox, 1)->text(), QStringLiteral("0"));
    EXPECT_EQ(pc(colour_picker::ChannelBox, 2)->text(), QStringLiteral(" 255"));
    EXPECT_EQ(backColour(pc(colour_picker::ChannelBox, 0)), QColor(5, 0, 0));
    EXPECT_EQ(backColour(pc(colour_picker::ComposedBox)), QColor(5, 0, 255));
    EXPECT_EQ(foreColour(pc<QLabel>(colour_picker::ComposedLabel)), QColor(5, 0, 255));
    EXPECT_EQ(name(), QString());
    EXPECT_EQ(backColour(pc(colour_picker::NameBox)), QColor(255, 255, 255));

    // A cancelled dialog changes nothing; a chosen colour moves the sliders.
    dialogs.expectColour(std::nullopt);
    picker().chooseSystemColour();
    EXPECT_EQ(value(), QStringLiteral("#0500FF"));
    EXPECT_EQ(slider(0)->value(), 5);
    dialogs.expectColour(QColor(0x12, 0x34, 0x56));
    picker().chooseSystemColour();
    EXPECT_EQ(slider(0)->value(), 0x12);
    EXPECT_EQ(slider(1)->value(), 0x34);
    EXPECT_EQ(slider(2)->value(), 0x56);
    EXPECT_EQ(value(), QStringLiteral("#123456"));

    // A double click on the composed colour delivers it; the mode comes back as it was.
    QObject* target = box(body_colours_panel::BackgroundBox);
    clickColourButton(body_colours_panel::BackgroundButton);
    picker().insertComposedColour();
    EXPECT_EQ(boxText(target), QStringLiteral("#123456"));
    w().colourPicker.showPicker();
    EXPECT_EQ(picker().controls.indexes(colour_picker::BasicSwatch).size(), 16u);
    EXPECT_EQ(slider(1)->value(), 0x34);
}

TEST_F(ColourPickerWindowTest, ExtendedPaletteAndTheMixingPalette)
{
    startWithColours();
    w().colourPicker.showPicker();
    picker().chooseBasicColour(0);
    pc<QRadioButton>(colour_picker::ExtendedMode)->setChecked(true);
    EXPECT_EQ(value(), QStringLiteral("#000000"));
    EXPECT_EQ(name(), QString());
    EXPECT_TRUE(pc<QCheckBox>(colour_picker::InsertByName)->isHidden());
    EXPECT_FALSE(pc<QFrame>(colour_picker::MixingPalette)->isHidden());
    EXPECT_EQ(twips::WindowWidth(&picker()), 10700);
    EXPECT_EQ(twips::WindowHeight(&picker()), 825 + 7500 + 900);

    // 216 palette swatches, six a row, then seven graded columns of 33.
    ASSERT_EQ(picker().controls.indexes(colour_picker::ExtendedSwatch).size(), 216u + 7 * 33);
    QLineEdit* seventh = pc(colour_picker::ExtendedSwatch, 6);
    EXPECT_EQ(twips::Left(seventh), 50);
    EXPECT_EQ(twips::Top(seventh), 300);
    QLineEdit* greyStep1 = pc(colour_picker::ExtendedSwatch, 216 + 1);
    EXPECT_EQ(greyStep1->text(), QStringLiteral("#080808"));
    EXPECT_EQ(backColour(greyStep1), QColor(8, 8, 8));
    EXPECT_EQ(twips::Left(greyStep1), 4850);
    QLineEdit* redStep32 = pc(colour_picker::ExtendedSwatch, 216 + 33 + 32);
    EXPECT_EQ(redStep32->text(), QStringLiteral("#FF0000"));
    EXPECT_EQ(twips::Top(redStep32), 6500);

    auto swatch = [&](const QString& text) {
        for (int k : picker().controls.indexes(colour_picker::ExtendedSwatch))
            if (pc(colour_picker::ExtendedSwatch, k)->text() == text)
                return pc(colour_picker::ExtendedSwatch, k);
        ADD_FAILURE() << "no swatch " << text.toStdString();
        return static_cast<QLineEdit*>(nullptr);
    };
    QFrame* shape = pc<QFrame>(colour_picker::MixedColour);
    picker().dropOnMixingPalette(swatch(QStringLiteral("#800000")));
    picker().dropOnMixingPalette(swatch(QStringLiteral("#900000")));
    EXPECT_EQ(value(), QStringLiteral("#FF0000"));
    EXPECT_EQ(backColour(shape), QColor(255, 0, 0));
    // Reaching white clears the mix; the value box keeps what it showed.
    picker().dropOnMixingPalette(swatch(QStringLiteral("#00FFFF")));
    EXPECT_FALSE(picker().mix().hasColour);
    EXPECT_EQ(backColour(shape), QColor(255, 255, 255));
    EXPECT_EQ(value(), QStringLiteral("#FF0000"));
    // A white swatch clears at once.
    picker().dropOnMixingPalette(swatch(QStringLiteral("#336699")));
    picker().dropOnMixingPalette(swatch(QStringLiteral("#FFFFFF")));
    EXPECT_FALSE(picker().mix().hasColour);
    EXPECT_EQ(value(), QStringLiteral("#336699"));
    // The mix survives a change of mode; CL clears it.
    picker().dropOnMixingPalette(swatch(QStringLiteral("#003300")));
    picker().chooseBasicMode();
    picker().chooseExtendedMode();
    EXPECT_TRUE(picker().mix().hasColour);
    picker().clearMixingPalette();
    EXPECT_FALSE(picker().mix().hasColour);
    EXPECT_EQ(backColour(shape), QColor(255, 255, 255));
    EXPECT_EQ(picker().controls.indexes(colour_picker::ExtendedSwatch).size(), 216u + 7 * 33);
}

TEST_F(ColourPickerWindowTest, DamagedPaletteShowsTheRowsBeforeTheFault)
{
    writeResource(QStringLiteral("color2.txt"),
                  QStringLiteral("000000 111111 222222 333333 444444 555555 \n666666 777777 8888 999999 AAAAAA BBBBBB \n"));
    start();
    dialogs.expectMsg(QStringLiteral("color2.txtが読めません"));
    picker().chooseExtendedMode();
    EXPECT_EQ(picker().controls.indexes(colour_picker::ExtendedSwatch).size(), 6u);
    EXPECT_EQ(pc(colour_picker::ExtendedSwatch, 5)->text(), QStringLiteral("#555555"));
    EXPECT_EQ(value(), QStringLiteral("#000000"));

    // A missing file: the message, and the mode still switches.
    stop();
    QFile::remove(path(QStringLiteral("resource/color2.txt")));
    start();
    dialogs.expectMsg(QStringLiteral("color2.txtが読めません"));
    picker().chooseExtendedMode();
    EXPECT_EQ(picker().controls.indexes(colour_picker::ExtendedSwatch).size(), 1u);
    EXPECT_EQ(value(), QStringLiteral("#000000"));
}

TEST_F(ColourPickerWindowTest, ExplanationPageOpensFromTheMenuAndCloses)
{
    startWithColours();
    picker().showExplanation();
    QLabel* label = pc<QLabel>(colour_picker::ExplanationText);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("色の説明とパレットの使い方。\r\n")));
    EXPECT_TRUE(label->text().contains(QStringLiteral("０から２５５までの２５６段階")));
    EXPECT_TRUE(label->text().contains(QStringLiteral("256X256X256=16777216色")));
    EXPECT_TRUE(label->text().contains(QStringLiteral("\r\nただし設定は")));
    QGroupBox* frame = pc<QGroupBox>(colour_picker::ExplanationFrame);
    EXPECT_FALSE(frame->isHidden());
    EXPECT_EQ(twips::Width(frame), 5955);
    picker().hideExplanation();
    EXPECT_TRUE(frame->isHidden());
}

TEST_F(ColourPickerWindowTest, MouseClicksReachTheSwatchHandlers)
{
    startWithColours();
    QObject* target = box(auto_settings::HeadingColourBox);
    clickColourButton(auto_settings::HeadingColourButton);
    QLineEdit* aqua = pc(colour_picker::BasicSwatch, 2);
    QTest::mouseClick(aqua, Qt::LeftButton);
    EXPECT_EQ(value(), QStringLiteral("#00ffff"));
    // A right click is no click.
    QTest::mouseClick(pc(colour_picker::BasicSwatch, 3), Qt::RightButton);
    EXPECT_EQ(value(), QStringLiteral("#00ffff"));
    EXPECT_TRUE(picker().isVisible());

    QTest::mouseDClick(pc(colour_picker::BasicSwatch, 4), Qt::LeftButton);
    EXPECT_EQ(boxText(target), QStringLiteral("#00ff00"));
    EXPECT_FALSE(picker().isVisible());
}

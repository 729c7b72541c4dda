#include "ToolWindowFixture.h"

#include "toolwindows/ColourPickerControls.h"
#include "toolwindows/ColourPickerWindow.h"
#include "toolwindows/TagDictionaryWindow.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// With PELMOR_SHOT_DIR set, each window is also saved there as a PNG, to be looked at.
void saveShot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("PELMOR_SHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// Every shown control of an array has its middle inside its frame, and the frame lies in the
// window, so that no swatch is lost off an edge.
void expectInside(const ColourPickerWindow& picker, ControlArrayId array, ControlId frameId)
{
    const auto* frame = picker.controls.get<QGroupBox>(frameId);
    const QRect window = picker.rect();
    EXPECT_TRUE(window.contains(QRect(frame->mapTo(&picker, QPoint(0, 0)), frame->size()))) << frameId.key;
    for (int i : picker.controls.indexes(array)) {
        const auto* swatch = picker.controls.get<QLineEdit>(array, i);
        EXPECT_TRUE(frame->rect().contains(swatch->geometry().center())) << array.key << i;
    }
}

// The room a line edit gives its text, as the style draws the box.
QSize textRoom(const QLineEdit* box)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.rect = box->rect();
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box).marginsRemoved(box->textMargins());
    // The box's own margin around its text.
    return r.adjusted(2, 1, -2, -1).size();
}

void expectTextFits(const QLineEdit* box, const std::string& what)
{
    const QSize room = textRoom(box);
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), room.width()) << what << " \"" << box->text().toStdString() << "\"";
    EXPECT_LE(box->fontMetrics().height(), room.height()) << what << " \"" << box->text().toStdString() << "\"";
}

QRect inWindow(const QWidget* w, const QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

} // namespace

class ToolWindowLayout : public ToolWindowTest {};

TEST_F(ToolWindowLayout, EverySwatchOfEveryModeIsInsideTheWindow)
{
    // The shipped colour names, or a file as long as the names frame holds: fourteen rows of ten.
    if (QFile::exists(QDir::cleanPath(QStringLiteral(PELMOR_FIXTURES "/../../../resource/color.txt")))) {
        copyResource(QStringLiteral("color.txt"));
    } else {
        QString names = QStringLiteral("名前,コード,赤,緑,青\n");
        for (int i = 0; i < 140; ++i) {
            const int r = (i * 37) % 256, g = (i * 91) % 256, b = (i * 53) % 256;
            names += QStringLiteral("colour%1,%2%3%4,%5,%6,%7\n")
                         .arg(i)
                         .arg(r, 2, 16, QLatin1Char('0'))
                         .arg(g, 2, 16, QLatin1Char('0'))
                         .arg(b, 2, 16, QLatin1Char('0'))
                         .arg(r)
                         .arg(g)
                         .arg(b);
        }
        writeResource(QStringLiteral("color.txt"), names);
    }
    copyResource(QStringLiteral("color2.txt"));
    copyResource(QStringLiteral("tag.txt"));
    start();
    ColourPickerWindow& picker = w().colourPicker;
    w().colourPicker.showPicker();
    picker.chooseBasicColour(3);
    expectInside(picker, colour_picker::BasicSwatch, colour_picker::BasicFrame);
    saveShot(&picker, QStringLiteral("colour-basic"));

    picker.chooseNamesMode();
    picker.chooseNamedColour(12);
    expectInside(picker, colour_picker::NameSwatch, colour_picker::NamesFrame);
    saveShot(&picker, QStringLiteral("colour-names"));

    picker.chooseExtendedMode();
    expectInside(picker, colour_picker::ExtendedSwatch, colour_picker::ExtendedFrame);
    saveShot(&picker, QStringLiteral("colour-extended"));

    picker.chooseBasicMode();
    picker.showExplanation();
    saveShot(&picker, QStringLiteral("colour-explanation"));

    w().tagDictionary.showDictionary();
    w().tagDictionary.showExplanation(7);
    saveShot(&w().tagDictionary, QStringLiteral("tag-dictionary"));
}

TEST_F(ToolWindowLayout, EveryNameAndValueIsWholeInItsBoxAndNoBoxCoversItsNeighbour)
{
    copyResource(QStringLiteral("color.txt"));
    copyResource(QStringLiteral("color2.txt"));
    copyResource(QStringLiteral("tag.txt"));
    start();
    ColourPickerWindow& picker = w().colourPicker;
    w().colourPicker.showPicker();

    // The channel boxes at their widest values, beside their sliders, in their frame.
    for (int i = 0; i < 3; ++i)
        picker.controls.get<QScrollBar>(colour_picker::ChannelSlider, i)->setValue(255);
    const auto* sliders = picker.controls.get<QWidget>(colour_picker::SliderFrame);
    for (int i = 0; i < 4; ++i) {
        const auto* box = picker.controls.get<QLineEdit>(colour_picker::ChannelBox, i);
        expectTextFits(box, "Text7(" + std::to_string(i) + ")");
        EXPECT_TRUE(sliders->rect().contains(box->geometry())) << i;
        if (i < 3) {
            const auto* slider = picker.controls.get<QWidget>(colour_picker::ChannelSlider, i);
            EXPECT_FALSE(box->geometry().intersects(slider->geometry())) << "slider " << i << " covers its box";
            EXPECT_TRUE(sliders->rect().contains(slider->geometry())) << i;
        }
    }
    EXPECT_FALSE(picker.controls.get<QWidget>(colour_picker::ComposedBox)->geometry().intersects(
        picker.controls.get<QWidget>(colour_picker::SystemColourButton)->geometry()));

    // Every colour name whole in its swatch, ten to a row, none over the next, all in the frame.
    picker.chooseNamesMode();
    const auto* names = picker.controls.get<QWidget>(colour_picker::NamesFrame);
    EXPECT_TRUE(picker.rect().contains(inWindow(names, &picker)));
    EXPECT_TRUE(picker.screen()->availableGeometry().contains(picker.frameGeometry())) << "the wider window stays on the screen";
    const std::vector<int> swatches = picker.controls.indexes(colour_picker::NameSwatch);
    ASSERT_GT(swatches.size(), 100u);
    for (int i : swatches) {
        const auto* swatch = picker.controls.get<QLineEdit>(colour_picker::NameSwatch, i);
        expectTextFits(swatch, "Text1(" + std::to_string(i) + ")");
        EXPECT_TRUE(names->rect().contains(swatch->geometry())) << swatch->text().toStdString();
        if (i % 10 != 9 && picker.controls.has(colour_picker::NameSwatch, i + 1)) {
            const auto* next = picker.controls.get<QWidget>(colour_picker::NameSwatch, i + 1);
            EXPECT_FALSE(swatch->geometry().intersects(next->geometry())) << swatch->text().toStdString();
            EXPECT_EQ(swatch->y(), next->y());
        }
    }

    // The tag dictionary's five columns keep clear of its grid's frame on both sides, as far
    // from the right edge as the first column is from the left.
    w().tagDictionary.showDictionary();
    TagDictionaryWindow& tags = w().tagDictionary;
    const auto* grid = tags.controls.get<QWidget>(tag_dictionary::Grid);
    const int margin = tags.controls.get<QWidget>(tag_dictionary::TagLabel, 0)->x();
    const QRect inside = grid->rect().adjusted(margin, 0, -margin, 0);
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
        const auto* tag = tags.controls.get<QWidget>(tag_dictionary::TagLabel, i);
        EXPECT_TRUE(inside.contains(tag->geometry())) << "column " << i % 5 + 1 << " runs into the frame";
    }
}

#include "ToolWindowFixture.h"

#include "toolwindows/FomColor.h"
#include "toolwindows/Fomtag.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

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
void expectInside(const FomColor& picker, const QString& array, const QString& frameName)
{
    const auto* frame = picker.controls.get<QGroupBox>(frameName);
    const QRect window = picker.rect();
    EXPECT_TRUE(window.contains(QRect(frame->mapTo(&picker, QPoint(0, 0)), frame->size()))) << frameName.toStdString();
    for (int i : picker.controls.indexes(array)) {
        const auto* swatch = picker.controls.get<QLineEdit>(array, i);
        EXPECT_TRUE(frame->rect().contains(swatch->geometry().center())) << array.toStdString() << i;
    }
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
    FomColor& picker = w().colorPicker;
    w().procs.call(QStringLiteral("ShowColorForm"));
    picker.Text6_Click(3);
    expectInside(picker, QStringLiteral("Text6"), QStringLiteral("Frame6"));
    saveShot(&picker, QStringLiteral("colour-basic"));

    picker.Option1_Click();
    picker.Text1_Click(12);
    expectInside(picker, QStringLiteral("Text1"), QStringLiteral("Frame1"));
    saveShot(&picker, QStringLiteral("colour-names"));

    picker.Option3_Click();
    expectInside(picker, QStringLiteral("Text5"), QStringLiteral("Frame5"));
    saveShot(&picker, QStringLiteral("colour-extended"));

    picker.Option2_Click();
    picker.msetumei_Click();
    saveShot(&picker, QStringLiteral("colour-explanation"));

    w().procs.call(QStringLiteral("ShowTagDictionary"));
    w().tagDictionary.Lbltag_Click(7);
    saveShot(&w().tagDictionary, QStringLiteral("tag-dictionary"));
}

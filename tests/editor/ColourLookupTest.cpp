#include "EditingFixture.h"
#include "editor/EditorMenus.h"

#include "editor/EditApply.h"
#include "platform/RichEdit.h"

#include <QFile>

class ColourLookupTest : public EditingFixture {
protected:
    void getcolor(const QString& colour) { w().colourLookup.applyPickedColour(colour); }
};

TEST_F(ColourLookupTest, APickedColourReplacesACodeOrANameAndWrapsAnythingElse)
{
    copyResource(QStringLiteral("color.txt"));
    struct Case {
        const char* before;
        const char* colour;
        const char* after;
        QList<MarkRange> red;
    } cases[] = {
        {"color=«#ff0000»>", "#00FF00", "color=#00FF00«»>", {}},
        {"color=«#zzzzzz»>", "red", "color=red«»>", {}}, // any seven characters from "#"
        {"color=« DarkRed »>", "#8B0000", "color=#8B0000«»>", {}},
        {"color=«aliceblue»>", "#F0F8FF", "color=#F0F8FF«»>", {}},
        {"a «語» b", "#123456", "a  <FONT color=\"#123456\">«»語 </FONT>  b", {{2, 23}, {26, 9}}},
        // A selection ending in a line break: the line break stays outside the tags, whole.
        {"«語\r\n»x", "red", " <FONT color=\"red\">«»語 </FONT> \r\nx", {{0, 19}, {20, 9}}},
        // The heading's first field is no colour name.
        {"«色名»", "red", " <FONT color=\"red\">«»色名 </FONT> ", {{0, 19}, {21, 9}}},
        // Nor is an empty selection.
        {"ab«»", "red", "ab <FONT color=\"red\">«» </FONT> ", {{2, 28}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        setDocument(c.before);
        getcolor(QString::fromUtf8(c.colour));
        EXPECT_EQ(marked(ed()), QString::fromUtf8(c.after));
        EXPECT_EQ(red(), c.red);
    }
    // One undo step takes a colour back.
    w().commands.invoke(edit_menu::Undo);
    EXPECT_EQ(ed()->text(), QStringLiteral("ab"));
}

TEST_F(ColourLookupTest, TheColourFileIsReadOnceAndWholeAndItsDamageToldOnce)
{
    // More records than the old table held, one damaged line among them.
    QByteArray file = "name,code,r,g,b\r\n";
    for (int i = 0; i < 200; ++i)
        file += QByteArray("colour") + QByteArray::number(i) + ",000000,0,0,0\r\n";
    file += "broken line\r\n";
    writeFile(path(QStringLiteral("resource/color.txt")), file);

    setDocument("«Colour199»");
    dialogs.expectMsg(QStringLiteral("color.txtの202行目が読めません。"));
    getcolor(QStringLiteral("#000000"));
    EXPECT_EQ(ed()->text(), QStringLiteral("#000000"));

    // A change to the file takes effect at the next start only; no second message.
    QFile::remove(path(QStringLiteral("resource/color.txt")));
    setDocument("«colour5»");
    getcolor(QStringLiteral("#111111"));
    EXPECT_EQ(ed()->text(), QStringLiteral("#111111"));
}

TEST_F(ColourLookupTest, AMissingColourFileIsToldOnceAndCodesStillWork)
{
    setDocument("«#abcdef»");
    dialogs.expectMsg(QStringLiteral("color.txtが読めません"));
    getcolor(QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ed()->text(), QStringLiteral("#FFFFFF"));
    setDocument("«red»");
    getcolor(QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ed()->text(), QStringLiteral(" <FONT color=\"#FFFFFF\">red </FONT> "));
}

#include "editor/ColourLookup.h"
#include "editor/EditorMenus.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "toolwindows/TagDictionaryWindow.h"

#include <QLabel>
#include <QPalette>
#include <gtest/gtest.h>

class TagLookupTest : public AppFixture {};

// The toolbar's tag button with a tag name selected finds it in the real dictionary window.
TEST_F(TagLookupTest, TheSelectedTagIsFoundAndShownInTheDictionary)
{
    useShippedResource(QStringLiteral("tag.txt"));
    MainWindow& win = start();
    RichEdit* ed = win.ws.sourceEditor(0);
    ed->setText(QStringLiteral("x <td> y"));
    ed->select(2, 4);
    win.commands.invoke(toolbar::TagDictionary);
    TagDictionaryWindow& dictionary = win.tagDictionary;
    EXPECT_TRUE(dictionary.isVisible());
    EXPECT_TRUE(dictionary.isOpen.value());
    int found = -1;
    for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
        auto* label = dictionary.controls.get<QLabel>(tag_dictionary::TagLabel, i);
        if (label->palette().color(QPalette::Window) == ColourLookup::foundLabelColour()) {
            EXPECT_EQ(found, -1) << "one label is marked";
            found = i;
        }
    }
    ASSERT_GE(found, 0);
    EXPECT_TRUE(dictionary.controls.get<QLabel>(tag_dictionary::TagLabel, found)->text().contains(QStringLiteral("TD")));
    EXPECT_EQ(dictionary.explanationText(), dictionary.explanations[static_cast<size_t>(found)]);
}

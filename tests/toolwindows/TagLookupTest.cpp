#include "editor/EditorMenus.h"
#include "platform/RichEdit.h"
#include "support/AppFixture.h"
#include "toolwindows/TagDictionaryWindow.h"

#include <QLabel>
#include <QPalette>
#include <gtest/gtest.h>

class TagLookupTest : public AppFixture {
protected:
    TagDictionaryWindow& dictionary() { return w().tagDictionary; }
    // The labels whose back colour is the look-up's mark.
    std::vector<int> markedLabels()
    {
        std::vector<int> marked;
        for (int i = 0; i <= TagDictionaryWindow::LastTagIndex; ++i) {
            auto* label = dictionary().controls.get<QLabel>(tag_dictionary::TagLabel, i);
            const QColor back = label->palette().color(QPalette::Window);
            if (back == TagDictionaryWindow::foundLabelColour())
                marked.push_back(i);
            else
                EXPECT_EQ(back, TagDictionaryWindow::plainLabelColour()) << i;
        }
        return marked;
    }
    void pressTagButtonOn(const QString& text, int selectionStart, int selectionLength)
    {
        RichEdit* ed = w().ws.sourceEditor(0);
        ed->setText(text);
        ed->select(selectionStart, selectionLength);
        w().commands.invoke(toolbar::TagDictionary);
    }
};

// The toolbar's tag button with a tag name selected finds it in the real dictionary window.
TEST_F(TagLookupTest, TheSelectedTagIsFoundAndShownInTheDictionary)
{
    useShippedResource(QStringLiteral("tag.txt"));
    start();
    pressTagButtonOn(QStringLiteral("x <td> y"), 2, 4);
    EXPECT_TRUE(dictionary().isVisible());
    EXPECT_TRUE(dictionary().isOpen.value());
    const std::vector<int> marked = markedLabels();
    ASSERT_EQ(marked.size(), 1u) << "one label is marked";
    const int found = marked.front();
    EXPECT_TRUE(dictionary().controls.get<QLabel>(tag_dictionary::TagLabel, found)->text().contains(QStringLiteral("TD")));
    EXPECT_EQ(dictionary().explanationText(), dictionary().explanations[static_cast<size_t>(found)]);

    // Another look-up marks only its own label.
    pressTagButtonOn(QStringLiteral("<table>"), 0, 7);
    const std::vector<int> again = markedLabels();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_NE(again.front(), found);
}

TEST_F(TagLookupTest, ANameNoCaptionHoldsIsToldAndWithoutASelectionTheWindowOpens)
{
    useShippedResource(QStringLiteral("tag.txt"));
    start();
    pressTagButtonOn(QStringLiteral("x <td> y"), 2, 4);
    dictionary().hide();

    // A name no caption holds: the message, no label marked, and the window stays hidden.
    dialogs.expectMsg(QStringLiteral("選択された文字はタグ辞典には登録されていません。"));
    pressTagButtonOn(QStringLiteral("<blink>"), 0, 7);
    EXPECT_TRUE(markedLabels().empty());
    EXPECT_FALSE(dictionary().isVisible());
    EXPECT_TRUE(dictionary().isOpen.value());

    // Without a selection only the window's own opening runs.
    dictionary().isOpen.set(false);
    pressTagButtonOn(QStringLiteral("ab"), 2, 0);
    EXPECT_TRUE(dictionary().isVisible());
    EXPECT_TRUE(dictionary().isOpen.value());
    EXPECT_EQ(dialogs.pending(), 0);
}

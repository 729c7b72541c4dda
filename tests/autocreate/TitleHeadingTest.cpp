#include "autocreate/TitleHeading.h"

#include "autocreate/StepCases.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace autocreate;

namespace {

TEST(GetAutoTitle, TakesTheFirstLineWhenAnEmptyLineFollows)
{
    struct Case {
        QString text;
        QString title;
    };
    const Case cases[] = {
        {"My page\r\n\r\nText", "My page"},
        {"\r\n\r\n　My page\r\n\r\n", "My page"},
        {"  \r\n My page\r\n\r\n", "My page"},
        {"<B>My page</B>\r\n\r\n", "My page"},
        {"a < b\r\n\r\n", "a "},
        {"a > b\r\n\r\n", "a  b"},
        {"My page  \r\n   \r\nText", "My page  "},
        {"My page\r\nSecond line\r\n", ""},
        {"My page", ""},
        {"My page\r\n", ""},
        {"", ""},
        {" \r\n　\r\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(getAutoTitle(c.text), c.title) << c.text.toStdString();
}

TEST(AutoHeading, WrapsTheFirstLineBetweenTwoRules)
{
    int calls = 0;
    const auto rule = [&calls] { return QStringLiteral("<HR %1>\r\n").arg(++calls); };
    const QString head = "\r\n<HR 1>\r\n\r\n<CENTER><FONT size =\"+2\">";
    const QString tail = "</FONT></CENTER>\r\n<HR 2>\r\n\r\n";
    const stepcases::TextCase cases[] = {
        {"the heading line's own line end and the body follow", "My page\r\n\r\nbody\r\n",
         head + "My page" + tail + "\r\n\r\nbody\r\n"},
        {"blank lines and blanks in front stay in front", "\r\n  My page\r\n\r\n",
         "\r\n  " + head + "My page" + tail + "\r\n\r\n"},
        {"a line of ideographic spaces is passed over like the title's blanks",
         "　\r\nMy page\r\n\r\n", "　\r\n" + head + "My page" + tail + "\r\n\r\n"},
        {"a heading that ends the text is closed at its end", "My page", head + "My page" + tail},
        {"marker-like text in the line is kept as it is", "A #HLI2 B #HLI1\r\n\r\n",
         head + "A #HLI2 B #HLI1" + tail + "\r\n\r\n"},
    };
    for (const stepcases::TextCase& c : cases) {
        calls = 0;
        EXPECT_EQ(autoHeading(c.in, rule), c.out) << c.name;
    }
    calls = 0;
    EXPECT_EQ(autoHeading(" \r\n ", rule), " \r\n ") << "nothing but blanks";
}

} // namespace

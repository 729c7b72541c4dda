#include "toolwindows/BlankWrapLabel.h"

#include "support/QtPrinters.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// Lines break at blanks only, never inside a tag at a "/" or "-" where a text layout would.
TEST(BlankWrapLabel, WrapsAtBlanksOnly)
{
    const QFontMetrics metrics{QFont()};
    const auto room = [&metrics](const char* text) { return metrics.horizontalAdvance(QString::fromUtf8(text)); };
    const struct Case {
        const char* what;
        QString text;
        int width;
        QStringList lines;
    } cases[] = {
        {"a line that fits stays whole", "<B> </B>", room("<B> </B>"), {"<B> </B>"}},
        {"the end tag goes whole to the next line, not after its \"</\"", "<FRAMESET COLS=\"30%,70%\"> </FRAMESET>",
         room("<FRAMESET COLS=\"30%,70%\"> </FR"), {"<FRAMESET COLS=\"30%,70%\">", "</FRAMESET>"}},
        {"a word wider than the room stands whole on its own line", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"\">",
         room("<META HTTP-"), {"<META", "HTTP-EQUIV=\"Content-Type\"", "CONTENT=\"\">"}},
        {"as many lines as the text needs", "<A B C>", room("<A B"), {"<A B", "C>"}},
        {"the blanks where a line breaks are left off", "<A>   </A>", room("<A>  "), {"<A>", "</A>"}},
        {"blanks in front stay, blanks behind go", "  <I>    </I>   ", room("  <I>    </I>"), {"  <I>    </I>"}},
        {"an empty text is one empty line", "", 100, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlankWrapLabel::wrapAtBlanks(c.text, metrics, c.width), c.lines) << c.what;
}

} // namespace

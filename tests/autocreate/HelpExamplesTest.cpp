// The examples that the help page on automatic creation gives, run through automatic creation,
// make what the page says they make.
#include "autocreate/GeneratorAdapters.h"

#include "platform/LineEnds.h"
#include "platform/SharedConstants.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace autocreate;

namespace {

// The texts in the PRE elements of the page's section on automatic creation, as a user types them.
QStringList helpExamples()
{
    QFile file(QStringLiteral(PELMOR_SHIPPED_RESOURCE "/pelmorindex.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString page = QString::fromUtf8(file.readAll());
    const qsizetype start = page.indexOf(QStringLiteral("<H2><A NAME=\"auto\">"));
    if (start < 0)
        return {};
    const QString section = page.mid(start, page.indexOf(QStringLiteral("<H2"), start + 1) - start);
    static const QRegularExpression pre(QStringLiteral("<PRE>(.*?)</PRE>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QStringList examples;
    for (auto it = pre.globalMatch(section); it.hasNext();) {
        QString text = it.next().captured(1);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        examples.append(toCrLf(text) + CrLf);
    }
    return examples;
}

// The example with the lines between the pseudo-tags' lines indented, in turn, with an
// ideographic space, a half-width one and both.
QString withIndentedBlockLines(const QString& example, const QString& word)
{
    static const QString indents[] = {QStringLiteral("　"), QStringLiteral(" "), QStringLiteral(" 　")};
    QStringList lines = example.split(CrLf);
    bool inside = false;
    int indented = 0;
    for (QString& line : lines) {
        if (line == QLatin1Char('<') + word + QLatin1Char('>'))
            inside = true;
        else if (line == QStringLiteral("</") + word + QLatin1Char('>'))
            inside = false;
        else if (inside)
            line.prepend(indents[indented++ % 3]);
    }
    return lines.join(CrLf);
}

AutoCreateOutcome run(const QString& text, FrameLayout frames)
{
    AutoCreateSettings settings;
    settings.frames = frames;
    return runAutoCreateSteps(text, QStringLiteral("memo.txt"), settings,
                              realGenerators(PanelInputs(), QStringLiteral("/home/user/web"),
                                             std::make_shared<GeneratorEffects>()));
}

TEST(HelpExamples, MakeWhatTheHelpPageSays)
{
    const QStringList examples = helpExamples();
    ASSERT_EQ(examples.size(), 5) << examples.join(QStringLiteral("|")).toStdString();

    // The title, two paragraph headings, a wrapped line joined and an indented one kept.
    const AutoCreateOutcome reading = run(examples[0], FrameLayout::None);
    EXPECT_EQ(reading.title, "わたしのページ");
    EXPECT_EQ(reading.headings, QStringList({"自己紹介<BR>\r\n", "好きなこと<BR>\r\n"}));
    EXPECT_TRUE(reading.page.contains(
        "\r\nわたしは山田です。毎日、犬と散歩をしています。<BR>\r\n　この行は、前の行とつながりません。<BR>\r\n"));

    const QString list = run(examples[1], FrameLayout::None).page;
    EXPECT_TRUE(list.contains("<UL>\r\n<LI type=\"circle\">おにぎり<BR>\r\n<LI type=\"circle\">ラーメン<BR>\r\n"
                              "<LI type=\"circle\">いちごのケーキ<BR>\r\n\r\n</UL>\r\n"))
        << list.toStdString();

    const QString table = run(examples[2], FrameLayout::None).page;
    EXPECT_EQ(table.count("<TR>"), 3) << table.toStdString();
    EXPECT_TRUE(table.contains("<TH  align=\"center\">曜日</TH>"));
    EXPECT_TRUE(table.contains("<TD  align=\"center\">火曜日</TD>"));

    // Blanks or none in front of the items and the rows: the same page.
    for (const auto& [example, word] : {std::pair{examples[1], QStringLiteral("項目")}, std::pair{examples[2], QStringLiteral("表")}}) {
        const QString indented = withIndentedBlockLines(example, word);
        ASSERT_NE(indented, example);
        EXPECT_EQ(run(indented, FrameLayout::None).page, run(example, FrameLayout::None).page) << indented.toStdString();
    }

    EXPECT_TRUE(run(examples[3], FrameLayout::None).page.contains("うちの猫です。<IMG src =\"neko.jpg\""));

    const AutoCreateOutcome backgrounds = run(examples[4], FrameLayout::SideBySide);
    ASSERT_TRUE(backgrounds.frames.has_value());
    EXPECT_TRUE(backgrounds.frames->body.contains("url(kabe.jpg)"));
    EXPECT_TRUE(backgrounds.frames->navigation.contains("url(sora.jpg)"));
    const QString plain = run(examples[4], FrameLayout::None).page;
    EXPECT_FALSE(plain.contains("背景") || plain.contains("url(")) << "without frames the marks only go";
}

} // namespace

#include "lesson/LessonScript.h"

#include "platform/LineEnds.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"

#include <algorithm>
#include <stdexcept>

namespace lesson {

const std::array<WordEntry, WordCount>& commandWords()
{
    static const std::array<WordEntry, WordCount> words{{
        {Word::Stop, "<STOP>", 0, 0},
        {Word::Explanation, "<解説>", 0, 0},
        {Word::Init, "<初期化>", 1, 0},
        {Word::Write, "<書き込み>", 0, 0},
        {Word::InsertTab, "<タブの挿入>", 0, 1},
        {Word::RenameTab, "<タブ名変更>", 0, 0},
        {Word::Menu, "<メニュー>", 1, 0},
        {Word::ElementKind, "<要素選択>", 1, 0},
        {Word::ElementDropDown, "<要素プルダウン>", 0, 1},
        {Word::ElementPick, "<要素プルダウン選択>", 1, 0},
        {Word::Category, "<項目選択>", 1, 0},
        {Word::Property, "<プロパティ選択>", 1, 0},
        {Word::Value, "<バリュー選択>", 1, 0},
        {Word::ColourName, "<カラーネーム>", 1, 0},
        {Word::Image, "<画像>", 1, 0},
        {Word::InsertImage, "<画像挿入>", 0, 1},
        {Word::OkClick, "<OKCLICK>", 0, 1},
        {Word::InsertStyle, "<挿入>", 0, 1},
        {Word::End, "<end>", 0, 0},
        {Word::Percent, "<%>", 1, 0},
        {Word::Point, "<pt>", 1, 0},
        {Word::Em, "<em>", 1, 0},
        {Word::TabSel, "<TABSEL>", 1, 0},
        {Word::Link, "<リンク>", 0, 1},
        {Word::SelectHtml, "<SELECTHTML>", 1, 0},
        {Word::SelectRange, "<SELFUKUSU>", 2, 0},
        {Word::ListShow, "<LISTSHOW>", 0, 1},
        {Word::BuilderOff, "<CSSSHOWOFF>", 0, 1},
        {Word::BuilderOn, "<CSSSHOWON>", 0, 1},
        {Word::ListSel, "<LISTSEL>", 1, 0},
        {Word::ClassPick, "<LIST3SEL>", 1, 0},
        {Word::StyleClear, "<CSSCLEAR>", 0, 1},
        {Word::ColourNameWide, "<COLORNAMEWIDE>", 1, 0},
        {Word::ClassName, "<CLASSNAME>", 1, 0},
        {Word::CaretToStylesheetEnd, "<CSSTEXTSELECTEND>", 0, 1},
        {Word::CloseBuilder, "<CLOSEBILDER>", 0, 0},
    }};
    return words;
}

const WordEntry& entryOf(Word word)
{
    for (const WordEntry& s : commandWords()) {
        if (s.word == word)
            return s;
    }
    throw std::logic_error("a command word without its table row");
}

QString wordText(Word word)
{
    return QString::fromUtf8(entryOf(word).text);
}

std::optional<Word> commandWord(const QString& line)
{
    if (!line.startsWith(u'<'))
        return std::nullopt;
    const QByteArray utf8 = line.toUtf8();
    for (const WordEntry& s : commandWords()) {
        if (utf8 == s.text)
            return s.word;
    }
    return std::nullopt;
}

QStringList splitScript(const QString& text)
{
    return toCrLf(text).split(CrLf);
}

QString commandAt(const QStringList& lines, int lineNo)
{
    if (lineNo < 0 || lineNo >= lines.size() || !lines.at(lineNo).contains(u'<'))
        return QString();
    return lines.at(lineNo);
}

bool isBlankLine(const QString& line)
{
    return textrules::trimBlanks(line).isEmpty();
}

bool isBreakLine(const QString& line)
{
    return textrules::trimBlanks(line).startsWith(QStringLiteral("/*"));
}

bool continuesStep(const QString& line)
{
    return textrules::trimBlanks(line) == wordText(Word::Explanation) || !line.startsWith(u'<');
}

namespace {

template <typename Takes>
Block blockFrom(const QStringList& lines, int first, Takes takes)
{
    Block block;
    int i = std::max(first, 0);
    for (; i < lines.size() && takes(lines.at(i)); ++i)
        block.text += lines.at(i) + CrLf;
    block.end = i;
    return block;
}

} // namespace

Block explanationBlock(const QStringList& lines, int first)
{
    return blockFrom(lines, first, [](const QString& line) { return !line.startsWith(u'<'); });
}

Block writeBlock(const QStringList& lines, int first)
{
    return blockFrom(lines, first, [](const QString& line) {
        return !line.startsWith(u'<') || line.startsWith(QStringLiteral("<BR>"));
    });
}

int numberOf(const QString& text)
{
    const long long n = textrules::roundHalfToEven(textrules::leadingNumber(text));
    return static_cast<int>(std::clamp<long long>(n, -32768, 32767));
}

StepResult step(const QStringList& lines, int lineNo, const std::function<Run(const Command&)>& run)
{
    const int size = static_cast<int>(lines.size());
    StepResult result;
    int pos = std::max(lineNo, 0);
    while (pos < size && isBlankLine(lines.at(pos)))
        ++pos;
    result.begin = pos;
    if (pos >= size) {
        result.next = std::max(pos, lineNo);
        return result;
    }
    const QString& first = lines.at(pos);
    if (isBreakLine(first) || commandWord(first) == Word::Stop) {
        result.kind = StepResult::Kind::Break;
        result.next = pos + 1;
        return result;
    }
    if (!first.startsWith(u'<')) {
        // Text where a command belongs runs nothing; the step goes past it.
        result.kind = StepResult::Kind::Done;
        result.next = pos + 1;
        return result;
    }

    // The command and the lines it reads; afterwards `pos` is the last line it read.
    if (const std::optional<Word> word = commandWord(commandAt(lines, pos))) {
        Command c{*word, pos, {}, {}};
        const WordEntry& s = entryOf(*word);
        int last = pos + s.arguments + s.skipped;
        if (*word == Word::Explanation) {
            c.text = explanationBlock(lines, pos + 1).text;
            last = pos + 1;
        } else if (*word == Word::Write) {
            const Block block = writeBlock(lines, pos + 1);
            c.text = block.text;
            last = block.end;
        } else if (pos + s.arguments >= size) {
            // An argument line the script does not have.
            result.kind = StepResult::Kind::Failed;
            result.next = size;
            return result;
        }
        for (int i = 1; i <= s.arguments; ++i)
            c.arguments << lines.at(pos + i);
        switch (run(c)) {
        case Run::Ok: break;
        case Run::Failed:
            result.kind = StepResult::Kind::Failed;
            result.next = std::min(last + 1, size);
            return result;
        case Run::Stopped:
            result.kind = StepResult::Kind::Stopped;
            result.next = result.begin;
            return result;
        }
        pos = last;
    }

    // The walk over the explanation and the lines that continue the step.
    for (;;) {
        ++pos;
        if (pos >= size) {
            result.kind = StepResult::Kind::PastEnd;
            result.next = size;
            return result;
        }
        if (!continuesStep(lines.at(pos)))
            break;
        if (commandWord(commandAt(lines, pos)) == Word::Explanation) {
            // An explanation shows its block; the line after "<解説>" is never run, even when it
            // is a command line.
            run(Command{Word::Explanation, pos, {}, explanationBlock(lines, pos + 1).text});
            ++pos;
        }
    }
    result.kind = StepResult::Kind::Done;
    result.next = pos;
    return result;
}

} // namespace lesson

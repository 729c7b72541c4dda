#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The lesson script resource/CSSDEMO.txt and how its lines group into steps, as functions of the
// script's lines. Lines are counted from 0. A command line is a line that is exactly one of the
// command words; "trimmed" means without leading and trailing blanks (U+0020 only).
//
//   blank line         skipped where a step begins, passed over inside a step
//   break line         trimmed, begins with "/*": a pause mark where a step begins
//   command line       runs its command, which reads the argument lines that follow it
//   "<解説>"            its text lines, up to the next line that begins with "<", are the
//                      explanation shown in the lesson window
//   "<書き込み>"        its text lines (a line that begins with "<" ends them, unless it begins with
//                      "<BR>") are written into the page; the line that ends them is consumed
//
// A step is a command with its argument lines and everything after it up to the next line that
// begins with "<" and is not "<解説>": typically an explanation.
namespace lesson {

enum class Word {
    Stop, Explanation, Init, Write, InsertTab, RenameTab, Menu, ElementKind, ElementDropDown, ElementPick,
    Category, Property, Value, ColourName, Image, InsertImage, OkClick, InsertStyle, End, Percent, Point, Em,
    TabSel, Link, SelectHtml, SelectRange, ListShow, BuilderOff, BuilderOn, ListSel, ClassPick, StyleClear,
    ColourNameWide, ClassName, CaretToStylesheetEnd, CloseBuilder,
};

// A command word as the script spells it, with the lines after it that the command reads as its
// arguments and then the lines it passes over unread. The explanation and the write block have
// blocks of their own instead.
struct WordEntry {
    Word word;
    const char* text;
    int arguments;
    int skipped;
};
inline constexpr int WordCount = 36;
const std::array<WordEntry, WordCount>& commandWords();
const WordEntry& entryOf(Word word);
QString wordText(Word word);

// The word a line is, compared exactly: a blank around it or another case makes it no command.
std::optional<Word> commandWord(const QString& line);

// The script's lines: split at every line end (CR LF, or LF alone); a text after the last line
// end is the last line, so a script that ends with a line end ends with an empty line.
QStringList splitScript(const QString& text);

// The line at lineNo when it holds a "<" anywhere, otherwise empty (also past the end).
QString commandAt(const QStringList& lines, int lineNo);

bool isBlankLine(const QString& line);
bool isBreakLine(const QString& line);
// A line that a step walks over: "<解説>" (trimmed) or any line that does not begin with "<".
bool continuesStep(const QString& line);

// The lines of a block joined, each followed by CR LF, and the index of the line that ended it
// (the number of lines when the script ended first).
struct Block {
    QString text;
    int end = 0;
};
// From `first` while a line does not begin with "<".
Block explanationBlock(const QStringList& lines, int first);
// From `first` while a line does not begin with "<" or begins with "<BR>".
Block writeBlock(const QStringList& lines, int first);

// The number a text begins with (0 when none), rounded half to even: the index of a tab, a
// document, an option button or a menu item.
int numberOf(const QString& text);

// One command of a step as its action gets it.
struct Command {
    Word word;
    int line = 0;              // the command line
    QStringList arguments;     // as written, untrimmed
    QString text;              // the explanation or the text to write, lines ending in CR LF
};

// What a command's action reports.
enum class Run {
    Ok,
    Failed,   // the step ends at once, without showing it
    Stopped,  // the lesson stops: the user kept the documents the lesson would clear
};

struct StepResult {
    enum class Kind {
        None,     // nothing was left to run: past the end, or only blank lines to the end
        Done,     // a step ran (also one whose line was no command): show it
        Break,    // a break mark: the step ends at the mark, which is passed over
        Failed,   // a command failed: the step ends there and is not shown
        PastEnd,  // the step ran to the end of the script: it was the last
        Stopped,  // a command stopped the lesson
    } kind = Kind::None;
    int begin = 0;  // the first line that is not blank
    int next = 0;   // where the next step begins; always after `begin` unless the lesson stopped
};

// Runs the step at lineNo: blank lines are skipped; the command found is handed to `run` with its
// arguments, then every "<解説>" the step walks over. A step always moves at least one line on:
// a failed command leaves its argument lines behind, a break mark or a line that is no command
// is passed over. Only a command that stops the lesson keeps the step where it began.
StepResult step(const QStringList& lines, int lineNo, const std::function<Run(const Command&)>& run);

} // namespace lesson

#include "shell/Templates.h"

#include "editor/EditorFonts.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "shell/ShellControls.h"
#include "shell/ShellMenus.h"
#include "platform/TextRules.h"
#include "wizards/Dispatcher.h"
#include "wizards/PanelForm.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace templatefile {

namespace {

const QString Pelmorten = QStringLiteral("pelmorten");

// The lines of a file: split at CR LF, LF or CR; a line break at the very end ends the last
// line and starts no new one.
QStringList lines(const QString& text)
{
    QString t = text;
    t.replace(CrLf, QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList out = t.split(QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n')))
        out.removeLast();
    if (t.isEmpty())
        out.clear();
    return out;
}

struct Record {
    QString header;
    QStringList body;
};

// The records of the content, in order; a record runs from its header line to the first line
// that is the end marker (to the end of the text when none follows).
QList<Record> records(const QString& content)
{
    QList<Record> out;
    const QStringList ls = lines(content);
    for (qsizetype i = 0; i < ls.size(); ++i) {
        if (!ls[i].startsWith(StartMarker))
            continue;
        Record r{ls[i], {}};
        qsizetype j = i + 1;
        // A record without its end line ends where the next one starts, as the list shows it.
        while (j < ls.size() && ls[j] != EndMarker && !ls[j].startsWith(StartMarker))
            r.body.append(ls[j++]);
        out.append(r);
        i = (j < ls.size() && ls[j].startsWith(StartMarker)) ? j - 1 : j;
    }
    return out;
}

} // namespace

Listing readListing(const QString& fileText)
{
    Listing l;
    for (const QString& line : lines(fileText)) {
        l.content += CrLf + line;
        if (line.startsWith(StartMarker) && line.size() > StartMarker.size())
            l.names.append(line.mid(StartMarker.size()));
    }
    l.nextName = nextTemplateName(l.names);
    return l;
}

double pelmortenNumber(const QString& name)
{
    if (!name.startsWith(Pelmorten))
        return 0;
    return textrules::leadingNumber(name.mid(Pelmorten.size()));
}

QString nextTemplateName(const QStringList& names)
{
    double highest = 0;
    for (const QString& n : names)
        highest = std::max(highest, pelmortenNumber(n));
    return Pelmorten + textrules::trimBlanks(textrules::numberWithSignSpace(highest + 1));
}

QString nameProblem(const QString& name)
{
    if (name.contains(StartMarker) || name.contains(EndMarker))
        return QStringLiteral("テンプレート名に「") + StartMarker + QStringLiteral("」や「") + EndMarker
            + QStringLiteral("」は使えません。名前を変えてください。");
    if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
        return QStringLiteral("テンプレート名に改行は使えません。名前を変えてください。");
    return QString();
}

QString appendedRecord(const QString& name, const QString& body)
{
    return StartMarker + name + CrLf + body + CrLf + EndMarker + CrLf + CrLf;
}

QString fileWithRecord(const QString& oldText, const QString& name, const QString& body)
{
    QString text = oldText;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text += CrLf;
    return text + appendedRecord(name, body);
}

std::optional<QString> fileWithout(const QString& content, const QString& name)
{
    QList<Record> rs = records(content);
    const QString header = StartMarker + name;
    const auto it = std::find_if(rs.begin(), rs.end(), [&](const Record& r) { return r.header == header; });
    if (it == rs.end())
        return std::nullopt;
    rs.erase(it);
    QString text;
    for (const Record& r : rs) {
        text += r.header + CrLf;
        for (const QString& line : r.body)
            text += line + CrLf;
        text += EndMarker + CrLf;
    }
    return text + CrLf;
}

namespace {

// The first position at or after `from` where `line` stands as a whole line of the text; -1.
qsizetype findLine(const QString& text, const QString& line, qsizetype from)
{
    while (true) {
        const qsizetype p = text.indexOf(line, from);
        if (p < 0)
            return -1;
        const qsizetype after = p + line.size();
        const bool starts = p == 0 || text[p - 1] == QLatin1Char('\n') || text[p - 1] == QLatin1Char('\r');
        const bool ends = after == text.size() || text[after] == QLatin1Char('\r') || text[after] == QLatin1Char('\n');
        if (starts && ends)
            return p;
        from = after;
    }
}

} // namespace

std::optional<Range> bodyRange(const QString& content, const QString& name)
{
    const QString header = StartMarker + name;
    const qsizetype p = findLine(content, header, 0);
    if (p < 0)
        return std::nullopt;
    const qsizetype after = p + header.size();
    const qsizetype end = findLine(content, EndMarker, after);
    if (end < 0)
        return std::nullopt;
    return Range{static_cast<int>(after), static_cast<int>(end - after)};
}

} // namespace templatefile

namespace {

const int PanelLeft = 2500;
const int PanelTop = 1500;
const int PanelWidth = 6255;
const int PanelHeight = 6345;

QString plainToCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return toCrLf(text);
}

} // namespace

Templates::Templates(Workspace& workspace, UndoRing& undoRing, EditorFonts& editorFonts, PanelKit& panels,
                     ControlRegistry& controlRegistry, Dispatcher& dispatcher)
    : ws(workspace)
    , undo(undoRing)
    , fonts(editorFonts)
    , controls(controlRegistry)
{
    build(panels);
    dispatcher.setAction(ExecuteButton::SaveTemplate, [this] { saveTemplate(); });
    dispatcher.setAction(ExecuteButton::DeleteTemplate, [this] { deleteTemplate(); });
    dispatcher.setAction(ExecuteButton::PasteTemplate, [this] { pasteTemplate(); });
    const auto closePanel = [this] { controls.get<QWidget>(template_panel::Panel)->hide(); };
    dispatcher.setAction(ExecuteButton::CloseTemplatePanel, closePanel);
    dispatcher.setAction(ExecuteButton::TemplatePanelCloseBox, closePanel);
}

void Templates::build(PanelKit& panels)
{
    using namespace template_panel;
    QGroupBox* panel = panels.addPanel(Panel, QStringLiteral("テンプレートの保存"));
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    PanelForm f(panels, panel);
    twips::SetGeometry(panels.addTitle(panel, Title, QStringLiteral("テンプレートを保存しよう")), 50, 180, PanelWidth - 100, 285);
    f.pushButton(ExecuteButton::TemplatePanelCloseBox, QStringLiteral("×"), 50 + PanelWidth - 100 - 330, 180, 330, 285);
    twips::SetGeometry(panels.addExplanation(panel, Explanation), 50, 550, PanelWidth - 100, 1300);
    f.label(QStringLiteral("テンプレート名"), 50, 1980, 1400);
    twips::SetGeometry(panels.add<QLineEdit>(panel, NameBox), 1450, 1950, 1950, 330);
    f.pushButton(ExecuteButton::SaveTemplate, QStringLiteral("保存"), 3500, 1950, 850);
    f.pushButton(ExecuteButton::PasteTemplate, QStringLiteral("貼り付け"), 3500, 1950, 850);
    f.pushButton(ExecuteButton::DeleteTemplate, QStringLiteral("削除"), 4400, 1950, 850);
    f.pushButton(ExecuteButton::CloseTemplatePanel, QStringLiteral("閉じる"), 5300, 1950, 900);
    f.label(QStringLiteral("リスト"), 50, 2380, 1900);
    f.label(QStringLiteral("テンプレートの内容"), 2050, 2380, 2500);
    auto* list = panels.add<QListWidget>(panel, NameList);
    twips::SetGeometry(list, 50, 2700, 1900, 3550);
    auto* content = panels.add<QPlainTextEdit>(panel, ContentBox);
    content->setLineWrapMode(QPlainTextEdit::NoWrap);
    twips::SetGeometry(content, 2050, 2700, PanelWidth - 2100, 3550);
    // A click, and a program that sets the list's row, as the lesson player does.
    QObject::connect(list, &QListWidget::itemClicked, list, [this, list](QListWidgetItem* item) { showChosenTemplate(list->row(item)); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) { showChosenTemplate(row); });
}

void Templates::declareCommands(CommandRegistry& commands)
{
    commands.setHandler(file_menu::SaveTemplate, [this] { showPanel(PanelMode::Save); });
    commands.setHandler(file_menu::InsertTemplate, [this] { showPanel(PanelMode::Insert); });
    commands.action(file_menu::SaveTemplate)->setEnabled(true);
    commands.action(file_menu::InsertTemplate)->setEnabled(true);
}

QString Templates::templateFilePath() const
{
    return ws.state.programFolder + QStringLiteral("/pelmor.ten");
}

std::optional<QString> Templates::readFile()
{
    const QString path = templateFilePath();
    if (!QFileInfo::exists(path))
        return QString();
    const TextReadResult r = readProgramFile(path);
    if (!r.ok) {
        ws.dlg.message(QStringLiteral("テンプレートのファイルが読めません。テンプレートは保存も削除もできません。") + CrLf + path
                      + (r.error.isEmpty() ? QString() : CrLf + r.error));
        return std::nullopt;
    }
    return r.text;
}

bool Templates::writeFile(const QString& text)
{
    const TextWriteResult r = writeProgramFile(templateFilePath(), text);
    if (!r.ok)
        ws.dlg.message(QStringLiteral("テンプレートのファイルに書き込めませんでした。テンプレートは前のままです。") + CrLf + templateFilePath()
                      + (r.error.isEmpty() ? QString() : CrLf + r.error));
    return r.ok;
}

void Templates::showPanel(PanelMode mode)
{
    const bool insert = mode == PanelMode::Insert;
    const QString saveText = QStringLiteral("よく使うパーターンをテンプレートとして保存できます。") + CrLf
        + QStringLiteral("保存したいテキストの部分をを選択して保存をクリックしてください。") + CrLf
        + QStringLiteral("テキストの部分的な選択が無い場合は現在のテキストが全て保存されます。") + CrLf
        + QStringLiteral("テンプレートを消去したい場合はリストの中から選択して、消去をクリックします。") + CrLf;
    const QString insertText = QStringLiteral("テンプレートを挿入したい場所にカーソルをセットします。") + CrLf
        + QStringLiteral("挿入したいテンプレートをリストの中から選択します。") + CrLf
        + QStringLiteral("挿入をクリックするとテンプレートが挿入されます。");
    auto* panel = controls.get<QGroupBox>(template_panel::Panel);
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    panel->show();
    panel->raise();
    loadTemplateList();
    controls.get<QWidget>(executeButton(ExecuteButton::PasteTemplate))->setVisible(insert);
    controls.get<QWidget>(executeButton(ExecuteButton::DeleteTemplate))->setVisible(!insert);
    controls.get<QWidget>(executeButton(ExecuteButton::SaveTemplate))->setVisible(!insert);
    panel->setTitle(insert ? QStringLiteral("テンプレートの挿入") : QStringLiteral("テンプレートの保存"));
    controls.get<QLabel>(template_panel::Title)
        ->setText(insert ? QStringLiteral("テンプレートを挿入しよう") : QStringLiteral("テンプレートを保存しよう"));
    controls.get<QPlainTextEdit>(template_panel::Explanation)->setPlainText(insert ? insertText : saveText);
}

void Templates::loadTemplateList()
{
    auto* list = controls.get<QListWidget>(template_panel::NameList);
    auto* content = controls.get<QPlainTextEdit>(template_panel::ContentBox);
    list->clear();
    content->clear();
    const std::optional<QString> file = readFile();
    const templatefile::Listing l = templatefile::readListing(file.value_or(QString()));
    list->addItems(l.names);
    content->setPlainText(l.content);
    controls.get<QLineEdit>(template_panel::NameBox)->setText(l.nextName);
}

void Templates::saveTemplate()
{
    const QString name = controls.get<QLineEdit>(template_panel::NameBox)->text();
    auto* list = controls.get<QListWidget>(template_panel::NameList);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == name) {
            ws.dlg.message(QStringLiteral("同じ名前があります名前を変えてください。"));
            return;
        }
    }
    const QString problem = templatefile::nameProblem(name);
    if (!problem.isEmpty()) {
        ws.dlg.message(problem);
        return;
    }
    RichEdit* ed = ws.currentEditor();
    if (textrules::trimBlanks(ed->text()).isEmpty())
        return;
    const QString body = ed->selectionLength() > 0 ? ed->selectedText() : ed->text();
    const std::optional<QString> file = readFile();
    if (!file)
        return;
    if (writeFile(templatefile::fileWithRecord(*file, name, body)))
        loadTemplateList();
}

void Templates::deleteTemplate()
{
    const QString name = controls.get<QLineEdit>(template_panel::NameBox)->text();
    const QString content = plainToCrLf(controls.get<QPlainTextEdit>(template_panel::ContentBox)->toPlainText());
    const std::optional<QString> rebuilt = templatefile::fileWithout(content, name);
    if (!rebuilt) {
        ws.dlg.message(QStringLiteral("削除するテンプレートがありません。"));
        return;
    }
    if (writeFile(*rebuilt))
        loadTemplateList();
}

void Templates::pasteTemplate()
{
    auto* content = controls.get<QPlainTextEdit>(template_panel::ContentBox);
    if (!content->textCursor().hasSelection())
        return;
    undo.takeSnapshot();
    RichEdit* ed = ws.currentEditor();
    ed->replaceSelection(plainToCrLf(content->textCursor().selectedText()));
    ed->setSelectionLength(0);
    ed->setFocus();
    fonts.reapplyColourScheme();
    controls.get<QWidget>(template_panel::Panel)->hide();
}

void Templates::showChosenTemplate(int row)
{
    auto* list = controls.get<QListWidget>(template_panel::NameList);
    if (row < 0 || row >= list->count())
        return;
    const QString name = list->item(row)->text();
    controls.get<QLineEdit>(template_panel::NameBox)->setText(name);
    auto* box = controls.get<QPlainTextEdit>(template_panel::ContentBox);
    // The box counts a line break as one character.
    const QString shown = box->toPlainText();
    const auto range = templatefile::bodyRange(toCrLf(shown), name);
    if (!range)
        return;
    const auto toBox = [&](int crlfPos) {
        const QString before = toCrLf(shown).left(crlfPos);
        return crlfPos - static_cast<int>(before.count(CrLf));
    };
    QTextCursor c = box->textCursor();
    c.setPosition(toBox(range->start));
    c.setPosition(toBox(range->start + range->length), QTextCursor::KeepAnchor);
    box->setTextCursor(c);
    box->show();
    box->raise();
    box->setFocus();
}

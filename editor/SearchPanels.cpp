#include "editor/SearchPanels.h"
#include "editor/EditorProcedures.h"

#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMessages.h"
#include "editor/EditPanels.h"
#include "editor/Insertion.h"
#include "editor/SearchReplace.h"
#include "editor/Colouring.h"
#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace {

const QString Frame = QStringLiteral("Frame");
const QString OptKensaku = QStringLiteral("OptKensaku");
constexpr int SearchFrame = 26;
constexpr int ReplaceFrame = 27;

} // namespace

SearchPanels::SearchPanels(EditContext& context, PanelKit& panelKit)
    : ctx(context)
    , panels(panelKit)
{
    buildSearchPanel();
    buildReplacePanel();
    ctx.procs.define(procedure::SearchText, [this] { SearchText(); });
}

void SearchPanels::buildSearchPanel()
{
    const QString caption = QStringLiteral("検索");
    QGroupBox* f = addEditPanel(
        panels, {SearchFrame, caption, caption, ExecuteButton::SearchPanelCloseBox, 27, 1500, 1500, 5400, 4365, 1500});
    auto* word = panels.add<QLineEdit>(f, QStringLiteral("Txtkensaku"));
    twips::SetGeometry(word, 200, 2150, 5000, 360);
    QObject::connect(word, &QLineEdit::textChanged, word, [this] { Txtkensaku_Change(); });

    addOptions(f, {{0, "一つずつ検索"}, {1, "全て検索"}}, 2650);
    option(0)->setChecked(true);
    twips::SetGeometry(panels.addExecuteButton(f, ExecuteButton::Search, QStringLiteral("実行")), 1500, 3300, 1200, 450);
    twips::SetGeometry(panels.addExecuteButton(f, ExecuteButton::CloseSearchPanel, QStringLiteral("閉じる")), 2900, 3300, 1200, 450);
}

void SearchPanels::buildReplacePanel()
{
    const QString caption = QStringLiteral("置換");
    QGroupBox* f = addEditPanel(
        panels, {ReplaceFrame, caption, caption, ExecuteButton::ReplacePanelCloseBox, 28, 1500, 1500, 5520, 5085, 1400});
    const std::pair<int, const char*> rows[] = {{13, "検索する文字"}, {14, "置換後の文字"}};
    int top = 2050;
    for (const auto& [index, caption] : rows) {
        auto* label = panels.add<QLabel>(f, QStringLiteral("Label10"), index - 9);
        label->setText(QString::fromUtf8(caption));
        twips::SetGeometry(label, 200, top, 1600, 300);
        twips::SetGeometry(panels.add<QLineEdit>(f, QStringLiteral("Text6"), index), 1850, top - 50, 3400, 360);
        top += 450;
    }

    addOptions(f, {{3, "ひとつずつ置換する"}, {2, "一斉に置換する"}}, 3000);

    // Find next and replace all share a place: only one of them is shown at a time.
    const std::tuple<ExecuteButton, const char*, int> buttons[] = {
        {ExecuteButton::FindNext, "次を探す", 200},
        {ExecuteButton::ReplaceAll, "一斉置換", 200},
        {ExecuteButton::ReplaceOne, "置換する", 1500},
        {ExecuteButton::UnusedReplaceButton, "実行", 2800},
        {ExecuteButton::CloseReplacePanel, "閉じる", 4100},
    };
    for (const auto& [button, caption, x] : buttons)
        twips::SetGeometry(panels.addExecuteButton(f, button, QString::fromUtf8(caption)), x, 3600, 1200, 450);
    option(3)->setChecked(true);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::UnusedReplaceButton))->hide();
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceAll))->hide();
}

void SearchPanels::addOptions(QWidget* panel, std::initializer_list<std::pair<int, const char*>> options, int top)
{
    auto* group = new QButtonGroup(panel);
    int left = 200;
    for (const auto& [index, caption] : options) {
        auto* o = panels.add<QRadioButton>(panel, OptKensaku, index);
        o->setText(QString::fromUtf8(caption));
        twips::SetGeometry(o, left, top, 2500, 300);
        group->addButton(o);
        QObject::connect(o, &QRadioButton::toggled, o, [this, i = index](bool on) {
            if (on)
                OptKensaku_Click(i);
        });
        left += 2600;
    }
}

QRadioButton* SearchPanels::option(int index) const
{
    return ctx.controls.get<QRadioButton>(OptKensaku, index);
}

QLineEdit* SearchPanels::box(const QString& name, int index) const
{
    return ctx.controls.get<QLineEdit>(name, index);
}

QWidget* SearchPanels::control(const QString& name, int index) const
{
    return ctx.controls.get<QWidget>(name, index);
}

void SearchPanels::ShowSearchPanel()
{
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->SelLength() != 0)
        box(QStringLiteral("Txtkensaku"))->setText(ed->SelText());
    panels.open({Frame, SearchFrame, 27, editmsg::SearchPanelExplanation, 1500, 1500, 5400, 4365});
}

void SearchPanels::ShowReplacePanel()
{
    RichEdit* ed = ctx.ws.currentEditor();
    QLineEdit* find = box(QStringLiteral("Text6"), 13);
    find->clear();
    box(QStringLiteral("Text6"), 14)->clear();
    if (ed->SelLength() != 0)
        find->setText(ed->SelText());
    option(3)->setChecked(true);
    OptKensaku_Click(3);
    panels.open({Frame, ReplaceFrame, 28, editmsg::ReplacePanelExplanation, 1500, 1500, 5520, 5085});
}

void SearchPanels::OptKensaku_Click(int index)
{
    if (index != 2 && index != 3)
        return;
    const bool all = index == 2;
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::UnusedReplaceButton))->hide();
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::FindNext))->setVisible(!all);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceOne))->setVisible(!all);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceAll))->setVisible(all);
}

void SearchPanels::Txtkensaku_Change()
{
    SearchPos = 1;
}

void SearchPanels::SearchText()
{
    const QString w = box(QStringLiteral("Txtkensaku"))->text();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    // A search may start at the very last character, so that a word there is found too.
    if (SearchPos > t.size() || SearchPos <= 0)
        SearchPos = 1;
    if (!option(0)->isChecked()) {
        control(Frame, SearchFrame)->hide();
        Searchst(w);
        return;
    }
    const SearchStep step = searchStep(t, w, SearchPos);
    if (step.found) {
        select(ed, *step.found);
        ed->setFocus();
    }
    SearchPos = step.searchPos;
}

void SearchPanels::Searchst(const QString& st)
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    const Highlight h = highlightAll(t, st);
    ed->PaintRange(0, static_cast<int>(t.size()), QColor(0, 0, 255));
    paintRanges(ed, h.occurrences, Insertion::markColour());
    select(ed, h.selection);
    ed->setFocus();
}

bool SearchPanels::FindNext()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const auto found = findNext(ed->Text(), selectionOf(ed), box(QStringLiteral("Text6"), 13)->text());
    if (!found)
        return false;
    select(ed, *found);
    return true;
}

bool SearchPanels::ReplaceOne()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->Text();
    const auto r = replaceOne(t, selectionOf(ed), box(QStringLiteral("Text6"), 13)->text(),
                              box(QStringLiteral("Text6"), 14)->text());
    if (!r)
        return false;
    applyEdit(ed, t, *r);
    return true;
}

void SearchPanels::ReplaceAll()
{
    const QString find = box(QStringLiteral("Text6"), 13)->text();
    if (find.isEmpty() || !option(2)->isChecked())
        return;
    RichEdit* ed = ctx.ws.currentEditor();
    const auto r = replaceAll(ed->Text(), selectionOf(ed), find, box(QStringLiteral("Text6"), 14)->text());
    if (!r)
        return;
    // One new text, one recolour, and the view where it was.
    const int top = ed->FirstVisibleLine();
    ed->SetText(r->text);
    ctx.colour.recolour(ed);
    select(ed, r->selection);
    ed->SetFirstVisibleLine(top);
}

std::vector<std::pair<ExecuteButton, SearchPanels::Branch>> SearchPanels::dispatcherBranches()
{
    const auto close = [this](int frame) {
        return [this, frame] {
            control(Frame, frame)->hide();
            return true;
        };
    };
    return {
        {ExecuteButton::CloseSearchPanel, close(SearchFrame)},
        {ExecuteButton::SearchPanelCloseBox, close(SearchFrame)},
        {ExecuteButton::Search, [this] {
             SearchText();
             return true;
         }},
        {ExecuteButton::FindNext, [this] { return FindNext(); }},
        {ExecuteButton::ReplaceOne, [this] { return ReplaceOne(); }},
        {ExecuteButton::ReplaceAll, [this] {
             ReplaceAll();
             control(Frame, ReplaceFrame)->hide();
             return true;
         }},
        {ExecuteButton::ReplacePanelCloseBox, close(ReplaceFrame)},
        {ExecuteButton::CloseReplacePanel, close(ReplaceFrame)},
    };
}

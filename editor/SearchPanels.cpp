#include "editor/SearchPanels.h"
#include "editor/EditorControls.h"

#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMessages.h"
#include "editor/EditPanels.h"
#include "editor/Insertion.h"
#include "editor/SearchReplace.h"
#include "editor/Colouring.h"
#include "platform/ControlRegistry.h"
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


} // namespace

SearchPanels::SearchPanels(EditContext& context, PanelKit& panelKit)
    : ctx(context)
    , panels(panelKit)
{
    buildSearchPanel();
    buildReplacePanel();
}

void SearchPanels::pressSearchButton()
{
    panels.press(ExecuteButton::Search);
}

void SearchPanels::searchEveryOccurrenceOf(const QString& word)
{
    panelBox(search_panel::Word)->setText(word);
    ctx.controls.get<QRadioButton>(search_panel::EveryOccurrence)->setChecked(true);
    searchForWord();
}

void SearchPanels::buildSearchPanel()
{
    const QString caption = QStringLiteral("検索");
    QGroupBox* f = addEditPanel(
        panels, {search_panel::Panel, search_panel::Title, search_panel::Explanation, caption, caption,
                 ExecuteButton::SearchPanelCloseBox, 1500, 1500, 5400, 4365, 1500});
    auto* word = panels.add<QLineEdit>(f, search_panel::Word);
    twips::SetGeometry(word, 200, 2150, 5000, 360);
    QObject::connect(word, &QLineEdit::textChanged, word, [this] { restartSearch(); });

    addOptions(f, {{search_panel::OneAtATime, "一つずつ検索"}, {search_panel::EveryOccurrence, "全て検索"}}, 2650);
    ctx.controls.get<QRadioButton>(search_panel::OneAtATime)->setChecked(true);
    twips::SetGeometry(panels.addExecuteButton(f, ExecuteButton::Search, QStringLiteral("実行")), 1500, 3300, 1200, 450);
    twips::SetGeometry(panels.addExecuteButton(f, ExecuteButton::CloseSearchPanel, QStringLiteral("閉じる")), 2900, 3300, 1200, 450);
}

void SearchPanels::buildReplacePanel()
{
    const QString caption = QStringLiteral("置換");
    QGroupBox* f = addEditPanel(
        panels, {replace_panel::Panel, replace_panel::Title, replace_panel::Explanation, caption, caption,
                 ExecuteButton::ReplacePanelCloseBox, 1500, 1500, 5520, 5085, 1400});
    const std::tuple<ControlId, ControlId, const char*> rows[] = {
        {replace_panel::FindLabel, replace_panel::FindBox, "検索する文字"},
        {replace_panel::ReplacementLabel, replace_panel::ReplacementBox, "置換後の文字"},
    };
    int top = 2050;
    for (const auto& [labelId, boxId, caption] : rows) {
        auto* label = panels.add<QLabel>(f, labelId);
        label->setText(QString::fromUtf8(caption));
        twips::SetGeometry(label, 200, top, 1600, 300);
        twips::SetGeometry(panels.add<QLineEdit>(f, boxId), 1850, top - 50, 3400, 360);
        top += 450;
    }

    addOptions(f, {{replace_panel::OneAtATime, "ひとつずつ置換する"}, {replace_panel::AllAtOnce, "一斉に置換する"}}, 3000);
    for (const auto& [id, allAtOnce] : {std::pair{replace_panel::OneAtATime, false}, std::pair{replace_panel::AllAtOnce, true}})
        QObject::connect(ctx.controls.get<QRadioButton>(id), &QRadioButton::toggled, f, [this, all = allAtOnce](bool on) {
            if (on)
                chooseReplaceWay(all);
        });

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
    ctx.controls.get<QRadioButton>(replace_panel::OneAtATime)->setChecked(true);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::UnusedReplaceButton))->hide();
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceAll))->hide();
}

void SearchPanels::addOptions(QWidget* panel, std::initializer_list<std::pair<ControlId, const char*>> options, int top)
{
    auto* group = new QButtonGroup(panel);
    int left = 200;
    for (const auto& [id, caption] : options) {
        auto* o = panels.add<QRadioButton>(panel, id);
        o->setText(QString::fromUtf8(caption));
        twips::SetGeometry(o, left, top, 2500, 300);
        group->addButton(o);
        left += 2600;
    }
}

QLineEdit* SearchPanels::panelBox(ControlId id) const
{
    return ctx.controls.get<QLineEdit>(id);
}

void SearchPanels::showSearchPanel()
{
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionLength() != 0)
        panelBox(search_panel::Word)->setText(ed->selectedText());
    panels.openPanel(PanelPlace{.explanation = editmsg::SearchPanelExplanation, .top = 1500, .left = 1500, .width = 5400,
                           .height = 4365, .panel = search_panel::Panel, .explanationBox = search_panel::Explanation});
}

void SearchPanels::showReplacePanel()
{
    RichEdit* ed = ctx.ws.currentEditor();
    QLineEdit* find = panelBox(replace_panel::FindBox);
    find->clear();
    panelBox(replace_panel::ReplacementBox)->clear();
    if (ed->selectionLength() != 0)
        find->setText(ed->selectedText());
    ctx.controls.get<QRadioButton>(replace_panel::OneAtATime)->setChecked(true);
    chooseReplaceWay(false);
    panels.openPanel(PanelPlace{.explanation = editmsg::ReplacePanelExplanation, .top = 1500, .left = 1500, .width = 5520,
                           .height = 5085, .panel = replace_panel::Panel, .explanationBox = replace_panel::Explanation});
}

void SearchPanels::chooseReplaceWay(bool all)
{
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::UnusedReplaceButton))->hide();
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::FindNext))->setVisible(!all);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceOne))->setVisible(!all);
    ctx.controls.get<QWidget>(executeButton(ExecuteButton::ReplaceAll))->setVisible(all);
}

void SearchPanels::restartSearch()
{
    searchPosition = 1;
}

void SearchPanels::searchForWord()
{
    const QString w = panelBox(search_panel::Word)->text();
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    // A search may start at the very last character, so that a word there is found too.
    if (searchPosition > t.size() || searchPosition <= 0)
        searchPosition = 1;
    if (!ctx.controls.get<QRadioButton>(search_panel::OneAtATime)->isChecked()) {
        ctx.controls.get<QWidget>(search_panel::Panel)->hide();
        searchFor(w);
        return;
    }
    const SearchStep step = searchStep(t, w, searchPosition);
    if (step.found) {
        select(ed, *step.found);
        ed->setFocus();
    }
    searchPosition = step.searchPos;
}

void SearchPanels::searchFor(const QString& st)
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    const Highlight h = highlightAll(t, st);
    ed->paintRange(0, static_cast<int>(t.size()), QColor(0, 0, 255));
    paintRanges(ed, h.occurrences, Insertion::markColour());
    select(ed, h.selection);
    ed->setFocus();
}

bool SearchPanels::findNext()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const auto found = ::findNext(ed->text(), selectionOf(ed), panelBox(replace_panel::FindBox)->text());
    if (!found)
        return false;
    select(ed, *found);
    return true;
}

bool SearchPanels::replaceOne()
{
    RichEdit* ed = ctx.ws.currentEditor();
    const QString t = ed->text();
    const auto r = ::replaceOne(t, selectionOf(ed), panelBox(replace_panel::FindBox)->text(),
                              panelBox(replace_panel::ReplacementBox)->text());
    if (!r)
        return false;
    applyEdit(ed, t, *r);
    return true;
}

void SearchPanels::replaceAll()
{
    const QString find = panelBox(replace_panel::FindBox)->text();
    if (find.isEmpty() || !ctx.controls.get<QRadioButton>(replace_panel::AllAtOnce)->isChecked())
        return;
    RichEdit* ed = ctx.ws.currentEditor();
    const auto r = ::replaceAll(ed->text(), selectionOf(ed), find, panelBox(replace_panel::ReplacementBox)->text());
    if (!r)
        return;
    // One new text, one recolour, and the view where it was.
    const int top = ed->firstVisibleLine();
    ed->setText(r->text);
    ctx.colour.recolour(ed);
    select(ed, r->selection);
    ed->setFirstVisibleLine(top);
}

std::vector<std::pair<ExecuteButton, SearchPanels::Branch>> SearchPanels::dispatcherBranches()
{
    const auto close = [this](ControlId panel) {
        return [this, panel] {
            ctx.controls.get<QWidget>(panel)->hide();
            return true;
        };
    };
    return {
        {ExecuteButton::CloseSearchPanel, close(search_panel::Panel)},
        {ExecuteButton::SearchPanelCloseBox, close(search_panel::Panel)},
        {ExecuteButton::Search, [this] {
             searchForWord();
             return true;
         }},
        {ExecuteButton::FindNext, [this] { return findNext(); }},
        {ExecuteButton::ReplaceOne, [this] { return replaceOne(); }},
        {ExecuteButton::ReplaceAll, [this] {
             replaceAll();
             ctx.controls.get<QWidget>(replace_panel::Panel)->hide();
             return true;
         }},
        {ExecuteButton::ReplacePanelCloseBox, close(replace_panel::Panel)},
        {ExecuteButton::CloseReplacePanel, close(replace_panel::Panel)},
    };
}

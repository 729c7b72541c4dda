#include "stylesheet/StylesheetMenu.h"

#include "editor/Colouring.h"
#include "editor/HelpViewer.h"
#include "editor/Insertion.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "stylesheet/CssBuilder.h"
#include "stylesheet/PanelGeometry.h"
#include "stylesheet/StyleInsertions.h"
#include "stylesheet/StyleSamples.h"
#include "stylesheet/StylesheetControls.h"
#include "stylesheet/StylesheetTexts.h"
#include "wizards/Dispatcher.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString SampleStylesheet = QStringLiteral("csssample.css");
const QString SamplePage = QStringLiteral("htmlsample.html");

bool endsInCss(const QString& name)
{
    return textrules::asciiLower(name.right(4)) == QStringLiteral(".css");
}

// Puts text in at a position of an editor as plain text.
void insertAt(RichEdit* ed, int at, const QString& text)
{
    ed->setSelectionStart(at);
    ed->replaceSelection(text);
}

} // namespace

StylesheetMenu::StylesheetMenu(Workspace& workspace, PanelKit& panelKit, Dispatcher& dispatcher, UndoRing& undoRing,
                               Insertion& insertion, Colouring& colouring, HelpViewer& helpViewer, CssBuilder& cssBuilder)
    : ws(workspace)
    , panels(panelKit)
    , undo(undoRing)
    , insert(insertion)
    , colour(colouring)
    , help(helpViewer)
    , builder(cssBuilder)
{
    build(panelKit);
    wireButtons(dispatcher);
}

void StylesheetMenu::build(PanelKit& kit)
{
    QGroupBox* name = kit.addPanel(stylesheet_name_panel::Panel, QStringLiteral("CSSNAME"));
    namePanel_ = name;
    placed(kit.addTitle(name, stylesheet_name_panel::Title, QStringLiteral("スタイルシートの名前")), 50, 180, 4550, 285);
    placed(kit.addExecuteButton(name, ExecuteButton::StylesheetNamePanelCloseBox, QStringLiteral("×")), 4270, 180, 330, 285);
    placed(kit.addExplanation(name, stylesheet_name_panel::Explanation), 50, 550, 4550, 1000);
    placed(new QLabel(QStringLiteral("ファイル名"), name), 100, 1700, 1000, 285);
    nameBox_ = placed(kit.add<QLineEdit>(name, stylesheet_name_panel::NameBox), 1100, 1650, 2400, 330);
    nameBox_->setText(QStringLiteral("pelmor.css"));
    placed(kit.addExecuteButton(name, ExecuteButton::CreateStylesheet, QStringLiteral("OK")), 1100, 2150, 1000, 375);
    placed(kit.addExecuteButton(name, ExecuteButton::CloseStylesheetNamePanel, QStringLiteral("閉じる")), 2200, 2150, 1000, 375);

    QGroupBox* link = kit.addPanel(stylesheet_link_panel::Panel, QStringLiteral("CSSリンク"));
    linkPanel_ = link;
    placed(kit.addTitle(link, stylesheet_link_panel::Title, QStringLiteral("スタイルシートのリンク設定")), 50, 180, 5150, 285);
    placed(kit.addExecuteButton(link, ExecuteButton::CssLinkPanelCloseBox, QStringLiteral("×")), 4870, 180, 330, 285);
    placed(kit.addExplanation(link, stylesheet_link_panel::Explanation), 50, 550, 5150, 2350);
    placed(new QLabel(QStringLiteral("ファイル名"), link), 100, 3050, 1000, 285);
    linkBox_ = placed(kit.add<QLineEdit>(link, stylesheet_link_panel::FileBox), 1100, 3000, 3000, 330);
    placed(kit.addExecuteButton(link, ExecuteButton::InsertCssLink, QStringLiteral("実行")), 1100, 3450, 1000, 375);
    placed(kit.addExecuteButton(link, ExecuteButton::CloseCssLinkPanel, QStringLiteral("閉じる")), 2200, 3450, 1000, 375);
}

void StylesheetMenu::wireButtons(Dispatcher& dispatcher)
{
    dispatcher.setAction(ExecuteButton::InsertCssLink, [this] {
        insertStylesheetLink();
        linkPanel_->hide();
    });
    dispatcher.setAction(ExecuteButton::CloseCssLinkPanel, [this] { linkPanel_->hide(); });
    dispatcher.setAction(ExecuteButton::CssLinkPanelCloseBox, [this] { linkPanel_->hide(); });
    dispatcher.setAction(ExecuteButton::CreateStylesheet, [this] { createStylesheet(); });
    dispatcher.setAction(ExecuteButton::StylesheetNamePanelCloseBox, [this] { namePanel_->hide(); });
    dispatcher.setAction(ExecuteButton::CloseStylesheetNamePanel, [this] { namePanel_->hide(); });
}

const StylesheetMenu::Item StylesheetMenu::Items[] = {
    {0, stylesheet_menu::ShowCssHelp, "CSS説明", &StylesheetMenu::showCssHelp},
    {2, stylesheet_menu::InsertSampleStylesheet, "CSS定義ファイルを挿入する（例文付き)", &StylesheetMenu::insertSampleStylesheet},
    {4, stylesheet_menu::CreateEmptyStylesheet, "CSS定義ファイルを挿入する（例文なし)", &StylesheetMenu::showNamePanel},
    {6, stylesheet_menu::InsertSamplePage, "スタイルシート対応の例文を挿入する", &StylesheetMenu::insertSamplePage},
    {8, stylesheet_menu::LinkStylesheet, "リンクを設定しよう", &StylesheetMenu::showLinkPanel},
    {10, stylesheet_menu::ShowCssBuilder, "CSSビルダー", &StylesheetMenu::showCssBuilder},
    {12, stylesheet_menu::InsertPageStyle, "ページ単独のスタイル設定", &StylesheetMenu::insertPageStyle},
    {14, stylesheet_menu::InsertScopedStyle, "限定範囲スタイル", &StylesheetMenu::insertScopedSpan},
    {16, stylesheet_menu::InsertInlineStyle, "インラインスタイル", &StylesheetMenu::insertInlineStyle},
    {18, stylesheet_menu::ShowLesson, "ＣＳＳチュートリアル", &StylesheetMenu::showLesson},
};

void StylesheetMenu::declareMenu(CommandRegistry& commands)
{
    commands.addMenuBarMenu(stylesheet_menu::Menu, QStringLiteral("スタイルシート(&S)"));
    std::vector<CommandItem> items;
    for (const Item& item : Items)
        items.push_back({.index = item.row, .caption = QString::fromUtf8(item.caption),
                         .handler = [this, run = item.run] { (this->*run)(); }, .id = item.id});
    commands.define(stylesheet_menu::Menu, items);
}

void StylesheetMenu::runRow(int row)
{
    for (const Item& item : Items) {
        if (item.row == row)
            (this->*item.run)();
    }
}

void StylesheetMenu::showCssHelp()
{
    help.showHelpPage(HelpPage::Stylesheets);
}

void StylesheetMenu::showCssBuilder()
{
    builder.showBuilder();
}

void StylesheetMenu::showLesson()
{
    if (openLessonWindow)
        openLessonWindow();
}

// ---- the samples ----

std::optional<QString> StylesheetMenu::readSample(const QString& file)
{
    const SampleReadResult read = readSampleFile(ws.state.resourcePath(file));
    if (!read.ok) {
        ws.dlg.message(read.message + CrLf + ws.state.resourcePath(file));
        return std::nullopt;
    }
    return read.text;
}

void StylesheetMenu::placeSample(const QString& fileName, Workspace::TabCaption caption)
{
    const int n = ws.currentIndex();
    ws.nameDocument(n, n != 0 ? ws.doc(0).folder : ws.state.programFolder + QStringLiteral("/resource"), fileName,
                    caption);
}

void StylesheetMenu::insertSampleStylesheet()
{
    int existing = -1;
    for (int i = 0; i < ws.documentCount() && existing < 0; ++i) {
        if (ws.sourceCaption(i) == SampleStylesheet)
            existing = i;
    }
    if (existing >= 0
        && ws.dlg.message(QStringLiteral("既にＣＳＳファイルは挿入されています,上書きしますか。"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    // Read first: a sample that cannot be read changes nothing.
    const std::optional<QString> text = readSample(SampleStylesheetFile);
    if (!text)
        return;
    if (existing >= 0) {
        ws.selectSourceTab(existing);
    } else {
        if (!ws.addDocument(ws.doc(0).folder))
            return;
    }
    undo.takeSnapshot();
    ws.currentEditor()->setText(*text);
    placeSample(SampleStylesheet);
}

void StylesheetMenu::insertSamplePage()
{
    if (textrules::asciiLower(ws.current().fileName.right(5)) != QStringLiteral(".html")) {
        ws.dlg.message(QStringLiteral("HTMLテキストのタブを選択してください。"));
        return;
    }
    if (!textrules::trimBlanks(ws.currentEditor()->text()).isEmpty()
        && ws.dlg.message(QStringLiteral("テキストを上書きします。"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const std::optional<QString> text = readSample(SamplePageFile);
    if (!text)
        return;
    undo.takeSnapshot();
    ws.currentEditor()->setText(*text);
    // The page takes the sample's name; its tab keeps the caption it had.
    placeSample(SamplePage, Workspace::TabCaption::Stays);
    colour.recolourCurrent();
}

// ---- the panels ----

void StylesheetMenu::showNamePanel()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        if (endsInCss(ws.sourceCaption(i)) || endsInCss(textrules::trimBlanks(ws.doc(i).fileName))) {
            ws.dlg.message(QStringLiteral("既にＣＳＳファイルは挿入されています"));
            return;
        }
    }
    panels.openPanel(PanelPlace{.explanation = stylesheetNameExplanation(), .top = 1755, .left = 2000, .width = 4650, .height = 2715,
                           .panel = stylesheet_name_panel::Panel, .explanationBox = stylesheet_name_panel::Explanation});
}

void StylesheetMenu::showLinkPanel()
{
    panels.openPanel(PanelPlace{.explanation = stylesheetLinkExplanation(), .top = 3000, .left = 3000, .width = 5250, .height = 3960,
                           .panel = stylesheet_link_panel::Panel, .explanationBox = stylesheet_link_panel::Explanation});
    showStylesheetInLinkBox();
}

void StylesheetMenu::showStylesheetInLinkBox()
{
    for (int i = 0; i < ws.documentCount(); ++i) {
        const QString& name = ws.doc(i).fileName;
        if (textrules::trimBlanks(name).right(3) == QStringLiteral("css"))
            linkBox_->setText(name);
    }
}

void StylesheetMenu::createStylesheet()
{
    const QString name = css::stylesheetName(nameBox_->text());
    if (name.size() > textrules::trimBlanks(nameBox_->text()).size())
        nameBox_->setText(name);
    if (css::badStylesheetName(name)) {
        ws.dlg.message(QStringLiteral("ファイル名に「/」は使えません。名前だけを入れてください。") + FaceSweat);
        return;
    }
    // The new document lies beside the first one; the current document keeps its own folder.
    QString folder = ws.doc(0).folder;
    if (folder.isEmpty())
        folder = ws.state.programFolder;
    if (QFileInfo::exists(folder + QLatin1Char('/') + name)
        && ws.dlg.message(QStringLiteral("既に同じ名前のファイルがあります。上書きしますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    if (!ws.addDocument(folder))
        return;
    ws.nameDocument(ws.currentIndex(), folder, name);
    showStylesheetInLinkBox();
    if (!lessonVisible())
        linkStylesheetInEveryPage();
    namePanel_->hide();
}

// ---- links ----

void StylesheetMenu::insertStylesheetLink()
{
    RichEdit* ed = ws.currentEditor();
    const std::optional<css::TextInsert> link = css::linkInsert(ed->text(), css::linkFile(linkBox_->text()));
    if (!link) {
        ws.dlg.message(QStringLiteral("リンクが挿入できません、現在のファイルには「<HEAD> </HEAD>」がありません。")
                      + QStringLiteral(" 正式なＨＴＭＬファイルを選んでください."));
        return;
    }
    insertAt(ed, link->at, link->text);
}

void StylesheetMenu::linkStylesheetInEveryPage()
{
    if (!css::linkableInAll(ws.sourceEditor(0)->text()))
        return;
    if (ws.dlg.message(QStringLiteral("全てのHTMLのテキストにスタイルシートをリンクさせますか？"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const QString file = linkBox_->text();
    for (int i = 0; i < ws.documentCount(); ++i) {
        RichEdit* ed = ws.sourceEditor(i);
        if (!css::linkableInAll(ed->text()))
            break;
        const std::optional<css::TextInsert> link = css::linkInsert(ed->text(), file);
        insertAt(ed, link->at, link->text);
    }
}

// ---- styles in the page ----

void StylesheetMenu::insertPageStyle()
{
    RichEdit* ed = ws.currentEditor();
    const std::optional<css::TextInsert> block = css::pageStyleBlock(ed->text());
    if (!block)
        return;
    undo.takeSnapshot();
    insertAt(ed, block->at, block->text);
    const int length = static_cast<int>(block->text.size());
    ed->select(block->at, length);
    ed->paintRange(block->at, length, Insertion::markColour());
    ed->clearUndoHistory();
}

void StylesheetMenu::insertScopedSpan()
{
    undo.takeSnapshot();
    RichEdit* ed = ws.currentEditor();
    const css::TextWrap span = css::scopedSpan(ed->text(), ed->selectionStart(), ed->selectionLength());
    ed->select(span.start, span.length);
    insert.wrapSelectionMarked(span.before, span.after);
    ed->clearUndoHistory();
}

void StylesheetMenu::insertInlineStyle()
{
    undo.takeSnapshot();
    RichEdit* ed = ws.currentEditor();
    const std::optional<int> close = css::startTagClose(ed->text(), ed->selectionStart(), ed->selectionLength());
    if (!close) {
        ws.dlg.message(QStringLiteral("タグの < から > までを選択して下さい。"));
        return;
    }
    const QString attribute = css::inlineStyleAttribute();
    insertAt(ed, *close, attribute);
    // The attribute and the ">" behind it.
    const int length = static_cast<int>(attribute.size()) + 1;
    ed->select(*close, length);
    ed->paintRange(*close, length, Insertion::markColour());
    ed->clearUndoHistory();
}

#include "wizards/AdvancedMenu.h"

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/MiniPanel.h"
#include "wizards/MovablePanels.h"
#include "wizards/PanelPlaces.h"
#include "wizards/PanelTexts.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/FramesWizardControls.h"
#include "wizards/MiniPanelControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

AdvancedMenu::AdvancedMenu(Workspace& workspace, PanelKit& panelKit, ControlRegistry& controlRegistry, MiniPanel& miniPanel,
                           MovablePanels& movable)
    : ws(workspace)
    , panels(panelKit)
    , controls(controlRegistry)
    , mini(miniPanel)
    , drag(movable)
{
    // The path follows the document while the panel is open: a save under a new name, another
    // document made current.
    QObject::connect(&ws, &Workspace::documentNamed, &ws, [this](int n) {
        if (n == ws.currentIndex())
            showImageBasePath();
    });
    QObject::connect(&ws, &Workspace::currentChanged, &ws, [this] { showImageBasePath(); });
}

void AdvancedMenu::declareMenu(CommandRegistry& commands)
{
    struct Item {
        const char* caption;
        void (AdvancedMenu::*handler)();
        CommandId id;
        bool separatorAfter;
    };
    const Item items[] = {
        {"罫線を入れよう", &AdvancedMenu::openRulePanel, advanced_menu::InsertRule, true},
        {"画像を挿入しよう", &AdvancedMenu::openImagePanel, advanced_menu::InsertImage, true},
        {"項目をリストにしよう", &AdvancedMenu::openListPanel, advanced_menu::MakeList, true},
        {"ﾘﾝｸを設定しよう", &AdvancedMenu::openLinkPanel, advanced_menu::SetLink, false},
        {"リンクを使ってメールを送ろう", &AdvancedMenu::openMailLinkPanel, advanced_menu::MailLink, true},
        {"同じページの中にジャンプさせたい", &AdvancedMenu::openJumpInPagePanel, advanced_menu::JumpInPage, false},
        {"他のページの中にジャンプさせたい", &AdvancedMenu::openJumpToPagePanel, advanced_menu::JumpToPage, true},
        {"テキストをスクロールさせよう", &AdvancedMenu::openMarqueePanel, advanced_menu::ScrollText, true},
        {"テーブルを作ろう", &AdvancedMenu::openTablePanel, advanced_menu::MakeTable, true},
        {"入力フォームを作ろう", &AdvancedMenu::openMailFormPanel, advanced_menu::MakeMailForm, true},
        {"フレームを作ろう", &AdvancedMenu::openFramesWizard, advanced_menu::MakeFrames, true},
        {"BGMを鳴らそう", &AdvancedMenu::openBackgroundSoundPanel, advanced_menu::BackgroundSound, true},
        {"ムービーを再生させよう", &AdvancedMenu::openMoviePanel, advanced_menu::PlayMovie, true},
        {"バックグラウンドの画像を設定しよう", &AdvancedMenu::openBackgroundImagePanel, advanced_menu::BackgroundImage, true},
        {"文書情報を記述しよう", &AdvancedMenu::openDocumentInfoPanel, advanced_menu::DocumentInfo, true},
        {"ドキュメントﾀｲﾌﾟを記述しよう", &AdvancedMenu::openDoctypePanel, advanced_menu::Doctype, false},
    };
    std::vector<CommandItem> table;
    int index = 0;
    for (const Item& item : items) {
        const auto handler = item.handler;
        CommandItem entry{index++, QString::fromUtf8(item.caption), {}, [this, handler] { (this->*handler)(); }};
        entry.id = item.id;
        table.push_back(entry);
        if (item.separatorAfter)
            table.push_back({index++, QStringLiteral("-")});
    }
    commands.define(advanced_menu::Menu, table);
}

void AdvancedMenu::openWithExplanation(ControlId panel, const QString& explanation)
{
    panels.openPanel(placeOf(panelRow(panel), explanation));
}

void AdvancedMenu::openRulePanel() { openWithExplanation(rule_panel::Panel, paneltext::rule()); }

void AdvancedMenu::openImagePanel()
{
    ws.selectSourceTab(ws.currentIndex());
    const PanelRow& row = panelRow(image_panel::Panel);
    PanelPlace place = placeOf(row, QString());
    place.explanationBox = {};
    place.selectSourceTab = false;
    panels.openPanel(place);
    // Always the explanation view, whatever an earlier preview of a picture left.
    auto* text = controls.get<QPlainTextEdit>(image_panel::Explanation);
    auto* picture = controls.get<QWidget>(image_panel::Picture);
    twips::SetGeometry(picture, twips::Left(text), twips::Top(text), twips::Width(text), twips::Height(text));
    picture->hide();
    controls.get<QWidget>(image_panel::SettingsGroup)->show();
    text->setPlainText(paneltext::image());
    showImageBasePath();
}

void AdvancedMenu::openImagePanelForUrl()
{
    openImagePanel();
    // The image's own settings do not count for a url; the panel's insert button must stay.
    auto* settings = controls.get<QWidget>(image_panel::SettingsGroup);
    if (!settings->isAncestorOf(controls.get<QWidget>(executeButton(ExecuteButton::InsertImage))))
        settings->hide();
}

void AdvancedMenu::showImageBasePath()
{
    // Documents come and go before the panels are built.
    auto* box = qobject_cast<QLabel*>(controls.find(image_panel::DocumentPathLabel));
    if (!box)
        return;
    const Document& d = ws.current();
    const QString path = d.fileName.startsWith(QLatin1Char('/')) ? d.fileName : d.folder + QLatin1Char('/') + d.fileName;
    box->setText(path);
    // A path longer than the panel is wide shows whole in the tip.
    box->setToolTip(path);
}

void AdvancedMenu::openListPanel() { openWithExplanation(list_panel::Panel, paneltext::list()); }

void AdvancedMenu::setLinkMode(bool link)
{
    controls.get<QWidget>(executeButton(ExecuteButton::ChooseLinkTarget))->setVisible(link);
    controls.get<QWidget>(link_panel::NewWindowCheck)->setVisible(link);
    // The box holds a link target in one mode and an address in the other.
    controls.get<QLabel>(link_panel::TargetLabel)->setText(link ? QStringLiteral("リンク先") : QStringLiteral("メールアドレス"));
}

void AdvancedMenu::openLinkPanel()
{
    openWithExplanation(link_panel::Panel, paneltext::link());
    setLinkMode(true);
}

void AdvancedMenu::openMailLinkPanel()
{
    openWithExplanation(link_panel::Panel, paneltext::mailLink());
    setLinkMode(false);
}

void AdvancedMenu::setJumpNames(const QString& source)
{
    controls.get<QLineEdit>(page_jump_panel::SourceNameBox)->setText(source);
    controls.get<QLineEdit>(page_jump_panel::TargetNameBox)->setText(QStringLiteral("JMP1"));
}

void AdvancedMenu::openJumpInPagePanel()
{
    setJumpNames(QStringLiteral("#JMP1"));
    openWithExplanation(page_jump_panel::Panel, paneltext::jumpInPage());
}

void AdvancedMenu::openJumpToPagePanel()
{
    setJumpNames(QStringLiteral("URL#JMP1"));
    openWithExplanation(page_jump_panel::Panel, paneltext::jumpToPage());
}

void AdvancedMenu::openMarqueePanel()
{
    const QString prompt = ws.currentEditor()->selectionLength() == 0 ? paneltext::marqueePrompt() : QString();
    openWithExplanation(marquee_panel::Panel, prompt + paneltext::marquee());
}

void AdvancedMenu::openTablePanel() { openWithExplanation(table_panel::Panel, paneltext::table()); }
void AdvancedMenu::openMailFormPanel() { openWithExplanation(mail_form_panel::Panel, paneltext::mailForm()); }

void AdvancedMenu::openFramesWizard()
{
    ws.selectSourceTab(ws.currentIndex());
    controls.get<QPlainTextEdit>(frames_wizard::Explanation)->setPlainText(paneltext::frames());
    QWidget* panel = controls.get<QWidget>(frames_wizard::Panel);
    twips::SetGeometry(panel, FramesWizardLeft, FramesWizardTop, FramesWizardWidth, FramesWizardHeight);
    panel->show();
    panel->raise();
    controls.get<QWidget>(mini_panel::Panel)->hide();
    drag.endDrag();
    mini.mode = 31;
    controls.get<QLineEdit>(frames_wizard::FirstFileBox)->setText(fileNameOf(ws.doc(0).fileName));
    // With one document open the right page keeps its name.
    if (ws.documentCount() > 1)
        controls.get<QLineEdit>(frames_wizard::SecondFileBox)->setText(fileNameOf(ws.doc(1).fileName));
}

void AdvancedMenu::openBackgroundSoundPanel() { openWithExplanation(background_sound_panel::Panel, paneltext::sound()); }
void AdvancedMenu::openMoviePanel() { openWithExplanation(movie_panel::Panel, paneltext::movie()); }
void AdvancedMenu::openBackgroundImagePanel() { openWithExplanation(background_image_panel::Panel, paneltext::backgroundImage()); }
void AdvancedMenu::openDocumentInfoPanel() { openWithExplanation(document_info_panel::Panel, paneltext::documentInfo()); }
void AdvancedMenu::openDoctypePanel() { openWithExplanation(doctype_panel::Panel, paneltext::doctype()); }

#include "wizards/AdvancedMenu.h"
#include "wizards/WizardProcedures.h"

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Procedures.h"
#include "platform/RichEdit.h"
#include "platform/Twips.h"
#include "wizards/MiniPanel.h"
#include "wizards/MovablePanels.h"
#include "wizards/PanelPlaces.h"
#include "wizards/PanelTexts.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

AdvancedMenu::AdvancedMenu(Workspace& workspace, PanelKit& panelKit, ControlRegistry& controlRegistry,
                           Procedures& procs, MiniPanel& miniPanel, MovablePanels& movable)
    : ws(workspace)
    , panels(panelKit)
    , controls(controlRegistry)
    , mini(miniPanel)
    , drag(movable)
{
    procs.define(procedure::OpenImagePanel, [this] { mgazou_Click(); });
    procs.define(procedure::OpenBackgroundSoundPanel, [this] { mwav_Click(); });
}

void AdvancedMenu::declareMenu(CommandRegistry& commands)
{
    struct Item {
        const char* caption;
        void (AdvancedMenu::*handler)();
        bool separatorAfter;
    };
    const Item items[] = {
        {"罫線を入れよう", &AdvancedMenu::mkeisen_Click, true},
        {"画像を挿入しよう", &AdvancedMenu::mgazou_Click, true},
        {"項目をリストにしよう", &AdvancedMenu::mlist_Click, true},
        {"ﾘﾝｸを設定しよう", &AdvancedMenu::mlink_Click, false},
        {"リンクを使ってメールを送ろう", &AdvancedMenu::mmail_Click, true},
        {"同じページの中にジャンプさせたい", &AdvancedMenu::MJPMONAJI_Click, false},
        {"他のページの中にジャンプさせたい", &AdvancedMenu::MJMPTA_Click, true},
        {"テキストをスクロールさせよう", &AdvancedMenu::Mscl_Click, true},
        {"テーブルを作ろう", &AdvancedMenu::mtable_Click, true},
        {"入力フォームを作ろう", &AdvancedMenu::mform_Click, true},
        {"フレームを作ろう", &AdvancedMenu::mframe_Click, true},
        {"BGMを鳴らそう", &AdvancedMenu::mwav_Click, true},
        {"ムービーを再生させよう", &AdvancedMenu::avi_Click, true},
        {"バックグラウンドの画像を設定しよう", &AdvancedMenu::bgif_Click, true},
        {"文書情報を記述しよう", &AdvancedMenu::bjouhou_Click, true},
        {"ドキュメントﾀｲﾌﾟを記述しよう", &AdvancedMenu::mdoc_Click, false},
    };
    std::vector<CommandItem> table;
    int index = 0;
    for (const Item& item : items) {
        const auto handler = item.handler;
        table.push_back({index++, QString::fromUtf8(item.caption), {}, [this, handler] { (this->*handler)(); }});
        if (item.separatorAfter)
            table.push_back({index++, QStringLiteral("-")});
    }
    commands.define(QStringLiteral("mcyotto"), table);
}

void AdvancedMenu::open(int frame, const QString& explanation)
{
    panels.open(placeOf(panelRow(frame), explanation));
}

void AdvancedMenu::mkeisen_Click() { open(1, paneltext::rule()); }

void AdvancedMenu::mgazou_Click()
{
    ws.selectSourceTab(ws.currentIndex());
    const PanelRow& row = panelRow(3);
    PanelPlace place = placeOf(row, QString());
    place.textIndex = ControlRegistry::NoIndex;
    place.selectSourceTab = false;
    panels.open(place);
    // Always the explanation view, whatever an earlier preview of a picture left.
    auto* text = controls.get<QPlainTextEdit>(QStringLiteral("Text"), 3);
    auto* picture = controls.get<QWidget>(QStringLiteral("Picture1"));
    twips::SetGeometry(picture, twips::Left(text), twips::Top(text), twips::Width(text), twips::Height(text));
    picture->hide();
    controls.get<QWidget>(QStringLiteral("framesub"), 26)->show();
    text->setPlainText(paneltext::image());
    const Document& d = ws.current();
    const QString path = d.fileName.startsWith(QLatin1Char('/')) ? d.fileName : d.folder + QLatin1Char('/') + d.fileName;
    controls.get<QLabel>(QStringLiteral("Label16"), 1)->setText(path);
}

void AdvancedMenu::mlist_Click() { open(2, paneltext::list()); }

void AdvancedMenu::setLinkMode(bool link)
{
    controls.get<QWidget>(executeButton(ExecuteButton::ChooseLinkTarget))->setVisible(link);
    controls.get<QWidget>(QStringLiteral("Check2"), 0)->setVisible(link);
    // The box holds a link target in one mode and an address in the other.
    controls.get<QLabel>(QStringLiteral("Labelf"), 0)->setText(link ? QStringLiteral("リンク先") : QStringLiteral("メールアドレス"));
}

void AdvancedMenu::mlink_Click()
{
    open(0, paneltext::link());
    setLinkMode(true);
}

void AdvancedMenu::mmail_Click()
{
    open(0, paneltext::mailLink());
    setLinkMode(false);
}

void AdvancedMenu::setJumpNames(const QString& source)
{
    controls.get<QLineEdit>(QStringLiteral("Text6"), 15)->setText(source);
    controls.get<QLineEdit>(QStringLiteral("Text6"), 16)->setText(QStringLiteral("JMP1"));
}

void AdvancedMenu::MJPMONAJI_Click()
{
    setJumpNames(QStringLiteral("#JMP1"));
    open(30, paneltext::jumpInPage());
}

void AdvancedMenu::MJMPTA_Click()
{
    setJumpNames(QStringLiteral("URL#JMP1"));
    open(30, paneltext::jumpToPage());
}

void AdvancedMenu::Mscl_Click()
{
    const QString prompt = ws.currentEditor()->SelLength() == 0 ? paneltext::marqueePrompt() : QString();
    open(4, prompt + paneltext::marquee());
}

void AdvancedMenu::mtable_Click() { open(5, paneltext::table()); }
void AdvancedMenu::mform_Click() { open(6, paneltext::mailForm()); }

void AdvancedMenu::mframe_Click()
{
    ws.selectSourceTab(ws.currentIndex());
    controls.get<QPlainTextEdit>(QStringLiteral("Text1"), 13)->setPlainText(paneltext::frames());
    QWidget* panel = controls.get<QWidget>(QStringLiteral("FrmFrame"));
    twips::SetGeometry(panel, FrmFrameLeft, FrmFrameTop, FrmFrameWidth, FrmFrameHeight);
    panel->show();
    panel->raise();
    controls.get<QWidget>(QStringLiteral("Frmc"))->hide();
    drag.clear();
    mini.mode = 31;
    controls.get<QLineEdit>(QStringLiteral("Text1"), 0)->setText(fileNameOf(ws.doc(0).fileName));
    // With one document open the right page keeps its name.
    if (ws.documentCount() > 1)
        controls.get<QLineEdit>(QStringLiteral("Text1"), 2)->setText(fileNameOf(ws.doc(1).fileName));
}

void AdvancedMenu::mwav_Click() { open(7, paneltext::sound()); }
void AdvancedMenu::avi_Click() { open(8, paneltext::movie()); }
void AdvancedMenu::bgif_Click() { open(9, paneltext::backgroundImage()); }
void AdvancedMenu::bjouhou_Click() { open(34, paneltext::documentInfo()); }
void AdvancedMenu::mdoc_Click() { open(11, paneltext::doctype()); }

#include "shell/Renaming.h"

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "shell/ShellControls.h"
#include "shell/ShellMenus.h"
#include "wizards/Dispatcher.h"
#include "wizards/PanelForm.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

QString renamedFileName(const QString& typed)
{
    const QString text = textrules::asciiLower(textrules::trimBlanks(typed));
    if (text.isEmpty())
        return QString();
    const QString base = text.left(text.indexOf(QLatin1Char('.')) < 0 ? text.size() : text.indexOf(QLatin1Char('.')));
    if (base.isEmpty())
        return QString();
    return base + (text.endsWith(QStringLiteral("css")) ? QStringLiteral(".css") : QStringLiteral(".html"));
}

QString renameProblem(const QString& newName)
{
    if (newName.contains(QLatin1Char('/')) || newName.contains(QChar(0)))
        return QStringLiteral("ファイル名に「/」は使えません。フォルダーは変わらないので、名前だけを入れてください。");
    return QString();
}

namespace {

const int PanelLeft = 500;
const int PanelTop = 1000;
const int PanelWidth = 4890;
const int PanelHeight = 5640;

} // namespace

Renaming::Renaming(Workspace& workspace, PanelKit& panels, ControlRegistry& controlRegistry, Dispatcher& dispatcher)
    : ws(workspace)
    , controls(controlRegistry)
{
    build(panels);
    const auto closePanel = [this] { controls.get<QWidget>(rename_panel::Panel)->hide(); };
    dispatcher.setAction(ExecuteButton::RenamePanelCloseBox, closePanel);
    dispatcher.setAction(ExecuteButton::CloseRenamePanel, closePanel);
    dispatcher.setAction(ExecuteButton::RenameFile, [this] { renameFile(); });
}

void Renaming::build(PanelKit& panels)
{
    using namespace rename_panel;
    QGroupBox* panel = panels.addPanel(Panel, QStringLiteral("ファイル名の変更"));
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    PanelForm f(panels, panel);
    twips::SetGeometry(panels.addTitle(panel, Title, QStringLiteral("ファイル名を変更しよう")), 50, 180, PanelWidth - 100, 285);
    f.pushButton(ExecuteButton::RenamePanelCloseBox, QStringLiteral("×"), 50 + PanelWidth - 100 - 330, 180, 330, 285);
    twips::SetGeometry(panels.addExplanation(panel, Explanation), 50, 550, PanelWidth - 100, 1700);
    auto* list = panels.add<QListWidget>(panel, NameList);
    twips::SetGeometry(list, 50, 2350, PanelWidth - 100, 2300);
    panels.add<QListWidget>(panel, StoredNameList)->hide();
    f.label(QStringLiteral("ファイル名"), 50, 4780, 1000);
    twips::SetGeometry(panels.add<QLineEdit>(panel, NewNameBox), 1100, 4750, PanelWidth - 1150, 330);
    f.executeAndClose(ExecuteButton::RenameFile, ExecuteButton::CloseRenamePanel, PanelWidth - 50, 5150, QStringLiteral("変更"));
    // A click, and a program that sets the list's row, as the lesson player does.
    QObject::connect(list, &QListWidget::itemClicked, list, [this, list](QListWidgetItem* item) { takeChosenName(list->row(item)); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) { takeChosenName(row); });
}

void Renaming::declareCommands(CommandRegistry& commands)
{
    commands.setHandler(file_menu::RenameFile, [this] { showPanel(); });
    commands.action(file_menu::RenameFile)->setEnabled(true);
}

void Renaming::showPanel()
{
    controls.get<QPlainTextEdit>(rename_panel::Explanation)
        ->setPlainText(QStringLiteral("現在表示されているファイル名を変更します。")
                       + QStringLiteral("既にファイルが保存されている場合は、保存されているファイルはそのままで")
                       + QStringLiteral("新しいファイルが出来ます。")
                       + QStringLiteral("リストの中から変更したいファイルを選んで下のテキストボックスに")
                       + QStringLiteral("新しい名前を入、変更ボタンを押します。") + QStringLiteral("ファイルのパスは変更されません"));
    auto* panel = controls.get<QWidget>(rename_panel::Panel);
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    panel->show();
    panel->raise();
    auto* names = controls.get<QListWidget>(rename_panel::NameList);
    auto* stored = controls.get<QListWidget>(rename_panel::StoredNameList);
    names->clear();
    stored->clear();
    for (int n = 0; n < ws.documentCount(); ++n)
        stored->addItem(ws.doc(n).fileName);
    for (int i = 0; i < stored->count(); ++i)
        names->addItem(fileNameOf(stored->item(i)->text()));
}

void Renaming::renameFile()
{
    auto* box = controls.get<QLineEdit>(rename_panel::NewNameBox);
    const QString newName = renamedFileName(box->text());
    if (newName.isEmpty())
        return;
    box->setText(newName);
    const QString problem = renameProblem(newName);
    auto* names = controls.get<QListWidget>(rename_panel::NameList);
    auto* stored = controls.get<QListWidget>(rename_panel::StoredNameList);
    const int n = names->currentRow();
    if (!problem.isEmpty()) {
        ws.dlg.message(problem);
    } else if (n >= 0 && names->item(n)->isSelected() && n < ws.documentCount() && n < stored->count()) {
        const QString old = stored->item(n)->text();
        const QString folderPart = old.left(old.size() - names->item(n)->text().size());
        const QString newStored = folderPart + newName;
        Document& d = ws.doc(n);
        const QString onDisk = newStored.startsWith(QLatin1Char('/')) ? newStored : d.folder + QLatin1Char('/') + newStored;
        if (!QFileInfo::exists(onDisk)
            || ws.dlg.message(QStringLiteral("既に同じ名前のファイルがあります、同じ名前にしますか？"), MsgButtons::YesNo) == MsgResult::Yes) {
            names->item(n)->setText(newName);
            stored->item(n)->setText(newStored);
            ws.nameDocument(n, d.folder, newStored);
            // No file of the new name exists yet: the document counts as changed, so that
            // closing it or quitting asks to save it.
            d.modified = true;
        }
    }
    box->clear();
}

void Renaming::takeChosenName(int row)
{
    auto* names = controls.get<QListWidget>(rename_panel::NameList);
    if (row >= 0 && row < names->count())
        controls.get<QLineEdit>(rename_panel::NewNameBox)->setText(names->item(row)->text());
}

#include "shell/Renaming.h"

#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "wizards/Dispatcher.h"
#include "wizards/PanelForm.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

QString renamedFileName(const QString& typed)
{
    const QString text = vb::LCaseAscii(vb::Trim(typed));
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
    dispatcher.setClose(ExecuteButton::RenamePanelCloseBox, QStringLiteral("Frame"), 35);
    dispatcher.setClose(ExecuteButton::CloseRenamePanel, QStringLiteral("Frame"), 35);
    dispatcher.setAction(ExecuteButton::RenameFile, [this] { RenameFile(); });
}

void Renaming::build(PanelKit& panels)
{
    QGroupBox* panel = panels.addFrame(35, QStringLiteral("ファイル名の変更"));
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    PanelForm f(panels, panel);
    f.titleBar(QStringLiteral("Label"), 35, QStringLiteral("ファイル名を変更しよう"), PanelWidth,
               ExecuteButton::RenamePanelCloseBox);
    f.explanation(36, 50, 550, PanelWidth - 100, 1700);
    auto* list = panels.add<QListWidget>(panel, QStringLiteral("List3"), 3);
    twips::SetGeometry(list, 50, 2350, PanelWidth - 100, 2300);
    panels.add<QListWidget>(panel, QStringLiteral("List3"), 4)->hide();
    f.label(QStringLiteral("Label10"), 11, QStringLiteral("ファイル名"), 50, 4780, 1000);
    f.box(QStringLiteral("Text6"), 29, QString(), 1100, 4750, PanelWidth - 1150);
    f.executeAndClose(ExecuteButton::RenameFile, ExecuteButton::CloseRenamePanel, PanelWidth - 50, 5150, QStringLiteral("変更"));
    // A click, and a program that sets the list's row, as the lesson player does.
    QObject::connect(list, &QListWidget::itemClicked, list, [this, list](QListWidgetItem* item) { List3_Click(list->row(item)); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) { List3_Click(row); });
}

void Renaming::declareCommands(CommandRegistry& commands)
{
    commands.setHandler(QStringLiteral("mfile"), 6, [this] { ShowRenamePanel(); });
    commands.action(QStringLiteral("mfile"), 6)->setEnabled(true);
}

void Renaming::ShowRenamePanel()
{
    controls.get<QPlainTextEdit>(QStringLiteral("Text"), 36)
        ->setPlainText(QStringLiteral("現在表示されているファイル名を変更します。")
                       + QStringLiteral("既にファイルが保存されている場合は、保存されているファイルはそのままで")
                       + QStringLiteral("新しいファイルが出来ます。")
                       + QStringLiteral("リストの中から変更したいファイルを選んで下のテキストボックスに")
                       + QStringLiteral("新しい名前を入、変更ボタンを押します。") + QStringLiteral("ファイルのパスは変更されません"));
    auto* panel = controls.get<QWidget>(QStringLiteral("Frame"), 35);
    twips::SetGeometry(panel, PanelLeft, PanelTop, PanelWidth, PanelHeight);
    panel->show();
    panel->raise();
    auto* names = controls.get<QListWidget>(QStringLiteral("List3"), 3);
    auto* stored = controls.get<QListWidget>(QStringLiteral("List3"), 4);
    names->clear();
    stored->clear();
    for (int n = 0; n < ws.documentCount(); ++n)
        stored->addItem(ws.doc(n).fileName);
    for (int i = 0; i < stored->count(); ++i)
        names->addItem(fileNameOf(stored->item(i)->text()));
}

void Renaming::RenameFile()
{
    auto* box = controls.get<QLineEdit>(QStringLiteral("Text6"), 29);
    const QString newName = renamedFileName(box->text());
    if (newName.isEmpty())
        return;
    box->setText(newName);
    const QString problem = renameProblem(newName);
    auto* names = controls.get<QListWidget>(QStringLiteral("List3"), 3);
    auto* stored = controls.get<QListWidget>(QStringLiteral("List3"), 4);
    const int n = names->currentRow();
    if (!problem.isEmpty()) {
        ws.dlg.MsgBox(problem);
    } else if (n >= 0 && names->item(n)->isSelected() && n < ws.documentCount() && n < stored->count()) {
        const QString old = stored->item(n)->text();
        const QString folderPart = old.left(old.size() - names->item(n)->text().size());
        const QString newStored = folderPart + newName;
        Document& d = ws.doc(n);
        const QString onDisk = newStored.startsWith(QLatin1Char('/')) ? newStored : d.folder + QLatin1Char('/') + newStored;
        if (!QFileInfo::exists(onDisk)
            || ws.dlg.MsgBox(QStringLiteral("既に同じ名前のファイルがあります、同じ名前にしますか？"), MsgButtons::YesNo) == MsgResult::Yes) {
            names->item(n)->setText(newName);
            stored->item(n)->setText(newStored);
            d.fileName = newStored;
            ws.showDocumentName(n);
            // No file of the new name exists yet: the document counts as changed, so that
            // closing it or quitting asks to save it.
            d.modified = true;
        }
    }
    box->clear();
}

void Renaming::List3_Click(int row)
{
    auto* names = controls.get<QListWidget>(QStringLiteral("List3"), 3);
    if (row >= 0 && row < names->count())
        controls.get<QLineEdit>(QStringLiteral("Text6"), 29)->setText(names->item(row)->text());
}

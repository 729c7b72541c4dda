#include "wizards/Pickers.h"
#include "wizards/WizardProcedures.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Procedures.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelTexts.h"
#include "workspace/Workspace.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// The colour codes of the colour buttons 3 to 10 beside the boxes.
constexpr int ColourButtonCodes[] = {7, 9, 10, 18, 21, 20, 26, 23};

} // namespace

Pickers::Pickers(Workspace& workspace, ControlRegistry& controlRegistry, Procedures& procedures)
    : ws(workspace)
    , controls(controlRegistry)
    , procs(procedures)
{
    OpenColorPicker = [this](int code) {
        if (procs.defined(procedure::OpenColourPickerFor))
            procs.call(procedure::OpenColourPickerFor, code);
    };
    connectButtons();
}

void Pickers::connectButtons()
{
    const auto onClick = [this](const QString& name, int index, std::function<void()> handler) {
        if (auto* b = qobject_cast<QPushButton*>(controls.find(name, index)))
            connect(b, &QPushButton::clicked, this, std::move(handler));
    };
    // The buttons of panels built so far; cmdwav(6) to cmdwav(10) lie on automatic creation's
    // settings panel, whose owner connects them to its own colour handler.
    for (int i = 0; i <= 2; ++i)
        onClick(QStringLiteral("cmdwav"), i, [this, i] { chooseMediaFile(i); });
    for (int i = 3; i <= 10; ++i)
        onClick(QStringLiteral("cmdwav"), i, [this, i] { pickColourOfButton(i); });
    onClick(QStringLiteral("Command3"), ControlRegistry::NoIndex, [this] { pickMarqueeBackgroundColour(); });
    onClick(QStringLiteral("Command11"), ControlRegistry::NoIndex, [this] { pickRuleColour(); });
    onClick(QStringLiteral("Command25"), ControlRegistry::NoIndex, [this] { pickCellBackgroundColour(); });
    for (int i = 0; i < 3; ++i)
        onClick(QStringLiteral("Command30"), i, [this, i] { pickTableBorderColour(i); });
    onClick(QStringLiteral("Command7"), 0, [this] { pickFrameBorderColour(); });
    if (auto* b = qobject_cast<QPushButton*>(controls.find(font_panel::AddFontButton)))
        connect(b, &QPushButton::clicked, this, [this] { addChosenFont(); });
    if (auto* b = qobject_cast<QPushButton*>(controls.find(font_panel::RemoveFontButton)))
        connect(b, &QPushButton::clicked, this, [this] { removeSelectedFont(); });
}

void Pickers::openPicker(int code)
{
    if (OpenColorPicker)
        OpenColorPicker(code);
}

void Pickers::pickColourOfButton(int button)
{
    if (button < 3 || button > 10)
        return;
    openPicker(ColourButtonCodes[button - 3]);
    // The font colour stays empty until a colour is picked.
    if (button == 3)
        controls.get<QLineEdit>(QStringLiteral("Text6"), 7)->clear();
}

void Pickers::chooseMediaFile(int button)
{
    struct FileButton {
        QString title;
        QString filter;
        int box;
    };
    static const FileButton buttons[] = {
        {QStringLiteral("音楽ファイルの設定"), QStringLiteral("WAVファイル (*.wav)|*.wav|"), 1},
        {QStringLiteral("ムービーファイルの設定"), QStringLiteral("AVIファイル (*.avi)|*.avi|"), 4},
        {QStringLiteral("画像ファイルの設定"), paneltext::imageFilesFilter(), 5},
    };
    if (button < 0 || button > 2)
        return;
    const FileButton& b = buttons[button];
    FileDialogRequest request;
    request.title = b.title;
    request.filter = b.filter;
    const auto chosen = ws.dlg.ShowOpen(request);
    if (!chosen || chosen->isEmpty())
        return;
    controls.get<QLineEdit>(QStringLiteral("Text6"), b.box)->setText(*chosen);
    if (button == 2 && InsertBgImage)
        InsertBgImage();
}

void Pickers::pickMarqueeBackgroundColour()
{
    openPicker(100);
}

void Pickers::pickRuleColour()
{
    QWidget* mini = controls.get<QWidget>(QStringLiteral("Frmc"));
    mini->hide();
    openPicker(101);
    mini->show();
}

void Pickers::pickCellBackgroundColour()
{
    openPicker(102);
    if (procs.defined(procedure::ShowColourPicker))
        procs.call(procedure::ShowColourPicker);
}

void Pickers::pickTableBorderColour(int box)
{
    openPicker(110 + box);
}

void Pickers::pickFrameBorderColour()
{
    openPicker(120);
}

void Pickers::addChosenFont()
{
    // Screen and printer fonts of fixed pitch, as the font panel has always offered.
    const auto font = ws.dlg.ShowFont(FontChoice{}, true);
    if (!font || font->name.isEmpty())
        return;
    controls.get<QListWidget>(font_panel::FontList)->addItem(font->name);
}

void Pickers::removeSelectedFont()
{
    auto* list = controls.get<QListWidget>(font_panel::FontList);
    const int row = list->currentRow();
    if (row < 0 || !list->item(row)->isSelected())
        return;
    delete list->takeItem(row);
}

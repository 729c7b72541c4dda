#include "wizards/Pickers.h"
#include "wizards/WizardProcedures.h"

#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Procedures.h"
#include "wizards/AutoSettingsColourControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/PanelTexts.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"
#include "wizards/EasyPanelInputs.h"
#include "wizards/FramesWizardControls.h"
#include "wizards/MiniPanelControls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// The colour buttons beside the boxes, with the code of the box the colour picker fills. The ones
// of automatic creation's settings panel are built after these buttons are connected; their
// owner connects them.
struct ColourButton {
    ControlId button;
    int code;
};
constexpr ColourButton ColourButtons[] = {
    {font_colour_panel::ColourButton, 7},
    {body_colours_panel::TextColourButton, 9},
    {body_colours_panel::BackgroundButton, 10},
    {auto_settings::HeadingColourButton, 18},
    {auto_settings::BodyBackgroundButton, 21},
    {auto_settings::BodyTextColourButton, 20},
    {auto_settings::RuleColourButton, 26},
    {auto_settings::NavigationBackgroundButton, 23},
};

// The file buttons of the sound, movie and background image panels.
constexpr ControlId FileButtons[] = {background_sound_panel::ChooseFileButton, movie_panel::ChooseFileButton,
                                     background_image_panel::ChooseFileButton};

// The colour buttons of the table's border, light and dark colours.
constexpr ControlId TableColourButtons[] = {table_panel::BorderColourButton, table_panel::LightColourButton,
                                            table_panel::DarkColourButton};

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
    const auto onClick = [this](ControlRef button, std::function<void()> handler) {
        if (auto* b = qobject_cast<QPushButton*>(controls.find(button)))
            connect(b, &QPushButton::clicked, this, std::move(handler));
    };
    // The buttons of panels built so far.
    for (int i = 0; i < 3; ++i)
        onClick(FileButtons[i], [this, i] { chooseMediaFile(i); });
    for (const ColourButton& b : ColourButtons)
        onClick(b.button, [this, b] { pickColourOfButton(b.button); });
    onClick(marquee_panel::BackgroundButton, [this] { pickMarqueeBackgroundColour(); });
    onClick(rule_panel::ColourButton, [this] { pickRuleColour(); });
    onClick(table_panel::CellBackgroundButton, [this] { pickCellBackgroundColour(); });
    for (int i = 0; i < 3; ++i)
        onClick(TableColourButtons[i], [this, i] { pickTableBorderColour(i); });
    onClick(frames_wizard::BorderColourButton, [this] { pickFrameBorderColour(); });
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

void Pickers::pickColourOfButton(ControlId button)
{
    for (const ColourButton& b : ColourButtons) {
        if (b.button != button)
            continue;
        openPicker(b.code);
        // The font colour stays empty until a colour is picked.
        if (b.code == 7)
            controls.get<QLineEdit>(font_colour_panel::ColourBox)->clear();
        return;
    }
}

void Pickers::chooseMediaFile(int button)
{
    struct FileButton {
        QString title;
        QString filter;
        ControlId box;
    };
    static const FileButton buttons[] = {
        {QStringLiteral("音楽ファイルの設定"), QStringLiteral("WAVファイル (*.wav)|*.wav|"), background_sound_panel::FileBox},
        {QStringLiteral("ムービーファイルの設定"), QStringLiteral("AVIファイル (*.avi)|*.avi|"), movie_panel::FileBox},
        {QStringLiteral("画像ファイルの設定"), paneltext::imageFilesFilter(), background_image_panel::FileBox},
    };
    if (button < 0 || button > 2)
        return;
    const FileButton& b = buttons[button];
    FileDialogRequest request;
    request.title = b.title;
    request.filter = b.filter;
    const auto chosen = ws.dlg.getOpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    controls.get<QLineEdit>(b.box)->setText(*chosen);
    if (button == 2 && insertBackgroundImage)
        insertBackgroundImage();
}

void Pickers::pickMarqueeBackgroundColour()
{
    openPicker(100);
}

void Pickers::pickRuleColour()
{
    QWidget* mini = controls.get<QWidget>(mini_panel::Panel);
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
    const auto font = ws.dlg.getFont(FontChoice{}, true);
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

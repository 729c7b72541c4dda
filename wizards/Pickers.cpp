#include "wizards/Pickers.h"

#include "editor/ColourPicking.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
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

// The colour buttons beside the boxes of the font colour and body colours panels, with the box
// each fills.
struct ColourButton {
    ControlId button;
    ControlId box;
};
constexpr ColourButton ColourButtons[] = {
    {font_colour_panel::ColourButton, font_colour_panel::ColourBox},
    {body_colours_panel::TextColourButton, body_colours_panel::TextColourBox},
    {body_colours_panel::BackgroundButton, body_colours_panel::BackgroundBox},
};

// The file buttons of the sound, movie and background image panels.
constexpr ControlId FileButtons[] = {background_sound_panel::ChooseFileButton, movie_panel::ChooseFileButton,
                                     background_image_panel::ChooseFileButton};

// The colour buttons of the table's border, light and dark colours.
constexpr ControlId TableColourButtons[] = {table_panel::BorderColourButton, table_panel::LightColourButton,
                                            table_panel::DarkColourButton};

} // namespace

Pickers::Pickers(Workspace& workspace, ControlRegistry& controlRegistry, ColourPicking& colourPicker)
    : ws(workspace)
    , controls(controlRegistry)
    , picker(colourPicker)
{
    connectButtons();
}

void Pickers::connectButtons()
{
    const auto onClick = [this](ControlRef button, std::function<void()> handler) {
        if (auto* b = qobject_cast<QPushButton*>(controls.find(button)))
            connect(b, &QPushButton::clicked, this, std::move(handler));
    };
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

void Pickers::pickColourInto(ControlId box, QList<ControlId> emptied, ColourRequest::LessonWindow lessonWindow)
{
    ColourRequest request;
    request.deliver = [this, box, emptied](const PickedColour& colour) {
        controls.get<QLineEdit>(box)->setText(colour.chosen);
        for (ControlId other : emptied)
            controls.get<QLineEdit>(other)->clear();
    };
    request.lessonWindow = lessonWindow;
    picker.pickColour(std::move(request));
}

void Pickers::pickColourOfButton(ControlId button)
{
    for (const ColourButton& b : ColourButtons) {
        if (b.button != button)
            continue;
        pickColourInto(b.box);
        // The font colour stays empty until a colour is picked.
        if (b.box == font_colour_panel::ColourBox)
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
    pickColourInto(marquee_panel::BackgroundBox, {}, ColourRequest::LessonWindow::ToFrontBeforeHiding);
}

void Pickers::pickRuleColour()
{
    QWidget* mini = controls.get<QWidget>(mini_panel::Panel);
    mini->hide();
    pickColourInto(rule_panel::ColourBox);
    mini->show();
}

void Pickers::pickCellBackgroundColour()
{
    pickColourInto(table_panel::CellBackgroundBox);
    picker.showPicker();
}

void Pickers::pickTableBorderColour(int box)
{
    // The single border colour and the light and dark pair exclude each other: choosing one
    // side empties the other.
    switch (box) {
    case 0:
        pickColourInto(table_panel::BorderColourBox, {table_panel::LightColourBox, table_panel::DarkColourBox});
        break;
    case 1:
        pickColourInto(table_panel::LightColourBox, {table_panel::BorderColourBox});
        break;
    case 2:
        pickColourInto(table_panel::DarkColourBox, {table_panel::BorderColourBox});
        break;
    default:
        break;
    }
}

void Pickers::pickFrameBorderColour()
{
    pickColourInto(frames_wizard::BorderColourBox);
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

#include "editor/EditorFonts.h"

#include "editor/Colouring.h"
#include "editor/EditorControls.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "workspace/Workspace.h"

#include <QPlainTextEdit>

namespace {
// The font the font dialog starts with when none is stored.
const QString DefaultFontName = QStringLiteral("ＭＳ ゴシック");
} // namespace

EditorFonts::EditorFonts(Workspace& workspace, Colouring& colouring, ControlRegistry& controlRegistry)
    : ws(workspace)
    , colour(colouring)
    , controls(controlRegistry)
{
    QObject::connect(&ws, &Workspace::documentAdded, &colour.scheme, [this](int n) { prepareNewDocument(n); });
}

void EditorFonts::declareMenu(CommandRegistry& commands)
{
    commands.addMenuBarMenu(font_menu::Menu, QStringLiteral("フォントの設定"));
    std::vector<CommandItem> items = {
        {0, QStringLiteral("エディターフォントの設定")},
        {1, QStringLiteral("フォントカラーＡ")},
        {2, QStringLiteral("フォントカラーＢ")},
        {3, QStringLiteral("フォントカラーＣ")},
        {4, QStringLiteral("フォントカラーＤ")},
        {5, QStringLiteral("-")},
        {6, QStringLiteral("解説窓のフォントの設定")},
    };
    items[0].handler = [this] { chooseEditorFont(); };
    items[0].id = font_menu::EditorFont;
    for (int i = 1; i <= 4; ++i) {
        CommandItem& item = items[static_cast<size_t>(i)];
        item.choice = &colour.scheme;
        item.choiceValue = i;
        item.handler = [this, i] { applyColourScheme(i); };
        item.id = font_menu::colourScheme(i);
    }
    items[6].handler = [this] { chooseExplanationFont(); };
    items[6].id = font_menu::ExplanationFont;
    commands.define(font_menu::Menu, items);
}

void EditorFonts::applyStoredFont()
{
    const Settings& settings = ws.state.settings;
    QString fontName = settings.get(setting::FontName);
    if (fontName.isEmpty())
        fontName = QStringLiteral("IPAGothic");
    QFont font(fontName);
    const double size = settings.get(setting::FontSize);
    font.setPointSizeF(size > 0 ? size : 12);
    font.setBold(settings.get(setting::FontBold));
    font.setItalic(settings.get(setting::FontItalic));
    font.setUnderline(settings.get(setting::FontUnderLine));
    ws.sourceEditor(0)->setEditorFont(font);
    colour.recolour(ws.sourceEditor(0));
}

void EditorFonts::prepareNewDocument(int n)
{
    RichEdit* ed = ws.sourceEditor(n);
    if (n > 0)
        ed->setEditorFont(ws.sourceEditor(0)->editorFont());
    colour.recolour(ed);
    if (colour.checkedScheme() == 4 && n == ws.currentIndex())
        applyColourScheme(4);
}

void EditorFonts::applyColourScheme(int scheme)
{
    if (scheme < 1 || scheme > 4)
        return;
    RichEdit* ed = ws.currentEditor();
    const int top = ed->firstVisibleLine();
    const int caret = ed->selectionStart();
    colour.scheme.set(scheme);
    if (scheme == 4) {
        ed->setBackgroundColour(QColor(255, 255, 255));
        colour.recolour(ed);
        if (ed->isEmpty()) {
            // Typing starts in white on black.
            ed->setText(QStringLiteral(" "));
            colour.recolour(ed);
            ed->paintRange(0, 1, QColor(255, 255, 255));
            ed->setSelectionStart(0);
        }
    } else {
        colour.recolour(ed);
    }
    ws.state.settings.set(setting::ColourScheme, scheme);
    ed->setFirstVisibleLine(top);
    ed->setSelectionStart(caret);
    ed->setFirstVisibleLine(top);
}

void EditorFonts::reapplyColourScheme()
{
    applyColourScheme(colour.checkedScheme());
}

void EditorFonts::chooseEditorFont()
{
    Settings& settings = ws.state.settings;
    FontChoice initial;
    initial.name = settings.get(setting::FontName);
    if (initial.name.isEmpty())
        initial.name = DefaultFontName;
    initial.size = settings.get(setting::FontSize);
    const auto chosen = ws.dlg.getFont(initial, true);
    if (!chosen)
        return;
    RichEdit* ed = ws.currentEditor();
    QFont font(chosen->name);
    font.setPointSizeF(chosen->size > 0 ? chosen->size : 12);
    font.setItalic(chosen->italic);
    font.setBold(chosen->bold);
    font.setUnderline(ed->editorFont().underline());
    ed->setEditorFont(font);
    if (ws.currentIndex() == 0) {
        settings.set(setting::FontName, chosen->name);
        settings.set(setting::FontSize, chosen->size);
        settings.set(setting::FontItalic, chosen->italic);
        settings.set(setting::FontBold, chosen->bold);
    }
    colour.recolour(ed);
}

void EditorFonts::chooseExplanationFont()
{
    FontChoice initial;
    initial.name = DefaultFontName;
    const auto chosen = ws.dlg.getFont(initial, true);
    if (!chosen || !explanationFontChosen)
        return;
    QFont font(chosen->name);
    font.setPointSizeF(chosen->size > 0 ? chosen->size : 12);
    font.setItalic(chosen->italic);
    explanationFontChosen(font);
}

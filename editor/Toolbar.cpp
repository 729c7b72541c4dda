#include "editor/Toolbar.h"

#include "editor/EditApply.h"
#include "editor/EditContext.h"
#include "editor/EditMenu.h"
#include "editor/EditMenuItems.h"
#include "editor/EditorMenus.h"
#include "editor/EditMessages.h"
#include "editor/Insertion.h"
#include "editor/PasteMode.h"
#include "editor/ToolbarWraps.h"
#include "editor/UndoRing.h"
#include "platform/CommandRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/StateValue.h"
#include "platform/TabStrip.h"
#include "platform/TextRules.h"
#include "workspace/DocumentFiles.h"
#include "workspace/DocumentText.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QStandardPaths>
#include <QToolBar>
#include <QUrl>

namespace {

// Icons of the freedesktop naming scheme, in the order of the buttons; "" for a button that
// shows its key as text because no icon says what it does.
const char* const IconNames[] = {
    "document-new", "document-open", "window-close", "document-save", "document-print",
    "edit-undo", "edit-cut", "edit-copy", "edit-paste", "edit-find",
    "", "accessories-dictionary", "format-text-bold", "format-text-italic", "format-text-underline",
    "", "", "format-justify-left", "format-justify-center", "format-justify-right",
    "color-select", "insert-image", "audio-x-generic", "web-browser", "",
};

// Without a desktop theme (a bare session, the offscreen platform) the icons come from the
// freedesktop theme that the setup installs.
void useInstalledIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList installed =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString& p : installed) {
        if (!paths.contains(p))
            paths.append(p);
    }
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
    if (QIcon::fallbackThemeName().isEmpty())
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

QIcon themeIcon(const char* name)
{
    if (!*name)
        return QIcon();
    // The installed theme may carry only the symbolic form of a name.
    const QString n = QString::fromLatin1(name);
    return QIcon::fromTheme(n, QIcon::fromTheme(n + QStringLiteral("-symbolic")));
}

} // namespace

ToolbarButtons::ToolbarButtons(EditContext& context, QToolBar* bar, PasteMode& pasteMode, EditMenu& editMenu,
                               DocumentFiles& documentFiles)
    : ctx(context)
    , paste(pasteMode)
    , edit(editMenu)
    , files(documentFiles)
    , buttons_(new QMenu(bar))
{
    // Runs a command between an undo snapshot and the emptying of the editor's undo buffer.
    const auto framed = [this](std::function<void()> command) {
        return [this, command = std::move(command)] {
            ctx.undo.takeSnapshot();
            command();
            ctx.emptyUndoBuffer();
        };
    };
    actions_ = {
        {QStringLiteral("新規挿入"), [this] { ctx.ws.addDocument(); }},
        {QStringLiteral("開く"), [this] { Q_EMIT openFileRequested(); }},
        {QStringLiteral("閉じる"), [this] { files.closeDocument(); }},
        {QStringLiteral("上書き保存"), [this] { files.save(); }},
        {QStringLiteral("印刷"), [this] { Q_EMIT printRequested(); }},
        {QStringLiteral("元に戻す"), [this] {
             paste.endPasteMode();
             ctx.undo.stepBack();
         }},
        {QStringLiteral("切り取り"), [this] { edit.cutSelection(); }},
        {QStringLiteral("ｺﾋﾟｰ"), [this] { edit.copySelection(); }},
        {QStringLiteral("貼り付け"), [this] {
             paste.endPasteMode();
             ctx.insert.pasteClipboard();
         }},
        {QStringLiteral("検索"), [this] { edit.openSearchPanel(); }},
        {QStringLiteral("改行"), framed([this] { ctx.insert.insertLineBreakTag(); })},
        {QStringLiteral("タグ"), [this] {
             RichEdit* ed = ctx.ws.currentEditor();
             Q_EMIT tagLookUpRequested(ed->selectionLength() != 0 ? ed->selectedText() : QString());
         }},
        {QStringLiteral("太字"), framed([this] { setTextStyle(1); })},
        {QStringLiteral("斜体"), framed([this] { setTextStyle(2); })},
        {QStringLiteral("下線"), framed([this] { setTextStyle(3); })},
        {QStringLiteral("左揃え"), framed([this] { alignAtCaret(1); })},
        {QStringLiteral("中央揃え"), framed([this] { alignAtCaret(2); })},
        {QStringLiteral("右揃え"), framed([this] { alignAtCaret(3); })},
        {QStringLiteral("文字大"), framed([this] { changeFontSize(1); })},
        {QStringLiteral("文字少"), framed([this] { changeFontSize(2); })},
        {QStringLiteral("色の設定"), [this] {
             // The selection stays in view while the picker has the focus; the colour comes later.
             ctx.ws.currentEditor()->setSelectionHidden(false);
             Q_EMIT colourPickerRequested();
             ctx.emptyUndoBuffer();
         }},
        {QStringLiteral("画像"), framed([this] { Q_EMIT imagePanelRequested(); })},
        {QStringLiteral("音楽"), framed([this] { Q_EMIT backgroundSoundPanelRequested(); })},
        {QStringLiteral("ブラウザー"), [this] { showInBrowser(); }},
        {QStringLiteral("貼"), [this] { paste.toggle(); }},
    };
    declareButtons(bar);
}

void ToolbarButtons::declareButtons(QToolBar* bar)
{
    useInstalledIconTheme();
    ctx.commands.addMenu(toolbar::Buttons, buttons_);
    const auto table = toolbarButtons();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const QString key = QString::fromUtf8(table[static_cast<size_t>(i)].key);
        CommandItem item{i, key};
        item.handler = [this, key] { pressButton(key); };
        item.id = table[static_cast<size_t>(i)].id;
        ctx.commands.add(toolbar::Buttons, item);
        QAction* a = ctx.commands.action(item.id);
        a->setToolTip(QString::fromUtf8(table[static_cast<size_t>(i)].tip));
        a->setIcon(themeIcon(IconNames[i]));
        bar->addAction(a);
    }
    // The paste-mode button shows whether paste mode is on.
    QAction* pasteButton = ctx.commands.action(toolbar::PasteMode);
    pasteButton->setCheckable(true);
    QObject::connect(&paste.active, &BoolState::changed, pasteButton, &QAction::setChecked);
}

void ToolbarButtons::pressButton(const QString& key)
{
    TabStrip& strip = ctx.ws.tabStrip();
    const int tab = strip.currentIndex();
    if (tab >= 1 && Workspace::isPreviewTab(tab))
        strip.setCurrentIndex(tab - 1);
    for (const auto& [k, action] : actions_) {
        if (k == key) {
            action();
            return;
        }
    }
}

void ToolbarButtons::wrapSelection(SelectionWrap wrapOf, int mode)
{
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionLength() == 0)
        return;
    ctx.undo.takeSnapshot();
    if (const auto wrap = wrapOf(mode, ed->text(), selectionOf(ed)))
        insertWrap(ctx.insert, ed, *wrap);
}

void ToolbarButtons::setTextStyle(int mode)
{
    wrapSelection(textStyleWrap, mode);
}

void ToolbarButtons::changeFontSize(int mode)
{
    wrapSelection(fontSizeWrap, mode);
}

void ToolbarButtons::alignAtCaret(int mode)
{
    RichEdit* ed = ctx.ws.currentEditor();
    if (ed->selectionStart() == 0)
        return;
    ctx.undo.takeSnapshot();
    if (const auto wrap = alignWrap(mode, selectionOf(ed)))
        insertWrap(ctx.insert, ed, *wrap);
}

void ToolbarButtons::showInBrowser()
{
    Workspace& ws = ctx.ws;
    if (textrules::trimBlanks(ws.currentEditor()->text()).isEmpty())
        return;
    Document& d = ws.current();
    if (d.folder.isEmpty())
        d.folder = ws.state.programFolder;
    const QString path = ws.tempPagePath(ws.currentIndex());
    if (!ws.writePage(path, fullText(d), d.encoding)) {
        ws.dlg.message(editmsg::BrowserPageNotWritten + CrLf + path);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ws.dlg.message(editmsg::BrowserNotStarted + CrLf + path);
}

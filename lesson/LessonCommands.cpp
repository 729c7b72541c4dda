#include "lesson/LessonCommands.h"

#include "editor/Colouring.h"
#include "editor/EditorMenus.h"
#include "lesson/LessonWindow.h"
#include "lesson/LessonTexts.h"
#include "platform/CommandRegistry.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "stylesheet/ListChoice.h"
#include "stylesheet/StylesheetControls.h"
#include "stylesheet/StylesheetTools.h"
#include "toolwindows/ColourPickerControls.h"
#include "wizards/AdvancedPanelControls.h"
#include "toolwindows/ColourPickerWindow.h"
#include "wizards/Dispatcher.h"
#include "wizards/Generators.h"
#include "wizards/EasyMenu.h"
#include "workspace/DocumentFiles.h"
#include "workspace/PanelKit.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"
#include "wizards/AdvancedPanelInputs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

using lesson::Run;
using lesson::Word;

namespace {


// A picture the script names is copied only under its bare name.
bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") && !name.contains(u'/')
        && !name.contains(u'\\');
}

// The lesson knows a document by its editor, which stays the same while the document is open.
const RichEdit* editorOf(const Workspace& ws, int n)
{
    return ws.sourceEditor(n);
}

} // namespace

QString lessonFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/lesson");
}

class LessonCommands::PopupPresses : public QObject {
public:
    PopupPresses(LessonCommands& commands, QWidget& window)
        : QObject(&window)
        , commands_(commands)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* popup = commands_.openPopup();
        if (event->type() != QEvent::MouseButtonPress || !popup || watched != popup)
            return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        QPushButton* button = popup->rect().contains(popup->mapFromGlobal(at)) ? nullptr : buttonAt(at);
        if (!button)
            return false;
        // Once the press is over: the popup closes and the button does its work.
        QTimer::singleShot(0, this, [this, button = QPointer<QPushButton>(button)] {
            commands_.closePopups();
            if (button)
                button->click();
        });
        return true;
    }

private:
    QPushButton* buttonAt(const QPoint& global) const
    {
        if (!window_.isVisible())
            return nullptr;
        for (QPushButton* button : window_.findChildren<QPushButton*>()) {
            if (button->isVisible() && button->isEnabled() && button->rect().contains(button->mapFromGlobal(global)))
                return button;
        }
        return nullptr;
    }

    LessonCommands& commands_;
    QWidget& window_;
};

LessonCommands::LessonCommands(const LessonContext& context, LessonWindow& lessonWindow)
    : ctx(context)
    , window(lessonWindow)
    , presses_(new PopupPresses(*this, lessonWindow))
{
}

void LessonCommands::serveEvents()
{
    QCoreApplication::processEvents();
}

Run LessonCommands::execute(const lesson::Command& c)
{
    switch (run(c)) {
    case Outcome::Front:
        bringWindowToFront();
        return Run::Ok;
    case Outcome::EndsAtOnce: return Run::Ok;
    case Outcome::Failed: return Run::Failed;
    case Outcome::Stopped: return Run::Stopped;
    }
    return Run::Ok;
}

LessonCommands::Outcome LessonCommands::run(const lesson::Command& c)
{
    const QString a = c.arguments.value(0);
    switch (c.word) {
    case Word::Stop: return Outcome::EndsAtOnce;
    case Word::Explanation: window.showExplanation(c.text); return Outcome::Front;
    case Word::Init: return init(a);
    case Word::Write: return writeIntoEditor(c.text);
    case Word::InsertTab:
        return addOwnDocument([this] { ctx.ws.addDocument(lessonFolder(ctx.ws.state.programFolder)); });
    case Word::RenameTab: return renameTab();
    case Word::Menu: return menu(textrules::trimBlanks(a));
    case Word::ElementKind: return elementKind(a);
    case Word::ElementDropDown: return elementDropDown();
    case Word::ElementPick: return elementPick(a);
    case Word::Category: return chooseEntry(css_builder::CategoryList, a);
    case Word::Property: return chooseEntry(css_builder::PropertyList, a);
    case Word::Value: return chooseValue(a);
    case Word::ColourName: return basicColour(a);
    case Word::Image: return image(a);
    case Word::InsertImage: ctx.generators.insertImage(); return Outcome::Front;
    case Word::OkClick: ctx.dispatcher.press(ExecuteButton::MakeRuleWithSelector); return Outcome::Front;
    case Word::InsertStyle:
        ctx.dispatcher.press(ExecuteButton::InsertStyleText);
        serveEvents();
        return Outcome::Front;
    case Word::End:
    case Word::BuilderOff:
    case Word::CloseBuilder: showBuilder(false); return Outcome::Front;
    case Word::BuilderOn: showBuilder(true); return Outcome::Front;
    case Word::Percent: return fillNumber(a, QStringLiteral("%"));
    case Word::Point: return fillNumber(a, QStringLiteral("pt"));
    case Word::Em: return fillNumber(a, QStringLiteral("em"));
    case Word::TabSel: return tabSel(a);
    case Word::Link: ctx.dispatcher.press(ExecuteButton::InsertCssLink); return Outcome::Front;
    case Word::SelectHtml: return selectInFirst(a, QString(), false);
    case Word::SelectRange: return selectInFirst(a, c.arguments.value(1), true);
    case Word::ListShow: return listShow();
    case Word::ListSel: return listSel(a);
    case Word::ClassPick: return classPick(a);
    case Word::StyleClear: setControlText(css_builder::StyleTextBox, QString()); return Outcome::Front;
    case Word::ColourNameWide: return namedColour(a);
    case Word::ClassName: setControlText(css_builder::SelectorBox, QStringLiteral(".") + a); return Outcome::Front;
    case Word::CaretToStylesheetEnd: return caretToStylesheetEnd();
    }
    return Outcome::Front;
}

void LessonCommands::setControlText(ControlId id, const QString& text)
{
    QObject* box = ctx.controls.find(id);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        ctx.controls.get<QPlainTextEdit>(id)->setPlainText(text);
}

void LessonCommands::showBuilder(bool show)
{
    auto* builder = ctx.controls.get<QWidget>(css_builder::Panel);
    if (!show) {
        builder->hide();
        return;
    }
    builder->show();
    builder->raise();
}

// ---- the documents ----

bool LessonCommands::isOwn(int n) const
{
    const RichEdit* editor = editorOf(ctx.ws, n);
    return std::any_of(own_.begin(), own_.end(), [editor](const QPointer<const RichEdit>& e) { return e == editor; });
}

bool LessonCommands::ownsDocuments() const
{
    return std::any_of(own_.begin(), own_.end(), [](const QPointer<const RichEdit>& e) { return !e.isNull(); });
}

std::vector<int> LessonCommands::usersUnsavedWork() const
{
    std::vector<int> unsaved;
    for (int i = 0; i < ctx.ws.documentCount(); ++i) {
        if (ctx.files.needsSaveQuestion(i) && !isOwn(i))
            unsaved.push_back(i);
    }
    return unsaved;
}

bool LessonCommands::takeOverDocuments()
{
    const std::vector<int> unsaved = usersUnsavedWork();
    if (!unsaved.empty()) {
        if (ctx.ws.dlg.message(QStringLiteral("全て初期化していいですか？"), MsgButtons::YesNo) != MsgResult::Yes)
            return false;
        // Each document is shown while it is asked about; a cancel leaves the tab that was shown.
        const int shown = ctx.ws.tabStrip().currentIndex();
        for (int n : unsaved) {
            ctx.ws.selectSourceTab(n);
            if (!ctx.files.askSaveFirst(n)) {
                ctx.ws.tabStrip().setCurrentIndex(shown);
                return false;
            }
        }
    }
    own_.clear();
    for (int i = 0; i < ctx.ws.documentCount(); ++i)
        own_.emplace_back(editorOf(ctx.ws, i));
    return true;
}

LessonCommands::Outcome LessonCommands::init(const QString& argument)
{
    const QString folder = lessonFolder(ctx.ws.state.programFolder);
    if (!QDir().mkpath(folder)) {
        ctx.ws.dlg.message(lesson_texts::folderUnwritable(folder));
        return Outcome::Failed;
    }
    const QString stylesheet = folder + QLatin1Char('/') + lesson_texts::stylesheetName();
    if (QFileInfo::exists(stylesheet) && !QFile::remove(stylesheet)) {
        ctx.ws.dlg.message(lesson_texts::folderUnwritable(folder));
        return Outcome::Failed;
    }
    if (!takeOverDocuments())
        return Outcome::Stopped;
    ctx.files.clearAll();
    // What is left is the first document, cleared: the lesson's page, in the lesson's folder
    // before anything writes its page.
    own_.assign(1, editorOf(ctx.ws, 0));
    ctx.ws.nameDocument(0, folder, ctx.ws.doc(0).fileName);
    if (argument.size() < 4)
        return Outcome::Failed;
    const int n = lesson::numberOf(argument.mid(4));
    if (n < 0 || n >= ctx.ws.documentCount())
        return Outcome::Failed;
    ctx.ws.sourceEditor(n)->setText(QString());
    ctx.ws.tabStrip().setCurrentIndex(1);
    ctx.ws.setCurrentIndex(0);
    if (ctx.ws.tabCount() < 3)
        ctx.commands.invoke(easy_menu::InsertPageSkeleton);
    else
        ctx.ws.sourceEditor(1)->setText(QString());
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::writeIntoEditor(const QString& text)
{
    RichEdit* ed = ctx.ws.currentEditor();
    const int body = static_cast<int>(ed->text().indexOf(QStringLiteral("<BODY>")));
    // Just after the tag; in a page without one, at position 5.
    const int at = body < 0 ? 5 : body + 6;
    ed->setSelectionStart(std::min(at, ed->textLength()));
    ed->replaceSelection(text);
    ctx.colour.recolourCurrent();
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::renameTab()
{
    setControlText(stylesheet_name_panel::NameBox, lesson_texts::stylesheetName());
    return addOwnDocument([this] { ctx.stylesheet.menu.createStylesheet(); });
}

LessonCommands::Outcome LessonCommands::addOwnDocument(const std::function<void()>& add)
{
    const int before = ctx.ws.documentCount();
    add();
    if (ctx.ws.documentCount() <= before)
        return Outcome::Failed;
    own_.emplace_back(editorOf(ctx.ws, ctx.ws.documentCount() - 1));
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::tabSel(const QString& argument)
{
    serveEvents();
    const int n = lesson::numberOf(argument);
    Document& first = ctx.ws.doc(0);
    const QString folder = first.folder.isEmpty() ? ctx.ws.state.programFolder : first.folder;
    // The first document's page under its own name: its temporary page while it has no other.
    const QString page = isOwnTempPageName(first.fileName) ? ctx.ws.tempPagePath(0) : folder + QLatin1Char('/') + first.fileName;
    if (!ctx.ws.writePage(page, first.sourceEditor->text(), first.encoding)) {
        ctx.ws.dlg.message(lesson_texts::pageUnwritable(page));
        return Outcome::Failed;
    }
    serveEvents();
    if (n < 1 || n > ctx.ws.tabCount())
        return Outcome::Failed;
    ctx.ws.tabStrip().setCurrentIndex(n);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::caretToStylesheetEnd()
{
    if (ctx.ws.documentCount() < 2)
        return Outcome::Failed;
    RichEdit* ed = ctx.ws.sourceEditor(1);
    ed->setSelectionStart(ed->textLength());
    ed->replaceSelection(CrLf);
    ed->setSelectionStart(ed->textLength() - 2);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::selectInFirst(const QString& from, const QString& to, bool range)
{
    RichEdit* ed = ctx.ws.sourceEditor(0);
    const QString text = ed->text();
    const int start = static_cast<int>(text.indexOf(from));
    if (start < 0)
        return Outcome::Failed;
    int length = static_cast<int>(from.size());
    if (range) {
        // From the first character of the one text to the last character of the other.
        const int other = static_cast<int>(text.indexOf(to));
        length = other + static_cast<int>(to.size()) - start;
        if (other < 0 || length < 0)
            return Outcome::Failed;
    }
    ed->select(start, length);
    ed->setSelectionHidden(false);
    serveEvents();
    return Outcome::Front;
}

// ---- menus and popups ----

void LessonCommands::popUp(QMenu* menu, QWidget* over, int xTwips, int yTwips)
{
    closePopups();
    openMenu_ = menu;
    menu->popup(over->mapToGlobal(QPoint(twips::toPixels(xTwips), twips::toPixels(yTwips))));
    menu->installEventFilter(presses_);
}

// The menu opens below its title, as a click on the title in the menu bar opens it.
void LessonCommands::dropDown(QMenu* menu)
{
    QMenuBar* bar = nullptr;
    for (QObject* holder : menu->menuAction()->associatedObjects()) {
        if ((bar = qobject_cast<QMenuBar*>(holder)))
            break;
    }
    if (!bar || !bar->isVisible()) {
        popUp(menu, ctx.mainWindow, 6000, 100);
        return;
    }
    closePopups();
    openMenu_ = menu;
    bar->setActiveAction(menu->menuAction());
    menu->installEventFilter(presses_);
}

QWidget* LessonCommands::openPopup() const
{
    if (openMenu_ && openMenu_->isVisible())
        return openMenu_;
    if (openList_ && openList_->view()->window()->isVisible())
        return openList_->view()->window();
    return nullptr;
}

void LessonCommands::bringWindowToFront()
{
    // A question or a file dialog keeps the front until it is answered.
    if (QApplication::activeModalWidget())
        return;
    window.raise();
    // An open popup menu or list stays in front of the window.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->raise();
}

void LessonCommands::closePopups()
{
    if (openMenu_) {
        openMenu_->removeEventFilter(presses_);
        if (openMenu_->isVisible())
            openMenu_->hide();
    }
    if (openList_) {
        openList_->view()->window()->removeEventFilter(presses_);
        openList_->hidePopup();
    }
    openMenu_.clear();
    openList_.clear();
}

LessonCommands::Outcome LessonCommands::menu(const QString& argument)
{
    if (argument == QStringLiteral("css")) {
        if (!window.running)
            dropDown(ctx.commands.menu(stylesheet_menu::Menu));
    } else if (argument == QStringLiteral("プロパティ")) {
        ctx.commands.invoke(stylesheet_menu::ShowCssBuilder);
    } else if (argument == QStringLiteral("リンク")) {
        ctx.commands.invoke(stylesheet_menu::LinkStylesheet);
    } else if (argument == QStringLiteral("SELMENU")) {
        markSampleStylesheetItem();
    } else if (argument == QStringLiteral("CSS定義ファイルを挿入する（例文なし)")) {
        ctx.commands.invoke(stylesheet_menu::CreateEmptyStylesheet);
    }
    return Outcome::Front;
}

// The item shows the mark from then on; a click on it keeps the mark.
void LessonCommands::markSampleStylesheetItem()
{
    if (!markShown_) {
        markShown_ = true;
        QAction* item = ctx.commands.action(stylesheet_menu::InsertSampleStylesheet);
        const auto show = [item](bool on) {
            item->setCheckable(on);
            item->setChecked(on);
        };
        QObject::connect(&sampleStylesheetItemMark, &BoolState::changed, item, show);
        show(sampleStylesheetItemMark.value());
    }
    sampleStylesheetItemMark.set(true);
}

LessonCommands::Outcome LessonCommands::listShow()
{
    if (!window.running)
        popUp(ctx.commands.menu(style_popup::Menu), ctx.panels.host(), ctx.ws.popupX, ctx.ws.popupY);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::listSel(const QString& argument)
{
    const int i = lesson::numberOf(argument);
    if (ctx.commands.has(style_popup::Menu, i))
        ctx.commands.invoke(style_popup::Menu, i);
    return Outcome::Front;
}

// ---- the builder ----

LessonCommands::Outcome LessonCommands::elementKind(const QString& argument)
{
    auto* option = qobject_cast<QRadioButton*>(ctx.controls.find(css_builder::SelectorKind, lesson::numberOf(argument) - 4));
    if (!option)
        return Outcome::Failed;
    option->setChecked(true);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::elementDropDown()
{
    if (window.running)
        return Outcome::Front;
    auto* elements = ctx.controls.get<QComboBox>(css_builder::ElementBox);
    closePopups();
    openList_ = elements;
    elements->showPopup();
    elements->view()->window()->installEventFilter(presses_);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::elementPick(const QString& argument)
{
    auto* elements = ctx.controls.get<QComboBox>(css_builder::ElementBox);
    // The first entry that begins with the text, in any case; choosing it in code builds nothing.
    const int found = elements->findText(argument, Qt::MatchStartsWith);
    if (found >= 0)
        elements->setCurrentIndex(found);
    setControlText(css_builder::SelectorBox, argument);
    return Outcome::Front;
}

namespace {

// Selects an entry as a click on it does: the list's own click handling runs.
void choose(QListWidget* list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

template <typename Matches>
int findEntry(const QListWidget* list, Matches matches)
{
    for (int i = 0; i < list->count(); ++i) {
        if (matches(list->item(i)->text()))
            return i;
    }
    return -1;
}

} // namespace

LessonCommands::Outcome LessonCommands::chooseEntry(ControlId listId, const QString& argument)
{
    auto* list = ctx.controls.get<QListWidget>(listId);
    const QString wanted = textrules::trimBlanks(argument);
    const int row = findEntry(list, [&](const QString& entry) { return textrules::trimBlanks(entry) == wanted; });
    if (row >= 0)
        choose(list, row);
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::chooseValue(const QString& argument)
{
    auto* list = ctx.controls.get<QListWidget>(css_builder::ValueList);
    const QString wanted = textrules::trimBlanks(argument);
    const int row = findEntry(list, [&](const QString& entry) { return textrules::trimBlanks(entry).section(u' ', 0, 0) == wanted; });
    if (row >= 0) {
        choose(list, row);
        ctx.stylesheet.builder.writeChosenValue();
    }
    serveEvents();
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::fillNumber(const QString& argument, const QString& unit)
{
    const QString property = chosenText(ctx.controls.get<QListWidget>(css_builder::PropertyList));
    CssBuilder& builder = ctx.stylesheet.builder;
    QString style = builder.styleText();
    style.replace(property + QStringLiteral(":") + unit + QStringLiteral(";"),
                  property + QStringLiteral(":") + argument + unit + QStringLiteral(";"));
    builder.setStyleText(style);
    ctx.controls.get<QWidget>(css_builder::NumberPanel)->hide();
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::image(const QString& argument)
{
    const QString folder = ctx.ws.doc(0).folder;
    setControlText(image_panel::ChosenFileBox, folder + QStringLiteral("/0001.html"));
    setControlText(image_panel::RelativePathBox, argument);
    // The picture goes beside the lesson's pages, so that the page shows it.
    const QString name = textrules::trimBlanks(argument);
    const QString source = ctx.ws.state.resourcePath(name);
    if (isBareFileName(name) && QFileInfo(source).isFile() && !folder.isEmpty()) {
        const QString target = folder + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            ctx.ws.dlg.message(lesson_texts::pageUnwritable(target));
            return Outcome::Failed;
        }
    }
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::classPick(const QString& argument)
{
    auto* list = ctx.controls.get<QListWidget>(class_list::List);
    const int row = findEntry(list, [&](const QString& entry) { return entry == argument; });
    if (row >= 0)
        choose(list, row);
    return Outcome::Front;
}

// ---- the colour picker ----

LessonCommands::Outcome LessonCommands::basicColour(const QString& argument)
{
    ColourPickerWindow& picker = ctx.picker;
    if (!picker.loaded())
        picker.loadPicker();
    const QString wanted = textrules::trimBlanks(argument);
    for (int i = 0; i <= 15; ++i) {
        auto* box = qobject_cast<QLineEdit*>(picker.controls.find(colour_picker::BasicSwatch, i));
        if (!box)
            return Outcome::Failed;
        // The box holds the colour's code, a blank and its name.
        if (textrules::trimBlanks(box->text()).split(u' ').value(1) == wanted) {
            picker.insertBasicColour(i);
            return Outcome::EndsAtOnce;
        }
    }
    return Outcome::Front;
}

LessonCommands::Outcome LessonCommands::namedColour(const QString& argument)
{
    ColourPickerWindow& picker = ctx.picker;
    picker.chooseNamesMode();
    serveEvents();
    for (int i = 0; i <= 200; ++i) {
        auto* box = qobject_cast<QLineEdit*>(picker.controls.find(colour_picker::NameSwatch, i));
        if (!box)
            return Outcome::EndsAtOnce;
        if (box->text() == argument) {
            picker.chooseNamedColour(i);
            picker.insertNamedColour(i);
            return Outcome::EndsAtOnce;
        }
    }
    return Outcome::Front;
}

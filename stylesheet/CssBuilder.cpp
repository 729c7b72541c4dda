#include "stylesheet/CssBuilder.h"

#include "editor/ColourPicking.h"
#include "editor/HelpViewer.h"
#include "editor/Insertion.h"
#include "platform/Dialogs.h"
#include "platform/SharedConstants.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"
#include "platform/TextRules.h"
#include "stylesheet/ListChoice.h"
#include "stylesheet/PanelGeometry.h"
#include "stylesheet/StyleRules.h"
#include "stylesheet/StylesheetControls.h"
#include "wizards/AdvancedMenu.h"
#include "wizards/Dispatcher.h"
#include "wizards/generators/ImageGenerator.h"
#include "workspace/PanelKit.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace {

const QString DictionaryFile = QStringLiteral("css.txt");

// Multi-line boxes hold LF line breaks; the style text is handled with CR LF.
QString fromBox(const QString& text)
{
    QString s = text;
    s.replace(QChar::ParagraphSeparator, u'\n');
    s.replace(QChar::LineSeparator, u'\n');
    return s.replace(QStringLiteral("\n"), CrLf);
}

void setBox(QPlainTextEdit* box, const QString& text)
{
    QString s = text;
    box->setPlainText(s.replace(CrLf, QStringLiteral("\n")));
}

QLabel* captionLabel(QWidget* parent, const QString& text, int left, int top, int width)
{
    auto* label = new QLabel(text, parent);
    twips::SetGeometry(label, left, top, width, 285);
    return label;
}

// The width in twips at which a list shows each of the entries whole beside its scroll bar.
int widthShowingWhole(const QListWidget* list, const QStringList& entries)
{
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (const QString& entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    const QStyle* style = list->style();
    const int itemMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int frame = 2 * list->frameWidth();
    const int bar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    // A pixel of slack on each side, for rounding to twips.
    return twips::fromPixels(widest + itemMargins + frame + bar + 2);
}

} // namespace

CssBuilder::CssBuilder(Workspace& workspace, PanelKit& panels, Dispatcher& dispatcher, Insertion& insertion,
                       HelpViewer& helpViewer, ColourPicking& picker, AdvancedMenu& imagePanelOpener)
    : ws(workspace)
    , controls(panels.controls)
    , insert(insertion)
    , help(helpViewer)
    , colourPicker(picker)
    , imagePanel(imagePanelOpener)
{
    build(panels);
    wireButtons(dispatcher);
    followTabs();
}

// ---- the panel ----

void CssBuilder::build(PanelKit& panels)
{
    frame_ = panels.addPanel(css_builder::Panel, QStringLiteral("ＣＳＳ"));
    twips::SetGeometry(frame_, 1000, 1000, 8775, 7995);
    placed(panels.addTitle(frame_, css_builder::Title, QStringLiteral("ＣＳＳ（スタイルシート）ビルダー")), 50, 180, 8675, 285);
    placed(panels.addExecuteButton(frame_, ExecuteButton::CssBuilderCloseBox, QStringLiteral("×")), 8395, 180, 330, 285);

    captionLabel(frame_, QStringLiteral("項目"), 100, 550, 2000);
    propertiesCaption_ = captionLabel(frame_, QStringLiteral("プロパティ"), 2200, 550, 2000);
    valuesCaption_ = captionLabel(frame_, QStringLiteral("値（ダブルクリックで入力）"), 4300, 550, 4350);
    categories_ = placed(panels.add<QListWidget>(frame_, css_builder::CategoryList), 100, 850, 2000, 2300);
    properties_ = placed(panels.add<QListWidget>(frame_, css_builder::PropertyList), 2200, 850, 2000, 2300);
    values_ = placed(panels.add<QListWidget>(frame_, css_builder::ValueList), 4300, 850, 4350, 2300);
    captionLabel(frame_, QStringLiteral("説明"), 100, 3200, 4150);
    captionLabel(frame_, QStringLiteral("例"), 4350, 3200, 4300);
    description_ = placed(panels.addExplanation(frame_, css_builder::Description), 100, 3500, 4150, 1350);
    example_ = placed(panels.addExplanation(frame_, css_builder::Example), 4350, 3500, 4300, 1350);

    buildSelectorPanel(panels, frame_);

    captionLabel(frame_, QStringLiteral("スタイル"), 100, 5950, 2000);
    style_ = placed(panels.add<QPlainTextEdit>(frame_, css_builder::StyleTextBox), 100, 6250, 6500, 1650);
    style_->setLineWrapMode(QPlainTextEdit::NoWrap);
    placed(panels.addExecuteButton(frame_, ExecuteButton::InsertStyleTextInline, QStringLiteral("ｲﾝﾗｲﾝ挿入")), 6700, 6250, 1950, 375);
    placed(panels.addExecuteButton(frame_, ExecuteButton::InsertStyleText, QStringLiteral("挿入")), 6700, 6675, 1950, 375);
    placed(panels.addExecuteButton(frame_, ExecuteButton::InsertStyleTextInBraces, QStringLiteral("｛｝付き挿入")), 6700, 7100, 1950, 375);
    placed(panels.addExecuteButton(frame_, ExecuteButton::ClearStyleText, QStringLiteral("CL")), 6700, 7525, 950, 375);
    placed(panels.addExecuteButton(frame_, ExecuteButton::ShowCssBuilderHelp, QStringLiteral("説明")), 7700, 7525, 950, 375);

    buildValuePanels(panels, frame_);

    onEntryChosen(categories_, [this] { listPropertiesOfChosenCategory(); });
    onEntryChosen(properties_, [this] { listValuesOfChosenProperty(); });
    onEntryChosen(fonts_, [this] { addChosenFontName(); });
    QObject::connect(values_, &QListWidget::itemDoubleClicked, values_, [this] { writeChosenValue(); });
}

void CssBuilder::buildSelectorPanel(PanelKit& panels, QWidget* frame)
{
    QGroupBox* sub = panels.addPanel(css_builder::SelectorPanel, QStringLiteral("セレクタ"), frame);
    twips::SetGeometry(sub, 100, 4900, 8550, 1000);
    sub->show();
    kindLabel_ = placed(panels.add<QLabel>(sub, css_builder::KindLabel), 100, 280, 1300, 285);
    selector_ = placed(panels.add<QLineEdit>(sub, css_builder::SelectorBox), 1400, 240, 2600, 330);
    elements_ = placed(panels.add<QComboBox>(sub, css_builder::ElementBox), 4100, 240, 2000, 330);
    elements_->setEditable(true);
    elements_->setInsertPolicy(QComboBox::NoInsert);
    elements_->setMaxVisibleItems(20);
    placed(panels.addExecuteButton(sub, ExecuteButton::MakeRuleWithSelector, QStringLiteral("OK")), 6300, 240, 1000, 330);
    placed(panels.addExecuteButton(sub, ExecuteButton::ClearSelector, QStringLiteral("CL")), 7400, 240, 1000, 330);

    auto* group = new QButtonGroup(sub);
    for (int i = 4; i <= 7; ++i) {
        auto* option = placed(new QRadioButton(sub), 100 + (i - 4) * 2000, 620, 1900, 300);
        panels.controls.add(css_builder::SelectorKind, i - 4, option);
        option->setText(css::selectorKind(i)->caption);
        group->addButton(option);
        QObject::connect(option, &QRadioButton::toggled, option, [this, i](bool on) {
            if (on)
                chooseSelectorKind(i);
        });
    }
    // Only a choice from the list builds the selector; a program that selects an entry does not.
    QObject::connect(elements_, &QComboBox::activated, elements_, [this] { addChosenElementToSelector(); });
    elementKind_ = panels.controls.get<QRadioButton>(css_builder::SelectorKind, 0);
    elementKind_->setChecked(true);
}

void CssBuilder::buildValuePanels(PanelKit& panels, QWidget* frame)
{
    fontPanel_ = panels.addPanel(css_builder::FontPanel, QStringLiteral("フォント選択"), frame);
    fonts_ = placed(panels.add<QListWidget>(fontPanel_, css_builder::FontList), 100, 250, 3850, 2450);
    placed(panels.addExecuteButton(fontPanel_, ExecuteButton::CloseCssFontPanel, QStringLiteral("閉じる")), 2950, 2800, 1000, 330);

    // Nothing opens the colour panel; its buttons work for whoever shows it.
    colourPanel_ = panels.addPanel(css_builder::ColourPanel, QStringLiteral("カラーの選択"), frame);
    twips::SetGeometry(colourPanel_, 4095, 2200, 3000, 1200);
    colour_ = placed(panels.add<QLineEdit>(colourPanel_, css_builder::ColourBox), 100, 300, 1500, 330);
    placed(panels.addExecuteButton(colourPanel_, ExecuteButton::PutColourIntoStyleText, QStringLiteral("挿入")), 100, 750, 1000, 330);
    placed(panels.addExecuteButton(colourPanel_, ExecuteButton::CloseCssColourPanel, QStringLiteral("閉じる")), 1200, 750, 1000, 330);

    numberPanel_ = panels.addPanel(css_builder::NumberPanel, QStringLiteral("値を入れて下さい"), frame);
    number_ = placed(panels.add<QLineEdit>(numberPanel_, css_builder::NumberBox), 100, 300, 1000, 330);
    unitLabel_ = placed(panels.add<QLabel>(numberPanel_, css_builder::UnitLabel), 1150, 330, 650, 285);
    placed(panels.addExecuteButton(numberPanel_, ExecuteButton::PutValueIntoStyleText, QStringLiteral("OK")), 100, 700, 1000, 330);
    // Two buttons lie outside the panel's visible area.
    panels.addExecuteButton(numberPanel_, ExecuteButton::UnusedCssValuePanelClose, QStringLiteral("閉じる"))->hide();
    panels.addExecuteButton(numberPanel_, ExecuteButton::InsertLineBreakMark, QStringLiteral("挿入"))->hide();
    QObject::connect(number_, &QLineEdit::returnPressed, number_, [&panels] { panels.press(ExecuteButton::PutValueIntoStyleText); });
}

void CssBuilder::wireButtons(Dispatcher& dispatcher)
{
    dispatcher.setAction(ExecuteButton::CssBuilderCloseBox, [this] {
        frame_->hide();
        wasVisible = false;
    });
    dispatcher.setBranch(ExecuteButton::MakeRuleWithSelector, [this] {
        const css::RuleResult rule = css::frameRule(styleText(), selector_->text());
        if (rule.message) {
            ws.dlg.message(*rule.message);
            return false;
        }
        const bool wasEmpty = textrules::trimBlanks(styleText()).isEmpty();
        setStyleText(rule.text);
        return !wasEmpty;
    });
    dispatcher.setAction(ExecuteButton::CloseCssFontPanel, [this] { fontPanel_->hide(); });
    dispatcher.setAction(ExecuteButton::ClearStyleText, [this] { style_->clear(); });
    dispatcher.setAction(ExecuteButton::CloseCssColourPanel, [this] { colourPanel_->hide(); });
    dispatcher.setAction(ExecuteButton::InsertStyleTextInline, [this] {
        QString s = textrules::trimBlanks(styleText());
        insert.wrapSelection(s.remove(CrLf), QString());
    });
    dispatcher.setAction(ExecuteButton::PutColourIntoStyleText, [this] {
        setStyleText(css::replacePlaceholder(styleText(), colourNotation, colour_->text()));
        colourPanel_->hide();
    });
    dispatcher.setAction(ExecuteButton::InsertStyleText, [this] {
        QString s = textrules::trimBlanks(styleText());
        insert.insertAtCaret(s);
    });
    dispatcher.setAction(ExecuteButton::InsertStyleTextInBraces, [this] {
        insert.wrapSelection(QStringLiteral("{") + CrLf + textrules::trimBlanks(styleText()) + CrLf + QStringLiteral("}"), QString());
    });
    dispatcher.setAction(ExecuteButton::ClearSelector, [this] { selector_->clear(); });
    dispatcher.setAction(ExecuteButton::PutValueIntoStyleText, [this] { numberTyped(); });
    dispatcher.setAction(ExecuteButton::InsertLineBreakMark, [this] { insert.insertLineBreakTag(); });
    dispatcher.setAction(ExecuteButton::ShowCssBuilderHelp, [this] { help.showHelpPage(HelpPage::CssBuilder); });
}

// A preview tab hides the builder; the next source tab shows it again.
void CssBuilder::followTabs()
{
    QObject::connect(&ws.tabStrip(), &TabStrip::tabClicked, frame_, [this] {
        const int tab = ws.tabStrip().currentIndex();
        if (tab < 1)
            return;
        if (Workspace::isPreviewTab(tab)) {
            if (!frame_->isHidden()) {
                frame_->hide();
                wasVisible = true;
            }
            return;
        }
        if (wasVisible)
            frame_->show();
        if (!frame_->isHidden())
            frame_->raise();
    });
}

bool CssBuilder::isBuilderShown() const
{
    return !frame_->isHidden();
}

bool CssBuilder::takeImagePath(const QString& relativePath)
{
    if (!isBuilderShown())
        return false;
    setStyleText(gen::styleTextWithImage(styleText(), relativePath));
    return true;
}

QString CssBuilder::styleText() const
{
    return fromBox(style_->toPlainText());
}

void CssBuilder::setStyleText(const QString& text)
{
    setBox(style_, text);
}

std::optional<CssDictionary> CssBuilder::readDictionary()
{
    const TextReadResult read = readProgramFile(ws.state.resourcePath(DictionaryFile));
    if (!read.ok) {
        ws.dlg.message(DictionaryFile + QStringLiteral("が読めません") + CrLf + ws.state.resourcePath(DictionaryFile));
        return std::nullopt;
    }
    return parseCssDictionary(read.text);
}

// ---- opening and the lists ----

void CssBuilder::showBuilder()
{
    categories_->clear();
    twips::SetGeometry(frame_, 1000, 1000, 8775, 7995);
    frame_->show();
    frame_->raise();
    if (const std::optional<CssDictionary> dictionary = readDictionary()) {
        const QSignalBlocker quiet(categories_);
        categories_->addItems(dictionary->categoryNames());
        fitLists(*dictionary);
    }
    const QSignalBlocker quiet(elements_);
    elements_->clear();
    elements_->addItems(css::builderElements());
    elements_->setCurrentIndex(-1);
}

void CssBuilder::fitLists(const CssDictionary& dictionary)
{
    // The lists keep their places in twips unless the font needs more room: then the category
    // and property lists widen, each pushing the lists right of it, and the value list, whose
    // right edge stays, narrows.
    constexpr int Gap = 100;
    constexpr int ValuesRight = 4300 + 4350;
    QStringList properties;
    for (const QString& category : dictionary.categoryNames())
        properties += dictionary.propertyNames(category);
    const int categoriesWidth = std::max(2000, widthShowingWhole(categories_, dictionary.categoryNames()));
    const int propertiesWidth = std::max(2000, widthShowingWhole(properties_, properties));
    twips::SetGeometry(categories_, 100, 850, categoriesWidth, 2300);
    const int propertiesLeft = 100 + categoriesWidth + Gap;
    twips::SetGeometry(properties_, propertiesLeft, 850, propertiesWidth, 2300);
    twips::SetGeometry(propertiesCaption_, propertiesLeft, 550, propertiesWidth, 285);
    const int valuesLeft = propertiesLeft + propertiesWidth + Gap;
    twips::SetGeometry(values_, valuesLeft, 850, ValuesRight - valuesLeft, 2300);
    twips::SetGeometry(valuesCaption_, valuesLeft, 550, ValuesRight - valuesLeft, 285);
}

void CssBuilder::listPropertiesOfChosenCategory()
{
    properties_->clear();
    const std::optional<CssDictionary> dictionary = readDictionary();
    if (!dictionary)
        return;
    const CssCategory* category = dictionary->category(chosenText(categories_));
    if (!category)
        return;
    {
        const QSignalBlocker quiet(properties_);
        properties_->addItems(dictionary->propertyNames(category->name));
    }
    description_->clear();
    example_->clear();
    values_->clear();
}

void CssBuilder::listValuesOfChosenProperty()
{
    const std::optional<CssDictionary> dictionary = readDictionary();
    if (!dictionary)
        return;
    const QString name = textrules::trimBlanks(chosenText(properties_));
    // The chosen category's property first: a name may stand in two categories.
    const CssProperty* property = nullptr;
    if (const CssCategory* category = dictionary->category(chosenText(categories_))) {
        for (const CssProperty& p : category->properties) {
            if (p.name == name) {
                property = &p;
                break;
            }
        }
    }
    if (!property)
        property = dictionary->propertyNamed(name);
    values_->clear();
    if (!property)
        return;
    values_->addItems(property->values);
    if (property->description)
        setBox(description_, *property->description);
    if (property->example)
        setBox(example_, *property->example);
}

void CssBuilder::addChosenFontName()
{
    setStyleText(css::addFontName(styleText(), chosenText(fonts_)));
}

void CssBuilder::addChosenElementToSelector()
{
    selector_->setText(css::selectorWithElement(selector_->text(), elements_->currentText(), elementKind_->isChecked()));
}

void CssBuilder::chooseSelectorKind(int index)
{
    const std::optional<css::SelectorKind> kind = css::selectorKind(index);
    if (!kind)
        return;
    kindLabel_->setText(kind->caption);
    elements_->setVisible(kind->elementBox);
    selector_->setText(kind->selector);
}

// ---- values ----

void CssBuilder::writeChosenValue()
{
    const QList<QListWidgetItem*> chosen = values_->selectedItems();
    if (chosen.isEmpty())
        return;
    QString word = css::valueWord(chosen.first()->text());
    if (css::isFontFamilyValue(word)) {
        setStyleText(css::addFontFamily(styleText(), word));
        if (css::valueInput(word) == css::ValueInput::FontName)
            openValueInput(word);
        return;
    }
    QString value = textrules::trimBlanks(word.section(u'\t', 0, 0));
    const QString property = chosenText(properties_);
    setStyleText(css::addDeclaration(styleText(), property, value));
    numberProperty_ = property;
    openValueInput(value);
}

void CssBuilder::openValueInput(QString& kind)
{
    kind = textrules::trimBlanks(kind);
    switch (css::valueInput(kind)) {
    case css::ValueInput::FontName: {
        twips::SetGeometry(fontPanel_, 4095, 2200, 4065, 3255);
        fontPanel_->show();
        fontPanel_->raise();
        const QSignalBlocker quiet(fonts_);
        fonts_->clear();
        fonts_->addItems(QFontDatabase::families());
        break;
    }
    case css::ValueInput::Number:
        twips::SetGeometry(numberPanel_, 3870, 3960, 1875, 1110);
        numberPanel_->show();
        numberPanel_->raise();
        number_->clear();
        unitLabel_->setText(kind);
        number_->setFocus();
        break;
    case css::ValueInput::Colour: {
        colourNotation = kind;
        // The picker hands back its value and name boxes; the lesson window comes back in front.
        ColourRequest request;
        request.deliver = [this](const PickedColour& colour) { putPickedColour(colour.value, colour.name); };
        request.lessonWindow = ColourRequest::LessonWindow::ToFrontAfterHiding;
        colourPicker.pickColour(std::move(request));
        break;
    }
    case css::ValueInput::Url:
        imagePanel.openImagePanelForUrl();
        break;
    case css::ValueInput::None:
        break;
    }
}

void CssBuilder::numberTyped()
{
    setStyleText(css::fillNumber(styleText(), numberProperty_, unitLabel_->text(), number_->text()));
    numberPanel_->hide();
}

void CssBuilder::putPickedColour(const QString& value, const QString& name)
{
    const QString form = textrules::trimBlanks(colourNotation);
    setStyleText(css::replacePlaceholder(styleText(), form, css::colourInNotation(form, value, name)));
}

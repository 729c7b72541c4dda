#include "wizards/FramesWizard.h"

#include "editor/Colouring.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "wizards/PanelSettings.h"
#include "workspace/DocumentText.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"
#include "wizards/FramesWizardControls.h"

#include <QFileInfo>
#include <QPushButton>

namespace {

const QString WrongSettings = QStringLiteral("設定が違います");

} // namespace

FramesWizard::FramesWizard(Workspace& workspace, Colouring& colouring, ControlRegistry& controlRegistry)
    : ws(workspace)
    , colour(colouring)
    , controls(controlRegistry)
{
    const auto onClick = [this](ControlId button, void (FramesWizard::*handler)()) {
        connect(controls.get<QPushButton>(button), &QPushButton::clicked, this, handler);
    };
    onClick(frames_wizard::CloseBox, &FramesWizard::close);
    onClick(frames_wizard::RunButton, &FramesWizard::run);
    onClick(frames_wizard::CloseButton, &FramesWizard::close);
    onClick(frames_wizard::UndoButton, &FramesWizard::undo);
}

gen::FramesetInput FramesWizard::input() const
{
    return panel::framesetSettings(controls);
}

void FramesWizard::close()
{
    controls.get<QWidget>(frames_wizard::Panel)->hide();
}

FramesWizard::Kept FramesWizard::keep(int n) const
{
    const Document& d = ws.doc(n);
    return {d.sourceEditor, d.sourceEditor->text(), d.header, d.footer, d.modified};
}

void FramesWizard::run()
{
    // The frames' pages are written under their own names, which they need first.
    for (int n : {0, 1}) {
        if (n >= ws.documentCount() || isOwnTempPageName(fileNameOf(ws.doc(n).fileName))) {
            ws.dlg.message(gen::framesSaveFirstMessage());
            return;
        }
    }
    LastRun run;
    run.pages[0] = keep(0);
    run.pages[1] = keep(1);
    if (!makeFrameset())
        return;
    run.valid = true;
    run.frameset = framesetEditor_;
    run.added = framesetAdded_;
    run.filledName = framesetOldName_;
    last_ = run;
}

bool FramesWizard::makeFrameset()
{
    const gen::FramesetInput in = input();
    const gen::FramesetPage page = gen::makeFrameset(in);
    if (page.message) {
        ws.dlg.message(*page.message);
        return false;
    }
    controls.get<QWidget>(frames_wizard::Panel)->hide();

    QStringList texts;
    for (int i = 0; i < ws.documentCount(); ++i)
        texts << expandedText(ws.doc(i));
    int f = gen::framesetDocument(texts);
    framesetAdded_ = f < 0;
    if (framesetAdded_) {
        if (!ws.addDocument())
            return false;
        f = ws.currentIndex();
    }
    Document& fd = ws.doc(f);
    framesetOldName_ = fd.fileName;
    framesetEditor_ = fd.sourceEditor;
    ws.nameDocument(f, fd.folder, in.pageName);
    fd.sourceEditor->setText(page.page);
    colour.recolour(fd.sourceEditor);

    addBaseTarget(page.baseLine);

    for (int i = 0; i < ws.documentCount(); ++i) {
        if (gen::isFramesPage(fileNameOf(ws.doc(i).fileName), in) && !writePage(i, i == f))
            break;
    }
    return true;
}

void FramesWizard::addBaseTarget(const QString& baseLine)
{
    if (baseLine.isEmpty())
        return;
    Document& d = ws.doc(0);
    // A hidden header holds the head end tag.
    if (textrules::asciiUpper(d.header).contains(QStringLiteral("</HEAD>"))) {
        d.header = gen::insertBaseTarget(d.header, baseLine);
        return;
    }
    const QString text = d.sourceEditor->text();
    const QString withBase = gen::insertBaseTarget(text, baseLine);
    if (withBase == text)
        return;
    const int caret = d.sourceEditor->selectionStart();
    d.sourceEditor->setText(withBase);
    colour.recolour(d.sourceEditor);
    d.sourceEditor->setSelectionStart(caret);
}

bool FramesWizard::writePage(int i, bool framesetPage)
{
    Document& d = ws.doc(i);
    const QString path = d.folder + QLatin1Char('/') + fileNameOf(d.fileName);
    // The frameset page's document has no file of its own yet: a file of its name is another's.
    if (framesetPage && QFileInfo::exists(path)
        && ws.dlg.message(QStringLiteral("同じ名前のファイルが既にあります、上書きしますか？") + CrLf + path, MsgButtons::YesNo)
               != MsgResult::Yes)
        return true;
    QString error;
    if (!ws.writePage(path, expandedText(d), d.encoding, &error)) {
        ws.dlg.message(WrongSettings + CrLf + QStringLiteral("ファイルが書き込めませんでした。") + CrLf + path
                      + (error.isEmpty() ? QString() : CrLf + error));
        return false;
    }
    d.modified = false;
    return true;
}

void FramesWizard::undo()
{
    if (!last_.valid)
        return;
    const LastRun run = last_;
    last_ = LastRun{};
    for (int n : {0, 1}) {
        const Kept& k = run.pages[n];
        if (ws.indexOf(k.editor) != n)
            continue; // the document is not the one the wizard changed
        Document& d = ws.doc(n);
        d.sourceEditor->setText(k.text);
        colour.recolour(d.sourceEditor);
        d.header = k.header;
        d.footer = k.footer;
        d.modified = k.modified;
    }
    const int f = ws.indexOf(run.frameset);
    if (f >= 0) {
        if (run.added) {
            ws.removeDocument(f);
        } else {
            Document& d = ws.doc(f);
            d.sourceEditor->setText(QString());
            ws.nameDocument(f, d.folder, run.filledName);
            d.modified = false;
        }
    }
    ws.selectSourceTab(0);
    controls.get<QWidget>(frames_wizard::Panel)->hide();
}

#include "autocreate/AutoCreateRunner.h"

#include "autocreate/AnchorLinks.h"
#include "autocreate/AutoCreateMenu.h"
#include "autocreate/AutoCreateTexts.h"
#include "autocreate/AutoSettingsPanel.h"
#include "autocreate/PanelFields.h"
#include "wizards/PanelSettings.h"
#include "editor/Colouring.h"
#include "editor/UndoRing.h"
#include "platform/ControlRegistry.h"
#include "platform/Dialogs.h"
#include "platform/FileMessages.h"
#include "platform/RichEdit.h"
#include "platform/TextRules.h"
#include "wizards/generators/PageSkeletons.h"
#include "workspace/DocumentFiles.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"
#include "wizards/generators/GeneratorSupport.h"

#include <new>
#include <optional>
#include <stdexcept>

using autocreate::FrameLayout;

namespace {

// The flag autoCreating is set for as long as a run lasts, however it ends.
class AutoCreatingScope {
public:
    explicit AutoCreatingScope(ProgramState& programState)
        : state(programState)
    {
        state.autoCreating = true;
    }
    ~AutoCreatingScope() { state.autoCreating = false; }
    AutoCreatingScope(const AutoCreatingScope&) = delete;
    AutoCreatingScope& operator=(const AutoCreatingScope&) = delete;

private:
    ProgramState& state;
};

QString failureDetail(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("メモリーが足りません。");
    return QString::fromLocal8Bit(e.what());
}

} // namespace

AutoCreateRunner::AutoCreateRunner(Workspace& workspace, DocumentFiles& files, ControlRegistry& controlRegistry,
                                   UndoRing& undoRing, Colouring& colouring, AutoCreateMenu& autoMenu,
                                   AutoSettingsPanel& settingsPanel)
    : ws(workspace)
    , controls(controlRegistry)
    , undo(undoRing)
    , colour(colouring)
    , menu(autoMenu)
    , panel(settingsPanel)
{
    // After the whole open has finished, so that it records the text file and not the page.
    connect(&files, &DocumentFiles::fileOpened, this, [this](int n) { textFileOpened(n); }, Qt::QueuedConnection);
}

void AutoCreateRunner::textFileOpened(int n)
{
    if (n < 0 || n >= ws.documentCount() || !menu.autoRun.value())
        return;
    if (textrules::asciiLower(ws.doc(n).fileName.right(3)) != QStringLiteral("txt"))
        return;
    run();
}

void AutoCreateRunner::run()
{
    if (ws.documentCount() > 1) {
        ws.dlg.message(autotext::tooManyDocuments());
        return;
    }
    const int n = ws.currentIndex();
    Document& d = ws.doc(n);
    autocreate::AutoCreateSettings settings = panel.settings();
    settings.headerHidden = !d.header.isEmpty();
    const bool frames = settings.frames != FrameLayout::None;
    // The pages are named after the text file; a document that was never saved has no name yet.
    if (frames && isOwnTempPageName(fileNameOf(d.fileName))) {
        ws.dlg.message(autotext::saveBeforeFrames());
        return;
    }
    const QString folder = d.folder.isEmpty() ? ws.state.programFolder : d.folder;

    AutoCreatingScope running(ws.state);
    ws.selectSourceTab(n);
    panel.hidePanel();
    bool changed = false;
    try {
        auto effects = std::make_shared<autocreate::GeneratorEffects>();
        // Folded regions are part of the text; their markers would not survive the conversion.
        const QString text = expandRegions(d.sourceEditor->text(), d.regions);
        const QString textFileName = d.fileName;
        const autocreate::AutoCreateOutcome outcome = autocreate::runAutoCreateSteps(
            text, textFileName, settings, makeGenerators(autocreate::readPanelInputs(controls), folder, effects));
        // The heading anchors leave the link listing at the text document's own name.
        ws.linkListUrl = fileNameOf(textFileName);
        for (const QString& message : std::as_const(effects->messages))
            ws.dlg.message(message);

        changed = true;
        d.regions.fill(QString());
        if (!outcome.frames) {
            putPage(n, outcome.names.page, folder, outcome.page);
        } else {
            const autocreate::FrameOutput& pages = *outcome.frames;
            const QString base = folder + QLatin1Char('/');
            // A hidden header and footer belong round the converted text, which is the body
            // page now; the navigation page is a whole page of its own.
            const QString bodyFile = d.header + pages.body + d.footer;
            if (ws.addDocument()) {
                Document& body = ws.current();
                body.header = d.header;
                body.footer = d.footer;
                putPage(ws.currentIndex(), outcome.names.body, folder, pages.body);
            }
            d.header.clear();
            d.footer.clear();
            putPage(n, outcome.names.navigation, folder, pages.navigation);
            writePageFile(base + outcome.names.body, bodyFile);
            writePageFile(base + outcome.names.navigation, pages.navigation);
            if (!pages.frameset.isEmpty() && ws.addDocument()) {
                putPage(ws.currentIndex(), outcome.names.frameset, folder, pages.frameset);
                writePageFile(base + outcome.names.frameset, pages.frameset);
            }
        }
        writePanelFields(outcome, settings, *effects);
    } catch (const std::logic_error&) {
        throw;
    } catch (const std::exception& e) {
        ws.dlg.message(autotext::runFailed(failureDetail(e), !changed));
        return;
    }
    const int last = ws.documentCount() - 1;
    ws.selectSourceTab(last);
    ws.selectPreviewTab(last);
}

void AutoCreateRunner::putPage(int n, const QString& name, const QString& folder, const QString& text)
{
    Document& d = ws.doc(n);
    RichEdit* ed = d.sourceEditor;
    // One change, which the editor's own undo takes back whole.
    if (ed->isEmpty()) {
        ed->setText(text);
    } else {
        ed->select(0, ed->textLength());
        ed->replaceSelection(text);
    }
    // The pages declare Shift_JIS.
    d.encoding = TextEncoding::Cp932;
    d.lineEnds = LineEnds::CrLf;
    ws.nameDocument(n, folder, name);
    colour.recolour(ed);
    ws.writeTempPage(n);
}

void AutoCreateRunner::writePageFile(const QString& path, const QString& text)
{
    const TextWriteResult r = writeTextFile(path, text + CrLf, TextEncoding::Cp932, true);
    if (!r.ok)
        ws.dlg.message(autotext::pageNotWritten(path, writeProblemDetail(r.problem)));
}

void AutoCreateRunner::writePanelFields(const autocreate::AutoCreateOutcome& outcome,
                                        const autocreate::AutoCreateSettings& settings,
                                        const autocreate::GeneratorEffects& effects)
{
    panel::selectOptions(controls, effects.options);
    panel::writeFields(controls, effects.fields);
    panel::AutomaticRun run;
    run.title = outcome.title;
    run.textColour = settings.textColour;
    run.frames = settings.frames != FrameLayout::None;
    run.background = run.frames ? settings.navigationBackColour : settings.backColour;
    run.bodyPage = outcome.names.body;
    run.navigationPage = outcome.names.navigation;
    run.framesetPage = outcome.names.frameset;
    if (settings.frames == FrameLayout::SideBySide)
        run.sideBySide = true;
    else if (settings.frames == FrameLayout::TopBottom)
        run.sideBySide = false;
    panel::showAutomaticRun(controls, run);
}

void AutoCreateRunner::insertPageSkeleton()
{
    Document& d = ws.current();
    RichEdit* ed = d.sourceEditor;
    const QString text = ed->text();
    const QString page = autocreate::insertSkeleton(text, !d.header.isEmpty(), gen::WrapPage);
    // A wrapped text is always longer: the same size means it had its page already.
    if (page.size() == text.size())
        return;
    undo.takeSnapshot();
    ed->setText(page);
    colour.recolour(ed);
}

void AutoCreateRunner::makeAnchorLinks()
{
    if (ws.documentCount() < 2)
        return;
    const std::optional<autocreate::AnchorLinkList> list = autocreate::anchorLinkList(ws.sourceEditor(1)->text());
    if (!list)
        return;
    // The body page becomes the current document, so that the snapshot is its own.
    ws.selectSourceTab(1);
    undo.takeSnapshot();
    RichEdit* ed = ws.sourceEditor(1);
    ed->select(static_cast<int>(list->at), 0);
    ed->replaceSelection(list->links);
}

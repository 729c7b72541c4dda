#include "autocreate/GeneratorAdapters.h"

#include "editor/TextTransforms.h"
#include "platform/SharedConstants.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/generators/MediaGenerators.h"
#include "wizards/generators/PageAttributeGenerators.h"
#include "wizards/generators/PageSkeletons.h"
#include "wizards/PanelSettings.h"

namespace autocreate {

namespace {

using Effects = std::shared_ptr<GeneratorEffects>;

gen::EditorState editorWith(const QString& text, int selStart = 0, int selLength = 0)
{
    return gen::EditorState{text, selStart, selLength};
}

// The result's text, after its message and its box writes have gone to the effects.
QString apply(const Effects& effects, const gen::EditorState& editor, const gen::GeneratedEdit& edit)
{
    if (edit.message)
        effects->messages.append(edit.message->text);
    effects->fields += edit.fields;
    return appliedText(editor, edit);
}

// The whole lines handed to a list or table generator as its selection; what it puts in their
// place ends with a line break, like the lines did. A generator that changes nothing leaves the
// lines as they were.
QString replaceLines(const Effects& effects, const QString& lines, const gen::GeneratedEdit& edit)
{
    if (!edit.changesText()) {
        apply(effects, editorWith(lines), edit);
        return lines;
    }
    QString html = apply(effects, editorWith(lines, 0, static_cast<int>(lines.size())), edit);
    if (!html.isEmpty() && !html.endsWith(CrLf))
        html += CrLf;
    return html;
}

} // namespace

PanelInputs::PanelInputs()
{
    rule.thickness = QStringLiteral("1");
    rule.lengthPercent = QStringLiteral("80");
    rule.colour = QStringLiteral("#FF6FB7");
    table.border = QStringLiteral("1");
    table.borderColour = QStringLiteral("#008040");
    table.lightColour = QStringLiteral("#0000FF");
    table.darkColour = QStringLiteral("#0000A0");
    table.background = QStringLiteral("#CEFFCE");
    image.alt = QStringLiteral("画像ファイル");
}

QString appliedText(const gen::EditorState& editor, const gen::GeneratedEdit& edit)
{
    int start = editor.selStart;
    int length = editor.selLength;
    if (edit.selectFirst) {
        start = edit.selectFirst->start;
        length = edit.selectFirst->length;
    }
    const QStringView text(editor.text);
    QString out;
    switch (edit.primitive) {
    case gen::Primitive::None:
        return editor.text;
    case gen::Primitive::SetText:
        return edit.before;
    case gen::Primitive::WrapMarked:
    case gen::Primitive::WrapPlain:
        out.reserve(text.size() + edit.before.size() + edit.after.size());
        out += text.first(start);
        out += edit.before;
        out += text.sliced(start, length);
        out += edit.after;
        break;
    case gen::Primitive::ReplaceSelection:
        out.reserve(text.size() + edit.before.size());
        out += text.first(start);
        out += edit.before;
        break;
    }
    out += text.sliced(start + length);
    return out;
}

gen::FramesetInput framesetInputFor(const gen::FramesetInput& panel, const FramesetRequest& request)
{
    gen::FramesetInput in = panel;
    // Choosing the other split renames the frames and the link target, as on the panel.
    if (in.columns != request.sideBySide) {
        const gen::FrameNames names = gen::frameNamesForSplit(request.sideBySide ? 0 : 1);
        in.firstName = names.first;
        in.secondName = names.second;
        in.target = names.target;
    }
    in.columns = request.sideBySide;
    in.pageName = request.names.frameset;
    in.firstPage = request.names.navigation;
    in.secondPage = request.names.body;
    return in;
}

AutoCreateGenerators realGenerators(const PanelInputs& panels, const QString& documentFolder,
                                    const Effects& effects)
{
    AutoCreateGenerators g;
    g.report = [effects](const QString& message) { effects->messages.append(message); };
    g.convertEntities = encodeEntities;
    g.imageTag = [panels, documentFolder, effects](const QString& fileName) {
        gen::ImageInput in = panels.image;
        in.editor = editorWith(QString());
        in.documentFolder = documentFolder;
        in.chosenFile = fileName;
        in.align = 1;
        effects->options.append(panel::insertedImageAlignment());
        effects->fields.append(panel::insertedImageFile(fileName));
        return apply(effects, in.editor, gen::makeImage(in));
    };
    g.ruleTag = [panels, effects]() {
        const std::optional<QString> tag = gen::MakeHrTag(panels.rule);
        if (!tag) {
            effects->messages.append(gen::tooLargeMessage());
            return QString();
        }
        return *tag;
    };
    g.wrapPage = gen::WrapPage;
    g.setTitle = [effects](const QString& page, const QString& title) {
        const gen::TitleInput in{editorWith(page), title};
        return apply(effects, in.editor, gen::makeTitle(in));
    };
    g.setBodyColours = [effects](const QString& page, const QString& textColour,
                                const QString& backColour) {
        const gen::BodyColoursInput in{editorWith(page), textColour, backColour};
        return apply(effects, in.editor, gen::makeBodyColours(in));
    };
    g.makeList = [panels, effects](const QString& lines) {
        gen::ListInput in = panels.list;
        in.editor = editorWith(lines, 0, static_cast<int>(lines.size()));
        return replaceLines(effects, lines, gen::makeList(in));
    };
    g.makeTable = [panels, effects](const QString& lines) {
        gen::TableInput in = panels.table;
        in.editor = editorWith(lines, 0, static_cast<int>(lines.size()));
        return replaceLines(effects, lines, gen::makeTable(in));
    };
    g.insertBgImage = [documentFolder, effects](const QString& page, const QString& image) {
        gen::BgImageInput in;
        in.editor = editorWith(page);
        in.file = image;
        in.repeat = 0;
        in.documentFolder = documentFolder;
        effects->options.append(panel::insertedBackgroundImageRepeat());
        effects->fields.append(panel::insertedBackgroundImageFile(image));
        return apply(effects, in.editor, gen::makeBgImage(in));
    };
    g.makeFrameset = [panels, effects](const FramesetRequest& request) {
        const gen::FramesetPage page = gen::makeFrameset(framesetInputFor(panels.frames, request));
        if (page.message) {
            effects->messages.append(*page.message);
            return FramesetPages{QString(), request.navigationPage};
        }
        return FramesetPages{page.page, gen::insertBaseTarget(request.navigationPage, page.baseLine)};
    };
    return g;
}

} // namespace autocreate

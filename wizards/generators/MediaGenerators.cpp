#include "wizards/generators/MediaGenerators.h"

#include "platform/SharedConstants.h"
#include "platform/TextRules.h"
#include "wizards/AdvancedPanelControls.h"
#include "wizards/EasyPanelControls.h"
#include "wizards/generators/GeneratorSupport.h"
#include "wizards/generators/RelativePath.h"
#include "wizards/AdvancedPanelInputs.h"

namespace gen {

namespace {

// The position right behind the ">" of the first body start tag, -1 when there is none.
int behindBodyTag(const QString& text)
{
    const int body = findTag(text, QStringLiteral("<BODY"));
    if (body < 0)
        return -1;
    const int close = static_cast<int>(text.indexOf(QLatin1Char('>'), body));
    return close < 0 ? -1 : close + 1;
}

// Puts tag on the line under the body start tag, painted red; fileBox receives the path written.
GeneratedEdit underBodyTag(const EditorState& editor, const ControlRef& fileBox, const QString& file,
                           const QString& tag, ::ControlId panel)
{
    const int at = behindBodyTag(editor.text);
    if (at < 0)
        return messageOnly(noBodyMessage());
    GeneratedEdit e = selects(tag, QString(), {ControlRef(panel)});
    e.snapshot = true;
    e.fields = {{fileBox, file}};
    e.selectFirst = Range{at, 0};
    return e;
}

} // namespace

GeneratedEdit makeSpace(const SpaceInput& in)
{
    GeneratedEdit e;
    if (in.editor.selStart != 0)
        e = selects(QStringLiteral("&nbsp;"), QString(), {ControlRef(space_panel::Panel)});
    e.snapshot = true;
    return e;
}

GeneratedEdit makeFontShape(const FontShapeInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("形状を変える文字を選択してください。") + FaceSweat);
    struct Shape { bool on; const char* tag; };
    const Shape shapes[] = {
        {in.bold, "B"}, {in.italic, "I"}, {in.strike, "S"}, {in.teletype, "TT"}, {in.underline, "U"},
        {in.script, in.superscript ? "SUP" : "SUB"},
    };
    QString open;
    QString close;
    for (const Shape& s : shapes) {
        if (!s.on)
            continue;
        open += QStringLiteral("<%1>").arg(QLatin1String(s.tag));
        close.prepend(QStringLiteral("</%1>").arg(QLatin1String(s.tag)));
    }
    return wrapSelection(in.editor, open, close, {ControlRef(font_shape_panel::Panel)}, true);
}

GeneratedEdit makeFont(const FontInput& in)
{
    if (in.fonts.isEmpty())
        return messageOnly(QStringLiteral("設定するフォントの種類を最低１種類は指定して下さい。"));
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("フォントを設定する文字列を選択して下さい。") + FaceSweat);
    return wrapSelection(in.editor, QStringLiteral("<FONT face = ") + quoted(in.fonts.join(QLatin1Char(','))) + QStringLiteral(">") + CrLf,
                         QStringLiteral("</FONT>") + CrLf, {ControlRef(font_panel::Panel)});
}

GeneratedEdit makePre(const PreInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("そのまま表示する文字列を選択してください。") + FaceSweat);
    return wrapSelection(in.editor, QStringLiteral("<PRE> ") + CrLf, QStringLiteral("</PRE> ") + CrLf, {ControlRef(preformatted_panel::Panel)});
}

GeneratedEdit makePageJump(const PageJumpInput& in)
{
    if (in.editor.selLength == 0)
        return messageOnly(QStringLiteral("文字を選択してください。"));
    const QString open = in.jumpSource ? QStringLiteral(" <A HREF=") + quoted(in.sourceName) + QStringLiteral(">")
                                       : QStringLiteral(" <A NAME=") + quoted(in.targetName) + QStringLiteral(">");
    return wrapSelection(in.editor, open, QStringLiteral(" </A> "), {ControlRef(page_jump_panel::Panel)});
}

GeneratedEdit makeBgsound(const BgsoundInput& in)
{
    const QString file = MakeRelativePath(in.file, in.documentFolder);
    const QString tag = CrLf + QStringLiteral("<BGSOUND SRC =") + quoted(file) + QStringLiteral(" LOOP=") + quoted(in.count)
                        + QStringLiteral(">") + CrLf;
    return underBodyTag(in.editor, ControlRef(background_sound_panel::FileBox), file, tag, background_sound_panel::Panel);
}

GeneratedEdit makeDynsrc(const DynsrcInput& in)
{
    const QString file = MakeRelativePath(in.file, in.documentFolder);
    QString tag = CrLf + QStringLiteral("<IMG DYNSRC =") + quoted(file);
    if (!textrules::trimBlanks(in.alt).isEmpty())
        tag += QStringLiteral(" alt =") + quoted(in.alt);
    tag += QStringLiteral(">");
    return underBodyTag(in.editor, ControlRef(movie_panel::FileBox), file, tag, movie_panel::Panel);
}

GeneratedEdit makeBgImage(const BgImageInput& in)
{
    const int body = findTag(in.editor.text, QStringLiteral("<BODY"));
    if (body < 0)
        return messageOnly(noBodyMessage());
    static const char* const keywords[] = {" repeat", " no-repeat", " repeat-x", " repeat-y"};
    const QString keyword = QLatin1String(keywords[in.repeat >= 0 && in.repeat < 4 ? in.repeat : 0]);
    const QString file = MakeRelativePath(in.file, in.documentFolder);
    const QString attribute = QStringLiteral(" STYLE=")
                              + quoted(QStringLiteral("background:#FFFFFF ; background:url(") + file + QStringLiteral(")") + keyword);
    GeneratedEdit e;
    e.snapshot = true;
    e.fields = {{ControlRef(background_image_panel::FileBox), file}};
    e.hide = {ControlRef(background_image_panel::Panel)};
    e.selectFirst = Range{body + 5, 0};
    e.primitive = Primitive::WrapPlain;
    e.before = QStringLiteral(" ") + attribute;
    e.selectAfter = Range{body + 5, static_cast<int>(attribute.size()) + 1};
    return e;
}

} // namespace gen

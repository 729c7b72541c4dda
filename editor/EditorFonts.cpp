#include "editor/EditorFonts.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/VbString.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QTextEdit>

namespace {
const QString FontApp = QStringLiteral("REZODuded");
const QString FontSection = QStringLiteral("StartUp");
const QString DefaultFontName = QStringLiteral("ＭＳ ゴシック");
} // namespace

void EditorFonts::Mefont1_Click(int index)
{
    RichEdit* ed = w.CurEditor();
    const int top = ed->FirstVisibleLine();
    const int caret = ed->SelStart();
    if (index == 0) {
        SetEditorFont();
        return;
    }
    if (index == 6) {
        SetSetumeiFont();
        return;
    }
    if (index < 1 || index > 4)
        return;
    for (int i = 1; i <= 4; ++i)
        w.Mefont1(i)->setChecked(i == index);
    if (index == 4) {
        ed->SetBackColor(QColor(255, 255, 255));
        w.colour.Setcolor2(ed);
        if (ed->IsEmpty()) {
            // Typing starts in white on black.
            ed->SetText(QStringLiteral(" "));
            w.colour.Setcolor2(ed);
            ed->PaintRange(0, 1, QColor(255, 255, 255));
            ed->SetSelStart(0);
        }
    } else {
        w.colour.Setcolor2(ed);
    }
    w.m1.ini.SaveIniSetting(FontApp, FontSection, QStringLiteral("FontColor"), vb::Str(static_cast<long long>(index)));
    ed->setFirstVisibleLine(top);
    ed->SetSelStart(caret);
    ed->setFirstVisibleLine(top);
}

void EditorFonts::ReapplyColorScheme()
{
    const int scheme = w.colour.CheckedScheme();
    if (scheme != 0)
        Mefont1_Click(scheme);
}

void EditorFonts::SetEditorFont()
{
    FontChoice initial;
    initial.name = w.m1.ini.GetIniSetting(FontApp, FontSection, QStringLiteral("FontName"), DefaultFontName);
    initial.size = vb::Val(w.m1.ini.GetIniSetting(FontApp, FontSection, QStringLiteral("FontSize"), QStringLiteral("12")));
    const auto chosen = w.dlg.ShowFont(initial, true);
    if (!chosen)
        return;
    RichEdit* ed = w.CurEditor();
    QFont font(chosen->name);
    font.setPointSizeF(chosen->size > 0 ? chosen->size : 12);
    font.setItalic(chosen->italic);
    font.setBold(chosen->bold);
    font.setUnderline(ed->EditorFont().underline());
    ed->SetEditorFont(font);
    if (w.CurDoc == 0) {
        auto& ini = w.m1.ini;
        ini.SaveIniSetting(FontApp, FontSection, QStringLiteral("FontName"), chosen->name);
        ini.SaveIniSetting(FontApp, FontSection, QStringLiteral("FontSize"), vb::Str(chosen->size));
        ini.SaveIniSetting(FontApp, FontSection, QStringLiteral("FontItalic"), chosen->italic ? QStringLiteral("1") : QStringLiteral("0"));
        ini.SaveIniSetting(FontApp, FontSection, QStringLiteral("FontBold"), chosen->bold ? QStringLiteral("1") : QStringLiteral("0"));
    }
    w.colour.Setcolor2(ed);
}

void EditorFonts::SetSetumeiFont()
{
    FontChoice initial;
    initial.name = DefaultFontName;
    const auto chosen = w.dlg.ShowFont(initial, true);
    if (!chosen || !w.Rtxt)
        return;
    QFont font(chosen->name);
    font.setPointSizeF(chosen->size > 0 ? chosen->size : 12);
    font.setItalic(chosen->italic);
    w.Rtxt->setFont(font);
}

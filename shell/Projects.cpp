#include "shell/Projects.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/VbString.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace {

constexpr int MaxProjectLines = 101;

} // namespace

QString Projects::defaultProjectName()
{
    QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (QChar& c : date) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QLatin1Char(' '))
            c = QLatin1Char('-');
    }
    return date + QStringLiteral(".tur");
}

void Projects::SaveProject()
{
    FileDialogRequest request;
    request.title = QStringLiteral("プロジェクトの保存");
    request.filter = QStringLiteral("プロジェクトファイル (*.tur)|*.tur|*.*");
    request.fileName = ProjectFile.isEmpty() ? defaultProjectName() : ProjectFile;
    request.directory = w.doc(0).DataPath;
    const auto chosen = w.dlg.ShowSave(request);
    if (!chosen)
        return;
    QString name = vb::Trim(*chosen);
    if (name.isEmpty())
        return;
    if (vb::LCaseAscii(vb::Right(name, 4)) == QStringLiteral(".tur"))
        name.chop(4);

    QString lines;
    for (int i = 0; i < w.DocCount(); ++i) {
        Document& d = w.doc(i);
        d.FileName = vb::Trim(d.FileName);
        if (d.FileName.startsWith(QStringLiteral("$$$"))) {
            const bool css = vb::LCaseAscii(vb::Right(d.FileName, 3)) == QStringLiteral("css");
            d.DataPath = GetFilePath(name);
            d.FileName = GetFileName(name) + PadZero3(i) + (css ? QStringLiteral(".css") : QStringLiteral(".html"));
            // A newly named document has no file yet: save it with the others.
            d.Modified = true;
        }
        d.FileName = GetFileName(d.FileName);
        lines += d.DataPath + QLatin1Char('/') + d.FileName + CrLf;
    }
    const QString projectPath = name + QStringLiteral(".tur");
    const TextWriteResult written = writeProgramFile(projectPath, lines);
    if (!written.ok) {
        w.dlg.MsgBox(QStringLiteral("プロジェクトファイルが保存できませんでした。フォルダーが書き込めるかを確かめてください。") + CrLf
                     + projectPath);
        return;
    }
    for (int t = 1; t <= w.TabCount(); t += 2)
        w.TabStrip1->SetCaption(t, GetHname(w.doc((t - 1) / 2).FileName));
    w.files.NoRecent = true;
    w.files.SaveAllFiles();
    w.files.NoRecent = false;
    ProjectFile = projectPath;
    w.m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("ProJectName"), projectPath);
    w.files.AddRecentFile(projectPath);
}

void Projects::OpenProject(const QString& fil)
{
    QString path = fil;
    if (path.isEmpty()) {
        FileDialogRequest request;
        request.title = QStringLiteral("プロジェクトを開く");
        request.filter = QStringLiteral("プロジェクト(*.tur)|*.tur");
        request.fileName = w.m1.ini.GetIniSetting(SettingsApp, SettingsSection, QStringLiteral("ProJectName"), QString());
        const auto chosen = w.dlg.ShowOpen(request);
        if (!chosen || chosen->isEmpty())
            return;
        path = *chosen;
    }
    w.m1.LastPath = path;
    if (!QFileInfo(path).isFile()) {
        w.dlg.MsgBox(QStringLiteral("指定されたファイルが存在しません") + CrLf + path);
        return;
    }
    const TextReadResult r = readProgramFile(path);
    if (!r.ok) {
        w.dlg.MsgBox(QStringLiteral("プロジェクトファイルが読めませんでした。") + CrLf + path);
        return;
    }
    QStringList lines = QString(r.text).replace(CrLf, QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() > MaxProjectLines) {
        w.dlg.MsgBox(QStringLiteral("プロジェクトファイルの行が多すぎます。開けるのは") + QString::number(MaxProjectLines)
                     + QStringLiteral("行までです。") + CrLf + path);
        return;
    }
    // Line i goes into document i; ask before documents with unsaved text are replaced.
    for (int i = 0; i < std::min<int>(static_cast<int>(lines.size()), w.DocCount()); ++i) {
        const Document& d = w.doc(i);
        if (d.Modified && !vb::Trim(d.HtText->Text()).isEmpty()) {
            if (w.dlg.MsgBox(QStringLiteral("保存されていないファイルがあります。プロジェクトのファイルで置き換えますか？"),
                             MsgButtons::YesNo)
                != MsgResult::Yes)
                return;
            break;
        }
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (i >= w.DocCount() && !w.tabs.AddTab())
            break;
        w.CurDoc = i;
        const QString& line = lines[i];
        if (!w.files.ReadData(GetFilePath(line), GetFileName(line)))
            continue;
        Document& d = w.doc(i);
        d.Modified = false;
        w.TabStrip1->SetCaption(2 * i + 1, GetHname(line));
        w.tabs.writePage(w.tabs.TempPagePath(i), d.HtText->Text(), d.encoding);
    }
    w.m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("ProJectName"), path);
    ProjectFile = path;
    w.TabStrip1->Select(1);
    w.files.AddRecentFile(path);
}

void Projects::Allclear()
{
    // While a lesson plays, its commands initialise without a question.
    if (!(w.FomRemote && w.FomRemote->isVisible())) {
        for (const auto& d : w.docs) {
            if (!d->HtText->Text().isEmpty()) {
                if (w.dlg.MsgBox(QStringLiteral("全て初期化していいですか？"), MsgButtons::YesNo) != MsgResult::Yes)
                    return;
                break;
            }
        }
    }
    for (int i = w.DocCount() - 1; i >= 1; --i) {
        std::unique_ptr<Document> gone = std::move(w.docs[static_cast<size_t>(i)]);
        w.docs.pop_back();
        w.DataPathLeft[static_cast<size_t>(i)] = gone->DataPath;
        w.tabs.disposeDocument(std::move(gone));
    }
    for (int t = w.TabCount(); t >= 3; --t)
        w.TabStrip1->Remove(t);
    Document& d = w.doc(0);
    d.FileName = tempPageName(0);
    w.TabStrip1->SetCaption(1, d.FileName);
    w.TabStrip1->SetCaption(2, QString());
    d.HtText->SetText(QString());
    d.BrowserMode = false;
    w.TabStrip1->Select(1);
    d.Modified = false;
    ProjectFile.clear();
    d.Regions.fill(QString());
    d.Header.clear();
    d.Footer.clear();
}

#include "shell/Projects.h"

#include "shell/ProjectFile.h"

#include "platform/Dialogs.h"
#include "platform/FileStamp.h"
#include "platform/RichEdit.h"
#include "platform/TextFile.h"
#include "platform/TextRules.h"
#include "workspace/DocumentFiles.h"
#include "workspace/PathHelpers.h"
#include "workspace/Workspace.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <vector>

Projects::Projects(Workspace& workspace, DocumentFiles& documentFiles)
    : ws(workspace)
    , files(documentFiles)
{
    QObject::connect(&files, &DocumentFiles::cleared, &files, [this] {
        projectFile.clear();
        unopenedEntries.clear();
    });
}

QString Projects::defaultProjectName()
{
    QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (QChar& c : date) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QLatin1Char(' '))
            c = QLatin1Char('-');
    }
    return date + QStringLiteral(".tur");
}

void Projects::saveProject()
{
    FileDialogRequest request;
    request.title = QStringLiteral("プロジェクトの保存");
    request.filter = QStringLiteral("プロジェクトファイル (*.tur)|*.tur|*.*");
    request.fileName = projectFile.isEmpty() ? defaultProjectName() : projectFile;
    request.directory = ws.doc(0).folder;
    const auto chosen = ws.dlg.getSaveFileName(request);
    if (!chosen)
        return;
    QString name = textrules::trimBlanks(*chosen);
    if (name.isEmpty())
        return;
    if (textrules::asciiLower(name.right(4)) == QStringLiteral(".tur"))
        name.chop(4);

    QStringList entries;
    for (int i = 0; i < ws.documentCount(); ++i) {
        Document& d = ws.doc(i);
        d.fileName = textrules::trimBlanks(d.fileName);
        if (d.fileName.startsWith(QStringLiteral("$$$"))) {
            const bool css = textrules::asciiLower(d.fileName.right(3)) == QStringLiteral("css");
            d.folder = folderOf(name);
            d.fileName = fileNameOf(name) + threeDigits(i) + (css ? QStringLiteral(".css") : QStringLiteral(".html"));
            // A newly named document has no file yet: save it with the others.
            d.modified = true;
        }
        d.fileName = fileNameOf(d.fileName);
        entries << d.folder + QLatin1Char('/') + d.fileName;
    }
    entries << unopenedEntries;
    const QString projectPath = name + QStringLiteral(".tur");
    const TextWriteResult written = writeProgramFile(projectPath, projectFileText(entries));
    if (!written.ok) {
        ws.dlg.message(QStringLiteral("プロジェクトファイルが保存できませんでした。フォルダーが書き込めるかを確かめてください。") + CrLf
                     + projectPath);
        return;
    }
    for (int i = 0; i < ws.documentCount(); ++i)
        ws.showDocumentName(i);
    files.skipRecentFiles = true;
    files.saveAll();
    files.skipRecentFiles = false;
    projectFile = projectPath;
    ws.state.settings.set(setting::ProjectName, projectPath);
    files.addRecentFile(projectPath);
}

Projects::Plan Projects::planProject(const QStringList& entries) const
{
    std::vector<bool> holdsEntry(static_cast<size_t>(ws.documentCount()), false);
    Plan plan;
    for (const QString& entry : entries) {
        const int holder = ws.documentHoldingFile(entry);
        if (holder >= 0) {
            holdsEntry[static_cast<size_t>(holder)] = true;
            continue;
        }
        const bool listedBefore = std::any_of(plan.toRead.cbegin(), plan.toRead.cend(), [&entry](const QString& earlier) {
            return !entry.isEmpty() && (QDir::cleanPath(earlier) == QDir::cleanPath(entry) || isSameFile(earlier, entry));
        });
        if (!listedBefore)
            plan.toRead << entry;
    }
    int reused = 0;
    int added = ws.documentCount();
    for (qsizetype k = 0; k < plan.toRead.size(); ++k) {
        while (reused < ws.documentCount() && holdsEntry[static_cast<size_t>(reused)])
            ++reused;
        plan.targets << (reused < ws.documentCount() ? reused++ : added++);
    }
    return plan;
}

void Projects::openProject(const QString& fil)
{
    QString path = fil;
    if (path.isEmpty()) {
        FileDialogRequest request;
        request.title = QStringLiteral("プロジェクトを開く");
        request.filter = QStringLiteral("プロジェクト(*.tur)|*.tur");
        request.fileName = ws.state.settings.get(setting::ProjectName);
        const auto chosen = ws.dlg.getOpenFileName(request);
        if (!chosen || chosen->isEmpty())
            return;
        path = *chosen;
    }
    ws.state.lastPath = path;
    if (!QFileInfo(path).isFile()) {
        ws.dlg.message(QStringLiteral("指定されたファイルが存在しません") + CrLf + path);
        return;
    }
    const TextReadResult r = readProgramFile(path);
    if (!r.ok) {
        ws.dlg.message(QStringLiteral("プロジェクトファイルが読めませんでした。") + CrLf + path);
        return;
    }
    const ProjectLines project = parseProjectFile(r.text);
    QStringList lines = project.lines;
    if (project.tooMany) {
        ws.dlg.message(QStringLiteral("プロジェクトファイルの行が多すぎます。開けるのは") + QString::number(MaxProjectLines)
                     + QStringLiteral("行までです。") + CrLf + path);
        return;
    }
    // A relative name stands for a file beside the project file.
    const QDir projectFolder = QFileInfo(path).absoluteDir();
    for (QString& line : lines) {
        if (!line.isEmpty() && QFileInfo(line).isRelative())
            line = projectFolder.absoluteFilePath(line);
    }
    const Plan plan = planProject(lines);
    // Ask before documents with unsaved text are replaced.
    for (const int i : plan.targets) {
        if (i >= ws.documentCount())
            break;
        const Document& d = ws.doc(i);
        if (d.modified && !textrules::trimBlanks(d.sourceEditor->text()).isEmpty()) {
            if (ws.dlg.message(QStringLiteral("保存されていないファイルがあります。プロジェクトのファイルで置き換えますか？"),
                             MsgButtons::YesNo)
                != MsgResult::Yes)
                return;
            break;
        }
    }
    unopenedEntries.clear();
    for (qsizetype k = 0; k < plan.toRead.size(); ++k) {
        const int i = plan.targets[k];
        if (i >= ws.documentCount() && !ws.addDocument()) {
            // More entries than the window holds: they stay in the project.
            unopenedEntries = plan.toRead.mid(k);
            break;
        }
        ws.setCurrentIndex(i);
        const QString& line = plan.toRead[k];
        if (!files.readFile(folderOf(line), fileNameOf(line)))
            continue;
        Document& d = ws.doc(i);
        d.modified = false;
        ws.showDocumentName(i);
        ws.writePage(ws.tempPagePath(i), d.sourceEditor->text(), d.encoding);
    }
    ws.state.settings.set(setting::ProjectName, path);
    projectFile = path;
    ws.selectSourceTab(0);
    files.addRecentFile(path);
}

#include "shell/FileCommands.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/VbString.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr int FirstRecentItem = 20;

const QString SaveFailedBeforeOpen = QStringLiteral("ファイルが正常に書き込まれなかったためにファイルの読み込みを中断しました。")
    + CrLf + QStringLiteral("もう一度やり直して下さい。");

struct FixedItem {
    int index;
    const char* caption;
};

} // namespace

void FileCommands::buildFileMenu()
{
    static const FixedItem items[] = {
        {0, "現在のタブにファイルを開く(&O)"},
        {1, "プロジェクトを開く"},
        {2, "-"},
        {3, "新しいタブを挿入(&N)"},
        {4, "新しいタブを挿入してファイルを開く"},
        {5, "-"},
        {6, "ファイル名の変更"},
        {7, "-"},
        {8, "上書き保存(&S)"},
        {9, "名前を付けて保存(&A)..."},
        {10, "全てのファイルの保存"},
        {11, "プロジェクトの保存"},
        {12, "-"},
        {13, "全て初期化"},
        {14, "-"},
        {15, "テンプレートの保存"},
        {16, "テンプレートの呼び出し"},
        {17, "-"},
        {18, "印刷(&P)..."},
        {19, "-"},
    };
    for (const auto& item : items) {
        const QString caption = QString::fromUtf8(item.caption);
        QAction* a = caption == QStringLiteral("-") ? w.mnuFile->addSeparator() : w.mnuFile->addAction(caption);
        w.mfile.set(item.index, a);
        if (!a->isSeparator()) {
            const int index = item.index;
            QObject::connect(a, &QAction::triggered, &w, [this, index] { mfile_Click(index); });
        }
    }
    w.mfile(3)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    // The rename and template panels come with their own commands.
    for (int i : {6, 15, 16})
        w.mfile(i)->setEnabled(false);
    RebuildRecentItems();
}

void FileCommands::RebuildRecentItems()
{
    for (int i = FirstRecentItem; w.mfile.exists(i); ++i) {
        QAction* a = w.mfile(i);
        w.mfile.remove(i);
        w.mnuFile->removeAction(a);
        a->deleteLater();
    }
    int index = FirstRecentItem;
    bool any = false;
    for (int i = 0; i < 6; ++i) {
        w.RemFile[i] = w.m1.ini.GetIniSetting(SettingsApp, SettingsSection, QStringLiteral("RemFile") + QString::number(i), QString());
        if (w.RemFile[i].isEmpty())
            continue;
        QAction* a = w.mnuFile->addAction(QString::number(i) + QLatin1Char(':') + GetFileName(w.RemFile[i]));
        w.mfile.set(index, a);
        QObject::connect(a, &QAction::triggered, &w, [this, index] { mfile_Click(index); });
        ++index;
        any = true;
    }
    if (any)
        w.mfile.set(index++, w.mnuFile->addSeparator());
    QAction* exitItem = w.mnuFile->addAction(QStringLiteral("終了"));
    w.mfile.set(index, exitItem);
    QObject::connect(exitItem, &QAction::triggered, &w, [this, index] { mfile_Click(index); });
}

void FileCommands::mfile_Click(int index)
{
    QAction* item = w.mfile.get(index);
    if (!item)
        return;
    const auto blank = [this] { return vb::Trim(w.CurEditor()->Text()).isEmpty(); };
    switch (index) {
    case 0: OpenFileCmd(); break;
    case 1: w.projects.OpenProject(QString()); break;
    case 3: w.tabs.AddTab(); break;
    case 4:
        if (w.tabs.AddTab())
            OpenFileCmd();
        break;
    case 8:
        if (blank())
            return;
        SaveFile();
        break;
    case 9: SaveAs(); break;
    case 10: SaveAllFiles(); break;
    case 11: w.projects.SaveProject(); break;
    case 13: w.projects.Allclear(); break;
    case 18:
        if (blank())
            return;
        PrintText();
        break;
    default: break;
    }
    if (index < FirstRecentItem)
        return;
    const QString caption = item->text();
    if (caption.startsWith(QStringLiteral("終了"))) {
        Pend();
        return;
    }
    if (caption.size() >= 2 && caption[1] == QLatin1Char(':') && caption[0] >= QLatin1Char('0') && caption[0] <= QLatin1Char('5'))
        OpenRecent(caption[0].unicode() - '0');
}

void FileCommands::Pend()
{
    w.close();
}

bool FileCommands::askSaveFirst()
{
    const MsgResult answer = w.dlg.MsgBox(QStringLiteral("現在のファイルを保存しますか？"), MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::Yes && !SaveAs()) {
        w.dlg.MsgBox(SaveFailedBeforeOpen);
        return false;
    }
    return true;
}

void FileCommands::OpenFileCmd()
{
    const int n = w.CurDoc;
    if (!w.CurEditor()->Text().isEmpty() && !askSaveFirst())
        return;

    FileDialogRequest request;
    request.title = QStringLiteral("開く");
    request.filter = QStringLiteral("HTML(*.html;*.css;*.htm;*.txt)|*.html;*.css;*.htm;*.txt|(*.*)|*.*");
    const QString lastFile = w.m1.ini.GetIniSetting(SettingsApp, SettingsSection, QStringLiteral("LastFile"), QString());
    if (!lastFile.isEmpty() && QFileInfo::exists(lastFile))
        request.fileName = lastFile;
    request.directory = QDir::currentPath();
    const auto chosen = w.dlg.ShowOpen(request);
    if (!chosen || chosen->isEmpty())
        return; // cancelled: the document stays as it was

    const QString path = *chosen;
    const QString name = GetFileName(path);
    const bool textFile = vb::LCaseAscii(vb::Right(name, 3)) == QStringLiteral("txt") && w.mjidou(0)->isChecked();
    if (textFile && w.TabCount() != 2) {
        w.dlg.MsgBox(QStringLiteral("メニューの") + Quote + QStringLiteral("自動作成自動実行") + Quote
                         + QStringLiteral("がONの場合で") + CrLf
                         + QStringLiteral("テキストファイルを読み込む場合は、開いているテキストのタブは") + CrLf
                         + QStringLiteral("一つでなければなりません。") + CrLf + QStringLiteral("読み込む以外のタブは閉じてください｡"),
                     MsgButtons::OK, QStringLiteral("開いているタブの数が多すぎます。"), MsgIcon::Critical);
        return;
    }
    w.m1.LastPath = path;
    if (!ReadData(GetFilePath(path), name))
        return;
    w.Unsaved = false;
    w.SetStatusText(path);
    OpenFileSub();
    Document& d = w.doc(n);
    AddRecentFile(d.DataPath + QLatin1Char('/') + d.FileName);
}

bool FileCommands::ReadData(const QString& folder, const QString& name)
{
    const int n = w.CurDoc;
    const QString full = folder + QLatin1Char('/') + name;
    const TextReadResult r = readTextFile(full);
    if (!r.ok) {
        w.dlg.MsgBox(QStringLiteral("データｰが読み込めませんでした。ファイルが存在していないか、ほかのプログラムによって")
                     + QStringLiteral("オープンされていませんか?　データ-") + CrLf + full);
        return false;
    }
    Document& d = w.doc(n);
    d.FileName = name;
    d.DataPath = folder;
    d.encoding = r.encoding;
    // Folded regions and a hidden header of the text that was there belong to it alone.
    d.Regions.fill(QString());
    d.Header.clear();
    d.Footer.clear();
    RichEdit* ed = d.HtText;
    // Doubled carriage returns are cleaned out before the text goes into the editor.
    ed->SetText(removeDoubleCr(toCrLf(r.text)));
    w.colour.Setcolor2(ed);
    ed->show();
    ChangeDir(folder);
    d.Modified = false;
    if (!r.exactRoundTrip) {
        w.dlg.MsgBox(QStringLiteral("このファイルには Shift_JIS として正しく読めない文字が含まれています。") + CrLf
                     + QStringLiteral("保存すると、その部分は元のファイルと同じにはなりません。") + CrLf + full);
    }
    return true;
}

void FileCommands::ChangeDir(const QString& path)
{
    if (QDir::setCurrent(path))
        return;
    const QString home = QDir::homePath();
    if (w.dlg.MsgBox(QStringLiteral("ファイルのパスが設定できません　") + home + QStringLiteral("に書き込みますか？"), MsgButtons::YesNo)
        == MsgResult::Yes)
        QDir::setCurrent(home);
}

void FileCommands::OpenFileSub()
{
    const int n = w.CurDoc;
    Document& d = w.doc(n);
    w.m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("LastFile"), d.FileName);
    d.Modified = false;
    w.TabStrip1->SetCaption(2 * n + 1, GetHname(d.FileName));
    w.tabs.writePage(w.tabs.TempPagePath(n), d.HtText->Text(), d.encoding);
}

void FileCommands::OpenPath(const QString& path)
{
    if (vb::Right(path, 4) == QStringLiteral(".tur")) {
        w.projects.OpenProject(path);
        return;
    }
    Document& d = w.doc(w.CurDoc);
    if (d.Modified && !vb::Trim(d.HtText->Text()).isEmpty() && !askSaveFirst())
        return;
    QString folder = GetFilePath(path);
    if (folder.isEmpty())
        folder = QDir::currentPath();
    if (!ReadData(folder, GetFileName(path)))
        return;
    w.Unsaved = false;
    OpenFileSub();
}

void FileCommands::OpenRecent(int i)
{
    if (i < 0 || i > 5 || w.RemFile[i].isEmpty())
        return;
    const QString path = w.RemFile[i];
    if (vb::Right(path, 3) == QStringLiteral("tur")) {
        w.projects.OpenProject(path);
        return;
    }
    // A document that holds text is never replaced: the file goes into a new tab.
    if (!w.CurEditor()->Text().isEmpty() && !w.tabs.AddTab())
        return;
    if (!ReadData(GetFilePath(path), GetNamePart(path)))
        return;
    w.TabStrip1->SetCaption(2 * w.CurDoc + 1, GetHname(w.doc(w.CurDoc).FileName));
    w.Unsaved = false;
    w.SetStatusText(path);
}

void FileCommands::AddRecentFile(const QString& path)
{
    for (const QString& entry : w.RemFile) {
        if (entry == path)
            return;
    }
    for (int i = 4; i >= 0; --i)
        w.RemFile[i + 1] = w.RemFile[i];
    w.RemFile[0] = path;
    for (int i = 0; i < 6; ++i) {
        if (!w.RemFile[i].isEmpty())
            w.m1.ini.SaveIniSetting(SettingsApp, SettingsSection, QStringLiteral("RemFile") + QString::number(i), w.RemFile[i]);
    }
    if (!w.m1.ini.WriteIni(w.m1.iniPath()))
        w.dlg.MsgBox(QStringLiteral("設定ファイルが書き込めませんでした。最近使ったファイルの一覧は保存されません。") + CrLf + w.m1.iniPath());
    RebuildRecentItems();
}

void FileCommands::OpenCommandLineFile(const QString& path)
{
    QString folder = GetFilePath(path);
    if (folder.isEmpty())
        folder = w.m1.programFolder;
    if (!ReadData(folder, GetFileName(path)))
        return;
    OpenFileSub();
}

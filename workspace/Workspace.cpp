#include "workspace/Workspace.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/VbString.h"
#include "platform/WebBrowser.h"
#include "workspace/PathHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSaveFile>

Workspace::Workspace(Module1& module, Dialogs& dialogs, TabStrip& tabs)
    : m1(module)
    , dlg(dialogs)
    , pages(module.settings)
    , tabs_(tabs)
{
    pageTimer_.setSingleShot(true);
    pageTimer_.setInterval(PageDelayMs);
    connect(&pageTimer_, &QTimer::timeout, this, [this] { writeDirtyPages(); });
    pages.persist = [this] {
        if (!m1.ini.WriteIni(m1.iniPath()) && !persistFailureShown_) {
            persistFailureShown_ = true;
            dlg.MsgBox(QStringLiteral("設定ファイルが書き込めませんでした。プログラムが異常終了したときに、入力中のデータｰを復活できないことがあります。")
                       + CrLf + m1.iniPath());
        }
    };
    // The window's design holds one document.
    auto first = std::make_unique<Document>();
    first->DataPath = m1.dataFolder;
    docs_.push_back(std::move(first));
    docs_.front()->HtText = createEditor();
    tabs_.Add(QString());
    tabs_.Add(QString());
}

Workspace::~Workspace() = default;

Document& Workspace::doc(int n)
{
    return *docs_.at(static_cast<size_t>(n));
}

const Document& Workspace::doc(int n) const
{
    return *docs_.at(static_cast<size_t>(n));
}

void Workspace::setCurDoc(int n)
{
    if (n < 0 || n >= DocCount() || n == curDoc_)
        return;
    curDoc_ = n;
    Q_EMIT currentChanged(n);
}

int Workspace::indexOf(const RichEdit* editor) const
{
    for (int i = 0; i < DocCount(); ++i) {
        if (docs_[static_cast<size_t>(i)]->HtText == editor)
            return i;
    }
    return -1;
}

int Workspace::TabCount() const
{
    return tabs_.Count();
}

int Workspace::selectedDocument() const
{
    const int t = tabs_.SelectedIndex();
    return t >= 1 ? documentOfTab(t) : 0;
}

bool Workspace::previewTabSelected() const
{
    const int t = tabs_.SelectedIndex();
    return t >= 1 && isPreviewTab(t);
}

void Workspace::selectSourceTab(int n)
{
    tabs_.Select(sourceTab(n));
}

void Workspace::selectPreviewTab(int n)
{
    tabs_.Select(previewTab(n));
}

void Workspace::setSourceCaption(int n, const QString& caption)
{
    tabs_.SetCaption(sourceTab(n), caption);
}

QString Workspace::sourceCaption(int n) const
{
    return tabs_.Caption(sourceTab(n));
}

RichEdit* Workspace::createEditor()
{
    auto* ed = new RichEdit(tabs_.DisplayArea());
    ed->setGeometry(tabs_.DisplayArea()->rect());
    connect(ed, &RichEdit::Changed, this, [this, ed] { HtText_Change(indexOf(ed)); });
    connect(ed, &RichEdit::LostFocus, this, [this, ed] { HtText_LostFocus(indexOf(ed)); });
    connect(ed, &RichEdit::MouseDown, this, [this, ed](int button, int shift, int x, int y) {
        HtText_MouseDown(indexOf(ed), button, shift, x, y);
    });
    connect(ed, &RichEdit::FilesDropped, this, [this, ed](const QStringList& files) {
        const int n = indexOf(ed);
        if (n >= 0 && !files.isEmpty())
            Q_EMIT filesDropped(n, files);
    });
    return ed;
}

QString Workspace::TempPagePath(int n)
{
    Document& d = doc(n);
    const QString folder = QFileInfo(d.DataPath.isEmpty() ? m1.programFolder : d.DataPath).absoluteFilePath();
    if (!d.TempPage.isEmpty() && QFileInfo(d.TempPage).absolutePath() == folder)
        return d.TempPage;
    QSet<QString> usedByOthers;
    for (const auto& other : docs_) {
        if (other.get() != &d && !other->TempPage.isEmpty())
            usedByOthers.insert(other->TempPage);
    }
    d.TempPage = pages.choosePath(folder, n, usedByOthers);
    return d.TempPage;
}

namespace {

// A temporary page is written only under a name the run owns or that is free.
bool mayWritePage(const TempPages& pages, const QString& path)
{
    const QFileInfo target(path);
    return !isOwnTempPageName(target.fileName()) || !(target.isSymLink() || (target.exists() && !pages.owns(path)));
}

} // namespace

bool Workspace::writePageFromFile(const QString& path, const QString& file)
{
    if (!mayWritePage(pages, path))
        return false;
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    bytes += "\r\n";
    QSaveFile page(path);
    if (!page.open(QIODevice::WriteOnly) || page.write(bytes) != bytes.size() || !page.commit())
        return false;
    if (isOwnTempPageName(QFileInfo(path).fileName()))
        pages.noteWritten(path);
    return true;
}

bool Workspace::writePage(const QString& path, const QString& text, TextEncoding encoding, QString* error)
{
    const QFileInfo target(path);
    if (!mayWritePage(pages, path)) {
        if (error)
            *error = QStringLiteral("not the program's own page");
        return false;
    }
    const TextWriteResult r = writeTextFile(path, text + CrLf, encoding, true);
    if (!r.ok && error)
        *error = r.error;
    if (r.ok && isOwnTempPageName(target.fileName()))
        pages.noteWritten(path);
    return r.ok;
}

void Workspace::InitFirstTab()
{
    Document& d = doc(0);
    d.FileName = tempPageName(0);
    tabs_.SetCaption(sourceTab(0), GetHname(d.FileName));
    tabs_.SetImage(sourceTab(0), 12);
    tabs_.SetImage(previewTab(0), 13);
    d.Modified = false;
    setCurDoc(0);
    d.HtText->raise();
    d.HtText->show();

    // Pages a run left behind, in the data folder and in every folder where the last runs
    // wrote pages (a crash leaves them there).
    if (!m1.commandLine.isEmpty())
        return;
    const QStringList leftovers = pages.leftoverPages(d.DataPath);
    if (leftovers.isEmpty())
        return;
    // Restored or not, they are this run's to replace and to delete at its end.
    pages.adopt(leftovers);
    if (dlg.MsgBox(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    restoreLeftoverPages(leftovers);
}

void Workspace::restoreLeftoverPages(const QStringList& leftovers)
{
    bool first = true;
    for (const QString& path : leftovers) {
        if (!first && !AddTab())
            break;
        first = false;
        const TextReadResult r = readTextFile(path);
        if (!r.ok) {
            dlg.MsgBox(QStringLiteral("前のデータｰが読み込めませんでした。") + CrLf + path);
            break;
        }
        Document& d = current();
        d.DataPath = QFileInfo(path).absolutePath();
        d.encoding = r.encoding;
        d.HtText->SetText(toCrLf(r.text));
        Q_EMIT textLoaded(curDoc_);
    }
}

bool Workspace::AddTab()
{
    if (addBusy_)
        return false;
    if (DocCount() >= MaxDocuments) {
        dlg.MsgBox(QStringLiteral("これ以上タブを開けません。開けるファイルは") + QString::number(MaxDocuments)
                   + QStringLiteral("個までです。") + CrLf + QStringLiteral("使わないタブを閉じてください。") + FaceSweat);
        return false;
    }
    addBusy_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);

    const int n = DocCount();
    auto d = std::make_unique<Document>();
    d->LstBrowse = new QListWidget(tabs_.DisplayArea());
    d->LstBrowse->hide();
    d->FileName = tempPageName(n);
    d->Modified = false;
    d->DataPath = DataPathLeft[static_cast<size_t>(n)];
    if (d->DataPath.isEmpty())
        d->DataPath = doc(0).DataPath;
    d->HtText = createEditor();
    docs_.push_back(std::move(d));

    tabs_.Add(tempPageName(n));
    tabs_.Add(QString());

    for (auto& other : docs_) {
        other->HtText->hide();
        if (other->WebB1)
            other->WebB1->hide();
    }
    setCurDoc(n);
    RichEdit* ed = HtText(n);
    ed->show();
    ed->raise();
    const int count = TabCount();
    for (int i = 1; i <= count; ++i)
        tabs_.SetImage(i, isPreviewTab(i) ? 13 : 11);
    tabs_.SetImage(count - 1, 12);
    Q_EMIT documentAdded(n);
    tabs_.Select(count - 1);

    QApplication::restoreOverrideCursor();
    addBusy_ = false;
    return true;
}

void Workspace::removeDocument(int n)
{
    const int last = DocCount() - 1;
    // The slot of the last document keeps its folder for the next document added there.
    DataPathLeft[static_cast<size_t>(last)] = doc(last).DataPath;
    std::unique_ptr<Document> gone = std::move(docs_[static_cast<size_t>(n)]);
    dirty_.remove(gone.get());
    docs_.erase(docs_.begin() + n);
    // Its two tabs go; the captions of the later ones move along.
    tabs_.Remove(previewTab(n));
    tabs_.Remove(sourceTab(n));
    gone.reset();
    Q_EMIT documentRemoved(n);
    // The index may now name the document behind the closed one.
    curDoc_ = std::min(curDoc_, DocCount() - 1);
    Q_EMIT currentChanged(curDoc_);
}

void Workspace::removeAllButFirst()
{
    for (int i = DocCount() - 1; i >= 1; --i) {
        DataPathLeft[static_cast<size_t>(i)] = doc(i).DataPath;
        dirty_.remove(docs_.back().get());
        docs_.pop_back();
        Q_EMIT documentRemoved(i);
    }
    for (int t = TabCount(); t >= 3; --t)
        tabs_.Remove(t);
    if (curDoc_ != 0) {
        curDoc_ = 0;
        Q_EMIT currentChanged(0);
    }
}

void Workspace::WriteTemp()
{
    if (tabs_.SelectedIndex() >= 1)
        setCurDoc(selectedDocument());
    if (curDoc_ >= DocCount())
        return;
    writeTempPage(curDoc_);
}

void Workspace::writeTempPage(int n)
{
    Document& d = doc(n);
    dirty_.remove(&d);
    const QString t = d.Header.isEmpty() ? d.HtText->Text() : GetFullText(d);
    if (vb::Trim(t).isEmpty())
        return;
    if (d.DataPath.isEmpty())
        d.DataPath = m1.programFolder;
    if (vb::Right(vb::Trim(d.FileName), 4) == QStringLiteral(".css"))
        return;
    const QString path = TempPagePath(n);
    QString error;
    if (writePage(path, t, d.encoding, &error)) {
        lastTempFailure_.clear();
        return;
    }
    // Tell the user once; the next focus change tries again without another message.
    if (lastTempFailure_ == path)
        return;
    lastTempFailure_ = path;
    dlg.MsgBox(QStringLiteral("プレビュー用の一時ファイルが書き込めませんでした。フォルダーがあるか、書き込めるかを確かめてください。")
               + CrLf + path);
}

void Workspace::SetStatusText(const QString& text)
{
    statusText_ = text;
    Q_EMIT statusTextChanged(text);
}

void Workspace::HtText_Change(int index)
{
    if (index < 0 || index >= DocCount())
        return;
    Document& d = doc(index);
    d.Modified = true;
    // The page follows at most a delay after the first change that is not on disk yet, however
    // long the typing goes on, so that a crash loses only the last moments. Later changes leave
    // the running delay alone; the write itself happens from the event loop, never here.
    dirty_.insert(&d);
    if (!pageTimer_.isActive())
        pageTimer_.start();
}

void Workspace::writeDirtyPages()
{
    for (int i = 0; i < DocCount(); ++i) {
        if (dirty_.contains(&doc(i)) && doc(i).Modified)
            writeTempPage(i);
    }
    dirty_.clear();
}

void Workspace::HtText_MouseDown(int index, int button, int shift, int x, int y)
{
    if (index < 0)
        return;
    if (button == 2) {
        // The old program kept these in 16-bit integers.
        PopupX = static_cast<qint16>(x + 200);
        PopupY = static_cast<qint16>(y + 800);
    }
    Q_EMIT editorMouseDown(index, button, shift, x, y);
}

void Workspace::HtText_LostFocus(int index)
{
    if (index >= 0)
        WriteTemp();
}

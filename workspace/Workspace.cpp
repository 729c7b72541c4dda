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
    // Both tabs of a document tell where its file is.
    tabs_.setToolTipSource([this](int tab) {
        const int n = documentOfTab(tab);
        return n >= 0 && n < DocCount() ? documentPath(n) : QString();
    });
}

Workspace::~Workspace()
{
    tabs_.setToolTipSource({});
}

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
    if (n < 0 || n >= DocCount())
        return;
    const bool changed = n != curDoc_;
    curDoc_ = n;
    if (tabs_.SelectedIndex() >= 1 && selectedDocument() != n)
        tabs_.Select(sourceTab(n));
    if (changed)
        Q_EMIT currentChanged(n);
}

bool Workspace::hasUnsavedChanges(int n) const
{
    const Document& d = doc(n);
    return d.Modified && !vb::Trim(d.HtText->Text()).isEmpty();
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

QString Workspace::documentPath(int n) const
{
    const Document& d = doc(n);
    return d.DataPath + QLatin1Char('/') + GetFileName(d.FileName);
}

void Workspace::showDocumentName(int n)
{
    setSourceCaption(n, GetNamePart(doc(n).FileName));
    if (n == curDoc_)
        refreshStatus();
}

void Workspace::refreshStatus()
{
    if (curDoc_ >= 0 && curDoc_ < DocCount())
        SetStatusText(documentPath(curDoc_));
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
    const QString path = pagePathOf(n);
    writeWaitingPage(n, path);
    return path;
}

QString Workspace::pagePathOf(int n)
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

void Workspace::pageFromFileWhenNeeded(int n, const QString& file, qint64 size, const QDateTime& modified)
{
    waitingPages_.insert(&doc(n), PageSource{file, size, modified});
}

bool Workspace::writeWaitingPage(int n, const QString& path)
{
    const auto waiting = waitingPages_.find(&doc(n));
    if (waiting == waitingPages_.end())
        return false;
    const PageSource source = waiting.value();
    waitingPages_.erase(waiting);
    // From the file only while the document is still that file and the file is as it was when
    // it was read; otherwise from the text, as it would have been written on opening.
    const Document& d = doc(n);
    const QFileInfo info(source.file);
    const bool fileAsRead = source.file == filePathOf(d)
        && info.size() == source.size && info.lastModified() == source.modified;
    if (fileAsRead && writePageFromFile(path, source.file))
        return true;
    return writePage(path, pageText(d), d.encoding);
}

QString Workspace::pageText(const Document& d)
{
    return d.Header.isEmpty() ? d.HtText->Text() : GetFullText(d);
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
    tabs_.SetCaption(sourceTab(0), d.FileName);
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
    // The new document is current for those who prepare it; its source tab is selected once
    // it is ready.
    curDoc_ = n;
    RichEdit* ed = HtText(n);
    ed->show();
    ed->raise();
    const int count = TabCount();
    for (int i = 1; i <= count; ++i)
        tabs_.SetImage(i, isPreviewTab(i) ? 13 : 11);
    tabs_.SetImage(count - 1, 12);
    Q_EMIT documentAdded(n);
    tabs_.Select(sourceTab(n));
    Q_EMIT currentChanged(n);

    QApplication::restoreOverrideCursor();
    addBusy_ = false;
    return true;
}

void Workspace::removeDocument(int n)
{
    const bool wasOnShow = n == curDoc_;
    const int last = DocCount() - 1;
    // The slot of the last document keeps its folder for the next document added there.
    DataPathLeft[static_cast<size_t>(last)] = doc(last).DataPath;
    std::unique_ptr<Document> gone = std::move(docs_[static_cast<size_t>(n)]);
    dirty_.remove(gone.get());
    waitingPages_.remove(gone.get());
    docs_.erase(docs_.begin() + n);
    // Its two tabs go; the captions of the later ones move along.
    tabs_.Remove(previewTab(n));
    tabs_.Remove(sourceTab(n));
    gone.reset();
    Q_EMIT documentRemoved(n);
    if (wasOnShow) {
        // Its tabs went without a switch: the last document's source is put on show.
        curDoc_ = DocCount() - 1;
        tabs_.Select(sourceTab(curDoc_));
    } else if (n < curDoc_) {
        // The document on show moved down one place with its tabs, which stay selected.
        --curDoc_;
    }
    Q_EMIT currentChanged(curDoc_);
}

void Workspace::removeAllButFirst()
{
    for (int i = DocCount() - 1; i >= 1; --i) {
        DataPathLeft[static_cast<size_t>(i)] = doc(i).DataPath;
        dirty_.remove(docs_.back().get());
        waitingPages_.remove(docs_.back().get());
        docs_.pop_back();
        Q_EMIT documentRemoved(i);
    }
    for (int t = TabCount(); t >= 3; --t)
        tabs_.Remove(t);
    if (curDoc_ != 0) {
        // The document on show is gone: the first one's source is shown.
        curDoc_ = 0;
        tabs_.Select(sourceTab(0));
        Q_EMIT currentChanged(0);
    }
}

void Workspace::fileSavedByUser(const QString& path)
{
    const QString saved = QFileInfo(path).absoluteFilePath();
    pages.release(saved);
    // A document whose page had that name takes another one when its page is next written.
    for (auto& d : docs_) {
        if (d->TempPage == saved)
            d->TempPage.clear();
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
    // A stylesheet has no page.
    const bool stylesheet = vb::Right(vb::Trim(d.FileName), 4) == QStringLiteral(".css");
    // A page still to be made from its file is made from it, without encoding the text again.
    if (waitingPages_.contains(&d) && !stylesheet && writeWaitingPage(n, pagePathOf(n))) {
        lastTempFailure_.clear();
        return;
    }
    const QString t = pageText(d);
    if (vb::Trim(t).isEmpty())
        return;
    if (d.DataPath.isEmpty())
        d.DataPath = m1.programFolder;
    if (stylesheet)
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
    waitingPages_.remove(&d);
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

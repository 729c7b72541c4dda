#include "workspace/Workspace.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextRules.h"
#include "platform/WebBrowser.h"
#include "workspace/PathHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSaveFile>

Workspace::Workspace(ProgramState& programState, Dialogs& dialogs, TabStrip& tabs)
    : state(programState)
    , dlg(dialogs)
    , pages(programState.settings)
    , tabs_(tabs)
{
    pageTimer_.setSingleShot(true);
    pageTimer_.setInterval(PageDelayMs);
    connect(&pageTimer_, &QTimer::timeout, this, [this] { writeDirtyPages(); });
    pages.persist = [this] {
        if (!state.ini.writeFile(state.iniPath()) && !persistFailureShown_) {
            persistFailureShown_ = true;
            dlg.message(QStringLiteral("設定ファイルが書き込めませんでした。プログラムが異常終了したときに、入力中のデータｰを復活できないことがあります。")
                       + CrLf + state.iniPath());
        }
    };
    // The window's design holds one document.
    auto first = std::make_unique<Document>();
    first->folder = state.dataFolder;
    docs_.push_back(std::move(first));
    docs_.front()->sourceEditor = createEditor();
    tabs_.addTab(QString());
    tabs_.addTab(QString());
    // Both tabs of a document tell where its file is.
    tabs_.setToolTipSource([this](int tab) {
        const int n = documentOfTab(tab);
        return n >= 0 && n < documentCount() ? documentPath(n) : QString();
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

void Workspace::setCurrentIndex(int n)
{
    if (n < 0 || n >= documentCount())
        return;
    const bool changed = n != currentIndex_;
    currentIndex_ = n;
    if (tabs_.currentIndex() >= 1 && selectedDocument() != n)
        tabs_.setCurrentIndex(sourceTab(n));
    if (changed)
        Q_EMIT currentChanged(n);
}

bool Workspace::hasUnsavedChanges(int n) const
{
    const Document& d = doc(n);
    return d.modified && !textrules::trimBlanks(d.sourceEditor->text()).isEmpty();
}

int Workspace::indexOf(const RichEdit* editor) const
{
    for (int i = 0; i < documentCount(); ++i) {
        if (docs_[static_cast<size_t>(i)]->sourceEditor == editor)
            return i;
    }
    return -1;
}

int Workspace::documentHoldingFile(const QString& path) const
{
    const FileStamp wanted = fileStampOf(path);
    if (!wanted.exists)
        return -1;
    for (int i = 0; i < documentCount(); ++i) {
        const Document& d = doc(i);
        if (!d.diskPath.isEmpty() && QDir::cleanPath(d.diskPath) == QDir::cleanPath(filePathOf(d))
            && fileStampOf(d.diskPath).sameFileAs(wanted))
            return i;
    }
    return -1;
}

int Workspace::tabCount() const
{
    return tabs_.count();
}

int Workspace::selectedDocument() const
{
    const int t = tabs_.currentIndex();
    return t >= 1 ? documentOfTab(t) : 0;
}

bool Workspace::previewTabSelected() const
{
    const int t = tabs_.currentIndex();
    return t >= 1 && isPreviewTab(t);
}

void Workspace::selectSourceTab(int n)
{
    tabs_.setCurrentIndex(sourceTab(n));
}

void Workspace::selectPreviewTab(int n)
{
    tabs_.setCurrentIndex(previewTab(n));
}

void Workspace::setSourceCaption(int n, const QString& caption)
{
    tabs_.setTabText(sourceTab(n), caption);
}

QString Workspace::documentPath(int n) const
{
    const Document& d = doc(n);
    return d.folder + QLatin1Char('/') + fileNameOf(d.fileName);
}

void Workspace::showDocumentName(int n)
{
    setSourceCaption(n, fileNameOf(doc(n).fileName));
    announceName(n);
}

void Workspace::announceName(int n)
{
    if (n == currentIndex_)
        refreshStatus();
    Q_EMIT documentNamed(n);
}

void Workspace::nameDocument(int n, const QString& folder, const QString& fileName, TabCaption caption)
{
    Document& d = doc(n);
    d.folder = folder;
    d.fileName = fileName;
    if (caption == TabCaption::FollowsName)
        showDocumentName(n);
    else
        announceName(n);
}

void Workspace::refreshStatus()
{
    if (currentIndex_ >= 0 && currentIndex_ < documentCount())
        setStatusText(documentPath(currentIndex_));
}

QString Workspace::sourceCaption(int n) const
{
    return tabs_.tabText(sourceTab(n));
}

RichEdit* Workspace::createEditor()
{
    auto* ed = new RichEdit(tabs_.displayArea());
    ed->setGeometry(tabs_.displayArea()->rect());
    connect(ed, &RichEdit::textChanged, this, [this, ed] { markChanged(indexOf(ed)); });
    connect(ed, &RichEdit::focusLost, this, [this, ed] { writePageOnFocusLoss(indexOf(ed)); });
    connect(ed, &RichEdit::mousePressed, this, [this, ed](int button, int shift, int x, int y) {
        passOnEditorMouseDown(indexOf(ed), button, shift, x, y);
    });
    connect(ed, &RichEdit::filesDropped, this, [this, ed](const QStringList& files) {
        const int n = indexOf(ed);
        if (n >= 0 && !files.isEmpty())
            Q_EMIT filesDropped(n, files);
    });
    return ed;
}

QString Workspace::tempPagePath(int n)
{
    const QString path = pagePathOf(n);
    writeWaitingPage(n, path);
    return path;
}

QString Workspace::pagePathOf(int n)
{
    Document& d = doc(n);
    const QString folder = QFileInfo(d.folder.isEmpty() ? state.programFolder : d.folder).absoluteFilePath();
    if (!d.tempPage.isEmpty() && QFileInfo(d.tempPage).absolutePath() == folder)
        return d.tempPage;
    QSet<QString> usedByOthers;
    for (const auto& other : docs_) {
        if (other.get() != &d && !other->tempPage.isEmpty())
            usedByOthers.insert(other->tempPage);
    }
    d.tempPage = pages.choosePath(folder, n, usedByOthers);
    return d.tempPage;
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
    return d.header.isEmpty() ? d.sourceEditor->text() : fullText(d);
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

void Workspace::prepareFirstDocument()
{
    Document& d = doc(0);
    d.fileName = tempPageName(0);
    tabs_.setTabText(sourceTab(0), d.fileName);
    tabs_.setTabImage(sourceTab(0), 12);
    tabs_.setTabImage(previewTab(0), 13);
    d.modified = false;
    setCurrentIndex(0);
    d.sourceEditor->raise();
    d.sourceEditor->show();

    // Pages a run left behind, in the data folder and in every folder where the last runs
    // wrote pages (a crash leaves them there).
    if (!state.commandLine.isEmpty())
        return;
    const QStringList leftovers = pages.leftoverPages(d.folder);
    if (leftovers.isEmpty())
        return;
    // Restored or not, they are this run's to replace and to delete at its end.
    pages.adopt(leftovers);
    if (dlg.message(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    restoreLeftoverPages(leftovers);
}

void Workspace::restoreLeftoverPages(const QStringList& leftovers)
{
    bool first = true;
    for (const QString& path : leftovers) {
        if (!first && !addDocument())
            break;
        first = false;
        const TextReadResult r = readTextFile(path);
        if (!r.ok) {
            dlg.message(QStringLiteral("前のデータｰが読み込めませんでした。") + CrLf + path);
            break;
        }
        Document& d = current();
        nameDocument(currentIndex_, QFileInfo(path).absolutePath(), d.fileName);
        d.encoding = r.encoding;
        d.sourceEditor->setText(toCrLf(r.text));
        Q_EMIT textLoaded(currentIndex_);
    }
}

bool Workspace::addDocument(const QString& folder)
{
    if (addBusy_)
        return false;
    if (documentCount() >= MaxDocuments) {
        dlg.message(QStringLiteral("これ以上タブを開けません。開けるファイルは") + QString::number(MaxDocuments)
                   + QStringLiteral("個までです。") + CrLf + QStringLiteral("使わないタブを閉じてください。") + FaceSweat);
        return false;
    }
    addBusy_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);

    const int n = documentCount();
    auto d = std::make_unique<Document>();
    d->linkList = new QListWidget(tabs_.displayArea());
    d->linkList->hide();
    d->fileName = tempPageName(n);
    d->modified = false;
    d->folder = folder.isEmpty() ? folderLeftInSlot[static_cast<size_t>(n)] : folder;
    if (d->folder.isEmpty())
        d->folder = doc(0).folder;
    d->sourceEditor = createEditor();
    docs_.push_back(std::move(d));

    tabs_.addTab(tempPageName(n));
    tabs_.addTab(QString());

    for (auto& other : docs_) {
        other->sourceEditor->hide();
        if (other->browser)
            other->browser->hide();
    }
    // The new document is current for those who prepare it; its source tab is selected once
    // it is ready.
    currentIndex_ = n;
    RichEdit* ed = sourceEditor(n);
    ed->show();
    ed->raise();
    const int count = tabCount();
    for (int i = 1; i <= count; ++i)
        tabs_.setTabImage(i, isPreviewTab(i) ? 13 : 11);
    tabs_.setTabImage(count - 1, 12);
    Q_EMIT documentAdded(n);
    tabs_.setCurrentIndex(sourceTab(n));
    Q_EMIT currentChanged(n);

    QApplication::restoreOverrideCursor();
    addBusy_ = false;
    return true;
}

void Workspace::removeDocument(int n)
{
    const bool wasOnShow = n == currentIndex_;
    const int last = documentCount() - 1;
    // The slot of the last document keeps its folder for the next document added there.
    folderLeftInSlot[static_cast<size_t>(last)] = doc(last).folder;
    std::unique_ptr<Document> gone = std::move(docs_[static_cast<size_t>(n)]);
    dirty_.remove(gone.get());
    waitingPages_.remove(gone.get());
    docs_.erase(docs_.begin() + n);
    // Its two tabs go; the captions of the later ones move along.
    tabs_.removeTab(previewTab(n));
    tabs_.removeTab(sourceTab(n));
    gone.reset();
    Q_EMIT documentRemoved(n);
    if (wasOnShow) {
        // Its tabs went without a switch: the last document's source is put on show.
        currentIndex_ = documentCount() - 1;
        tabs_.setCurrentIndex(sourceTab(currentIndex_));
    } else if (n < currentIndex_) {
        // The document on show moved down one place with its tabs, which stay selected.
        --currentIndex_;
    }
    Q_EMIT currentChanged(currentIndex_);
}

void Workspace::removeAllButFirst()
{
    for (int i = documentCount() - 1; i >= 1; --i) {
        folderLeftInSlot[static_cast<size_t>(i)] = doc(i).folder;
        dirty_.remove(docs_.back().get());
        waitingPages_.remove(docs_.back().get());
        docs_.pop_back();
        Q_EMIT documentRemoved(i);
    }
    for (int t = tabCount(); t >= 3; --t)
        tabs_.removeTab(t);
    if (currentIndex_ != 0) {
        // The document on show is gone: the first one's source is shown.
        currentIndex_ = 0;
        tabs_.setCurrentIndex(sourceTab(0));
        Q_EMIT currentChanged(0);
    }
}

void Workspace::fileSavedByUser(const QString& path)
{
    const QString saved = QFileInfo(path).absoluteFilePath();
    pages.release(saved);
    // A document whose page had that name takes another one when its page is next written.
    for (auto& d : docs_) {
        if (d->tempPage == saved)
            d->tempPage.clear();
    }
}

void Workspace::writeCurrentTempPage()
{
    if (tabs_.currentIndex() >= 1)
        setCurrentIndex(selectedDocument());
    if (currentIndex_ >= documentCount())
        return;
    writeTempPage(currentIndex_);
}

void Workspace::writeTempPage(int n)
{
    Document& d = doc(n);
    dirty_.remove(&d);
    // A stylesheet has no page.
    const bool stylesheet = textrules::trimBlanks(d.fileName).endsWith(QStringLiteral(".css"));
    // A page still to be made from its file is made from it, without encoding the text again.
    if (waitingPages_.contains(&d) && !stylesheet && writeWaitingPage(n, pagePathOf(n))) {
        lastTempFailure_.clear();
        return;
    }
    const QString t = pageText(d);
    if (textrules::trimBlanks(t).isEmpty())
        return;
    if (d.folder.isEmpty())
        d.folder = state.programFolder;
    if (stylesheet)
        return;
    const QString path = tempPagePath(n);
    QString error;
    if (writePage(path, t, d.encoding, &error)) {
        lastTempFailure_.clear();
        return;
    }
    // Tell the user once; the next focus change tries again without another message.
    if (lastTempFailure_ == path)
        return;
    lastTempFailure_ = path;
    dlg.message(QStringLiteral("プレビュー用の一時ファイルが書き込めませんでした。フォルダーがあるか、書き込めるかを確かめてください。")
               + CrLf + path);
}

void Workspace::setStatusText(const QString& text)
{
    statusText_ = text;
    Q_EMIT statusTextChanged(text);
}

void Workspace::markChanged(int index)
{
    if (index < 0 || index >= documentCount())
        return;
    Document& d = doc(index);
    d.modified = true;
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
    for (int i = 0; i < documentCount(); ++i) {
        if (dirty_.contains(&doc(i)) && doc(i).modified)
            writeTempPage(i);
    }
    dirty_.clear();
}

void Workspace::passOnEditorMouseDown(int index, int button, int shift, int x, int y)
{
    if (index < 0)
        return;
    if (button == 2) {
        // The old program kept these in 16-bit integers.
        popupX = static_cast<qint16>(x + 200);
        popupY = static_cast<qint16>(y + 800);
    }
    Q_EMIT editorMouseDown(index, button, shift, x, y);
}

void Workspace::writePageOnFocusLoss(int index)
{
    if (index >= 0)
        writeCurrentTempPage();
}

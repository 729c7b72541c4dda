#include "shell/DocumentTabs.h"

#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/VbString.h"
#include "platform/WebBrowser.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>

RichEdit* DocumentTabs::createEditor()
{
    auto* ed = new RichEdit(w.TabStrip1->DisplayArea());
    ed->setGeometry(w.TabStrip1->DisplayArea()->rect());
    if (!w.docs.empty() && w.docs.front()->HtText)
        ed->SetEditorFont(w.docs.front()->HtText->EditorFont());
    w.colour.Setcolor2(ed);
    QObject::connect(ed, &RichEdit::Changed, ed, [this, ed] { HtText_Change(indexOf(ed)); });
    QObject::connect(ed, &RichEdit::LostFocus, ed, [this, ed] { HtText_LostFocus(indexOf(ed)); });
    QObject::connect(ed, &RichEdit::MouseDown, ed, [this, ed](int button, int shift, int x, int y) {
        HtText_MouseDown(indexOf(ed), button, shift, x, y);
    });
    QObject::connect(ed, &RichEdit::FilesDropped, ed, [this, ed](const QStringList& files) {
        HtText_OLEDragDrop(indexOf(ed), files);
    });
    return ed;
}

void DocumentTabs::disposeDocument(std::unique_ptr<Document> gone)
{
    if (!gone)
        return;
    gone->HtText->hide();
    gone->HtText->deleteLater();
    if (gone->WebB1)
        gone->WebB1->deleteLater();
    if (gone->LstBrowse)
        gone->LstBrowse->deleteLater();
}

int DocumentTabs::indexOf(const RichEdit* editor) const
{
    for (int i = 0; i < w.DocCount(); ++i) {
        if (w.docs[static_cast<size_t>(i)]->HtText == editor)
            return i;
    }
    return -1;
}

QString DocumentTabs::TempPagePath(int n) const
{
    return w.doc(n).DataPath + QLatin1Char('/') + tempPageName(n);
}

bool DocumentTabs::writePage(const QString& path, const QString& text, TextEncoding encoding, QString* error)
{
    const TextWriteResult r = writeTextFile(path, text + CrLf, encoding, true);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

void DocumentTabs::InitFirstTab()
{
    Document& d = w.doc(0);
    d.FileName = tempPageName(0);
    w.TabStrip1->SetCaption(1, GetHname(d.FileName));
    w.TabStrip1->SetImage(1, 12);
    w.TabStrip1->SetImage(2, 13);
    d.Modified = false;
    w.CurDoc = 0;
    d.HtText->raise();
    d.HtText->show();

    QDir folder(d.DataPath);
    if (d.DataPath.isEmpty() || !folder.exists())
        return;
    QStringList pages;
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (isOwnTempPageName(name))
            pages << name;
    }
    if (pages.isEmpty() || !w.m1.commandLine.isEmpty())
        return;
    if (w.dlg.MsgBox(QStringLiteral("前のデータｰが残っています、データｰを復活しますか?"), MsgButtons::YesNo) != MsgResult::Yes)
        return;
    restoreLeftoverPages(pages);
}

void DocumentTabs::restoreLeftoverPages(const QStringList& pages)
{
    const QString folder = w.doc(0).DataPath;
    bool first = true;
    for (const QString& name : pages) {
        if (!first && !AddTab())
            break;
        first = false;
        const TextReadResult r = readTextFile(folder + QLatin1Char('/') + name);
        if (!r.ok)
            break;
        Document& d = w.doc(w.CurDoc);
        d.encoding = r.encoding;
        d.HtText->SetText(toCrLf(r.text));
    }
    w.colour.ResetColor();
}

bool DocumentTabs::AddTab()
{
    if (addBusy_)
        return false;
    if (w.DocCount() >= MaxDocuments) {
        w.dlg.MsgBox(QStringLiteral("これ以上タブを開けません。開けるファイルは") + QString::number(MaxDocuments)
                     + QStringLiteral("個までです。") + CrLf + QStringLiteral("使わないタブを閉じてください。") + FaceSweat);
        return false;
    }
    addBusy_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);

    const int n = w.DocCount();
    auto d = std::make_unique<Document>();
    d->LstBrowse = new QListWidget(w.TabStrip1->DisplayArea());
    d->LstBrowse->hide();
    d->FileName = tempPageName(n);
    d->Modified = false;
    d->DataPath = w.DataPathLeft[static_cast<size_t>(n)];
    if (d->DataPath.isEmpty())
        d->DataPath = w.doc(0).DataPath;
    w.docs.push_back(std::move(d));
    RichEdit* ed = createEditor();
    w.docs.back()->HtText = ed;

    w.TabStrip1->Add(tempPageName(n));
    w.TabStrip1->Add(QString());
    w.doc(n).Modified = false;

    for (auto& other : w.docs) {
        other->HtText->hide();
        if (other->WebB1)
            other->WebB1->hide();
    }
    w.CurDoc = n;
    ed->show();
    ed->raise();
    const int tabs = w.TabCount();
    for (int i = 1; i <= tabs; ++i)
        w.TabStrip1->SetImage(i, (i % 2 == 0) ? 13 : 11);
    w.TabStrip1->SetImage(tabs - 1, 12);
    w.TabStrip1->Select(tabs - 1);

    QApplication::restoreOverrideCursor();
    addBusy_ = false;
    if (w.Mefont1.exists(4) && w.Mefont1(4)->isChecked())
        w.fonts.Mefont1_Click(4);
    return true;
}

void DocumentTabs::WriteTemp()
{
    const int selected = w.TabStrip1->SelectedIndex();
    if (selected >= 1)
        w.CurDoc = (selected - 1) / 2;
    if (w.CurDoc >= w.DocCount())
        return;
    Document& d = w.doc(w.CurDoc);
    const QString t = d.Header.isEmpty() ? d.HtText->Text() : w.regions.GetFullText(w.CurDoc);
    if (vb::Trim(t).isEmpty())
        return;
    if (d.DataPath.isEmpty())
        d.DataPath = w.m1.programFolder;
    if (vb::Right(vb::Trim(d.FileName), 4) == QStringLiteral(".css"))
        return;
    const QString path = TempPagePath(w.CurDoc);
    QString error;
    if (writePage(path, t, d.encoding, &error)) {
        lastTempFailure_.clear();
        return;
    }
    // Tell the user once; the next focus change tries again without another message.
    if (lastTempFailure_ == path)
        return;
    lastTempFailure_ = path;
    w.dlg.MsgBox(QStringLiteral("プレビュー用の一時ファイルが書き込めませんでした。フォルダーがあるか、書き込めるかを確かめてください。")
                 + CrLf + path);
}

void DocumentTabs::HtText_Change(int index)
{
    if (index >= 0 && index < w.DocCount())
        w.doc(index).Modified = true;
}

void DocumentTabs::HtText_LostFocus(int index)
{
    if (index >= 0)
        WriteTemp();
}

void DocumentTabs::HtText_MouseDown(int index, int button, int, int x, int y)
{
    if (index < 0)
        return;
    if (button == 2) {
        w.PopupX = static_cast<qint16>(x + 200);
        w.PopupY = static_cast<qint16>(y + 800);
        if (w.pm)
            w.pm->popup(QCursor::pos());
    } else if (w.List3.exists(12)) {
        w.List3(12)->hide();
    }
}

void DocumentTabs::HtText_OLEDragDrop(int index, const QStringList& files)
{
    if (index < 0 || files.isEmpty())
        return;
    w.files.OpenPath(files.first());
}

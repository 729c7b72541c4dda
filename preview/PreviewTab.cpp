#include "preview/PreviewTab.h"

#include "platform/RichEdit.h"
#include "platform/TabStrip.h"
#include "platform/TextFile.h"
#include "platform/VbString.h"
#include "platform/WebBrowser.h"
#include "shell/MainWindow.h"
#include "shell/PathHelpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool isStylesheetName(const QString& fileName)
{
    return vb::LCaseAscii(vb::Right(vb::Trim(fileName), 3)) == QStringLiteral("css");
}

// Both folders name the same place on disk.
bool sameFolder(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

QString browserEncoding(TextEncoding encoding)
{
    return encoding == TextEncoding::Cp932 ? QStringLiteral("Shift_JIS") : QStringLiteral("UTF-8");
}

} // namespace

PreviewTab::PreviewTab(fomPelmor& window)
    : w(window)
{
    TimerBrowser.setInterval(5);
    TimerBrowser.setSingleShot(true);
    QObject::connect(&TimerBrowser, &QTimer::timeout, &TimerBrowser, [this] { TimerBrowser_Timer(); });
}

void PreviewTab::hideAllViews()
{
    for (auto& d : w.docs) {
        if (d->HtText)
            d->HtText->hide();
        if (d->WebB1)
            d->WebB1->hide();
    }
}

void PreviewTab::TabStrip1_Click()
{
    try {
        TabStrip* strip = w.TabStrip1;
        for (int p = 1; p <= strip->Count(); ++p)
            strip->SetImage(p, (p % 2 == 1) ? 11 : 13);
        const int k = strip->SelectedIndex() - 1;
        if (k < 0)
            return;
        w.CurDoc = k / 2;
        Document& d = w.doc(w.CurDoc);

        if (k % 2 == 1) {
            strip->SetImage(k + 1, 14);
            hideAllViews();
            if (!d.BrowserMode) {
                const QString text = d.Header.isEmpty() ? d.HtText->Text() : w.regions.GetFullText(w.CurDoc);
                writeOpenStylesheet(text);
                // Clicking a tab leaves the focus in the editor, so its focus loss has not
                // written the page yet.
                w.tabs.WriteTemp();
                TimerBrowser.start();
            } else {
                WebBrowser* b = ensureBrowser(w.CurDoc);
                b->show();
                b->raise();
            }
            return;
        }

        TimerBrowser.stop();
        w.SetStatusText(d.DataPath + QLatin1Char('/') + GetFileName(d.FileName));
        strip->SetImage(k + 1, 12);
        hideAllViews();
        d.HtText->show();
        d.HtText->raise();
        d.HtText->setFocus();
    } catch (...) {
        QApplication::beep();
    }
}

void PreviewTab::writeOpenStylesheet(const QString& pageText)
{
    if (!vb::LCaseAscii(pageText).contains(QStringLiteral("stylesheet")))
        return;
    int sheet = -1;
    for (int i = 0; i < w.DocCount(); ++i) {
        if (isStylesheetName(w.doc(i).FileName)) {
            sheet = i;
            break;
        }
    }
    if (sheet < 0)
        return;
    const Document& s = w.doc(sheet);
    const QString text = s.HtText->Text();
    if (vb::Trim(text).isEmpty())
        return;
    QString folder = w.doc(0).DataPath;
    if (folder.isEmpty())
        folder = w.m1.programFolder;
    const QString ownFolder = s.DataPath.isEmpty() ? w.m1.programFolder : s.DataPath;
    const QString target = folder + QLatin1Char('/') + s.FileName;
    // Another file of the same name that the stylesheet document did not come from stays.
    if (QFileInfo::exists(target) && !sameFolder(folder, ownFolder))
        return;
    // A character the document's encoding cannot hold leaves the file as it was.
    writeTextFile(target, text + CrLf, s.encoding, false);
}

void PreviewTab::TimerBrowser_Timer()
{
    try {
        Document& d = w.doc(w.CurDoc);
        // A stylesheet has no preview of its own.
        if (vb::LCaseAscii(vb::Right(vb::Trim(d.FileName), 4)) == QStringLiteral(".css"))
            return;
        TimerBrowser.stop();
        const QString text = d.HtText->Text();
        const QString path = w.tabs.TempPagePath(w.CurDoc);
        const QUrl page = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        const bool showsPage = d.WebB1 && d.WebB1->hasView()
            && QUrl(d.WebB1->LocationURL()).adjusted(QUrl::RemoveFragment) == page;
        if (text != d.LastPreviewText || !showsPage) {
            if (!QFileInfo::exists(path))
                return;
            ensureBrowser(w.CurDoc)->Navigate(path, browserEncoding(d.encoding));
        }
        if (!vb::Trim(text).isEmpty() && d.WebB1) {
            d.WebB1->show();
            d.WebB1->raise();
        }
        d.LastPreviewText = text;
    } catch (...) {
    }
}

WebBrowser* PreviewTab::ensureBrowser(int n)
{
    Document& d = w.doc(n);
    if (!d.WebB1) {
        QWidget* area = w.TabStrip1->DisplayArea();
        d.WebB1 = new WebBrowser(area);
        d.WebB1->setGeometry(area->rect());
        d.WebB1->hide();
    }
    return d.WebB1;
}

#pragma once

#include "platform/WebBrowser.h"
#include "support/AppFixture.h"
#include "support/BrowserWaits.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QFileInfo>
#include <QUrl>

// A running window with pages of its own below the program folder: nothing a test loads comes
// from the network.
class BrowsingFixture : public AppFixture {
protected:
    // Writes a page (UTF-8, declared) below the program folder; returns its full path.
    QString writePage(const QString& relative, const QString& title, const QString& body = QString())
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        writeFile(full, (QStringLiteral("<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"
                                        "<TITLE>")
                         + title + QStringLiteral("</TITLE></HEAD><BODY>") + body + QStringLiteral("</BODY></HTML>\r\n"))
                            .toUtf8());
        return full;
    }

    QString favouritesFile() const { return path(QStringLiteral("resource/duvivurud.izi")); }
    void writeFavourites(const QByteArray& bytes) { writeFile(favouritesFile(), bytes); }
    QUrl fileUrl(const QString& relative) const { return QUrl::fromLocalFile(path(relative)); }

    WebBrowser* browser(int n) { return w().ws.doc(n).browser; }
    QComboBox* urlBox() { return w().live.urlBox(); }

    // Waits until the browser has finished loading the address.
    static bool waitForPage(WebBrowser* b, const QUrl& url)
    {
        return b && waitUntil([b, url] { return !b->isLoading() && QUrl(b->url()) == url; });
    }
};

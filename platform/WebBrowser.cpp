#include "platform/WebBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPointer>
#include <QResizeEvent>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

namespace {

// Local files are shown through a scheme of our own rather than file:, so that a page can be
// served with the encoding its document is written in. The engine guesses the encoding of a
// file: page that does not declare one from its bytes, and its default encoding only counts for
// pages without any byte above 7F: a short code page 932 text easily comes out as Latin-1.
const QByteArray LocalScheme = QByteArrayLiteral("pelmor-local");

// Schemes can only be added before the engine starts; our first profile starts it. When something
// else started it earlier, local pages are shown as plain files.
bool localSchemeRegistered = false;

void registerLocalScheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QWebEngineUrlScheme scheme(LocalScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
    localSchemeRegistered = QWebEngineUrlScheme::schemeByName(LocalScheme).name() == LocalScheme;
}

QUrl localPageUrl(const QString& absolutePath)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(LocalScheme));
    url.setPath(absolutePath);
    return url;
}

// The address as the rest of the program knows it: local pages as file: URLs.
QUrl outsideUrl(const QUrl& url)
{
    if (url.scheme() != QLatin1String(LocalScheme))
        return url;
    QUrl file = QUrl::fromLocalFile(url.path(QUrl::FullyDecoded));
    file.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
    file.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return file;
}

QString outsideUrlText(const QString& url)
{
    return url.startsWith(QLatin1String(LocalScheme) + QLatin1Char(':')) ? outsideUrl(QUrl(url)).toString() : url;
}

// Serves the pages that were navigated to with an encoding, declaring it. Anything else under
// the scheme (a linked page, a picture) goes on as a plain file: address.
class LocalPageHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void setEncoding(const QString& absolutePath, const QString& encoding)
    {
        encodings_.insert(absolutePath, encoding.toLatin1());
    }

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QString path = job->requestUrl().path(QUrl::FullyDecoded);
        const QByteArray encoding = encodings_.value(path);
        if (encoding.isEmpty()) {
            job->redirect(outsideUrl(job->requestUrl()));
            return;
        }
        const QFileInfo info(path);
        auto* file = new QFile(path, job);
        if (!info.isFile() || !file->open(QIODevice::ReadOnly)) {
            delete file;
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        static const QMimeDatabase mimes;
        const QByteArray type = mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension).name().toLatin1();
        job->reply(type + QByteArrayLiteral(";charset=") + encoding, file);
    }

private:
    // Requests start on the main thread, as Navigate does.
    QHash<QString, QByteArray> encodings_;
};

LocalPageHandler* localPageHandler()
{
    static QPointer<LocalPageHandler> handler;
    if (!handler) {
        QWebEngineProfile* profile = WebBrowser::sharedProfile();
        handler = new LocalPageHandler(profile);
        profile->installUrlSchemeHandler(LocalScheme, handler);
    }
    return handler;
}

// Keeps files dropped on a page from opening in it: the engine would otherwise navigate to
// whatever file is dropped. Watches the view and every widget the engine puts inside it.
class DropBlocker : public QObject {
public:
    explicit DropBlocker(QObject* parent) : QObject(parent) {}

    void watch(QObject* o)
    {
        o->installEventFilter(this);
        for (QObject* child : o->children()) {
            if (child->isWidgetType())
                watch(child);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded: {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child && child->isWidgetType())
                watch(child);
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData() && drop->mimeData()->hasUrls()) {
                drop->setDropAction(Qt::IgnoreAction);
                drop->ignore();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

// What the scripts hand back, as text.
QString resultText(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

} // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : QWidget(parent)
{
}

WebBrowser::~WebBrowser()
{
    // The page may answer its pending scripts while it is taken down; those answers must find
    // the browser marked as gone, so the view goes while this object is still whole.
    dying_ = true;
    delete view_;
    view_ = nullptr;
}

QWebEngineProfile* WebBrowser::sharedProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        registerLocalScheme();
        // No storage name: nothing is kept on disk between runs.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    }
    return profile;
}


void WebBrowser::ensureView()
{
    if (view_)
        return;
    view_ = new QWebEngineView(this);
    view_->setAcceptDrops(false);
    auto* blocker = new DropBlocker(view_);
    blocker->watch(view_);
    auto* page = new QWebEnginePage(sharedProfile(), view_);
    view_->setPage(page);
    view_->setGeometry(rect());
    view_->show();

    connect(view_, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
    connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        loading_ = false;
        Q_EMIT DocumentComplete(view_ ? outsideUrl(view_->url()) : QUrl(), ok);
    });
}

void WebBrowser::Navigate(const QString& pathOrUrl, const QString& defaultEncoding)
{
    ensureView();
    if (!defaultEncoding.isEmpty())
        view_->page()->settings()->setDefaultTextEncoding(defaultEncoding);
    QString localPath;
    const QUrl given(pathOrUrl);
    // A path that exists is a file even when it looks like an address ("C:/x" has a scheme).
    if (QFileInfo::exists(pathOrUrl) || given.scheme().isEmpty() || given.scheme().size() == 1)
        localPath = QDir::cleanPath(QFileInfo(pathOrUrl).absoluteFilePath());
    else if (given.isLocalFile())
        localPath = QDir::cleanPath(QFileInfo(given.toLocalFile()).absoluteFilePath());
    loading_ = true;
    if (localPath.isEmpty()) {
        view_->load(given);
    } else if (defaultEncoding.isEmpty() || !localSchemeRegistered) {
        view_->load(QUrl::fromLocalFile(localPath));
    } else {
        localPageHandler()->setEncoding(localPath, defaultEncoding);
        view_->load(localPageUrl(localPath));
    }
}

void WebBrowser::GoBack()
{
    if (view_)
        view_->back();
}

void WebBrowser::GoForward()
{
    if (view_)
        view_->forward();
}

void WebBrowser::Refresh()
{
    if (view_)
        view_->reload();
}

QString WebBrowser::LocationURL() const
{
    return view_ ? outsideUrl(view_->url()).toString() : QString();
}

QString WebBrowser::LocationName() const
{
    if (!view_)
        return QString();
    // A page without a title is named after its address, which for our own scheme is not the
    // one the rest of the program knows.
    const QString title = view_->title();
    if (title.isEmpty() || title.startsWith(QLatin1String(LocalScheme) + QLatin1Char(':')))
        return LocationURL();
    return title;
}

void WebBrowser::RunScript(const QString& script, std::function<void(const QVariant&)> done)
{
    ensureView();
    QPointer<WebBrowser> self(this);
    view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                 [self, done = std::move(done)](const QVariant& result) {
                                     if (!self || self->dying_)
                                         return;
                                     done(result);
                                 });
}

void WebBrowser::PageSource(std::function<void(const QString&)> done)
{
    RunScript(QStringLiteral("document.documentElement ? document.documentElement.outerHTML : ''"),
              [done = std::move(done)](const QVariant& v) { done(resultText(v)); });
}

void WebBrowser::PageText(std::function<void(const QString&)> done)
{
    RunScript(QStringLiteral("document.body ? document.body.innerText : ''"),
              [done = std::move(done)](const QVariant& v) { done(resultText(v)); });
}

void WebBrowser::PageLinks(std::function<void(const QStringList&)> done)
{
    RunScript(QStringLiteral("Array.prototype.map.call(document.getElementsByTagName('a'), function (a) {"
                             " return a.getAttribute('href') === null ? null : a.href; })"
                             ".filter(function (h) { return h !== null; })"),
              [done = std::move(done)](const QVariant& v) {
                  QStringList links;
                  const QVariantList list = v.toList();
                  for (const QVariant& item : list)
                      links << outsideUrlText(item.toString());
                  done(links);
              });
}

void WebBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (view_)
        view_->setGeometry(rect());
}

// The browser engine module (libpelmor_browser.so): WebBrowser's views over Qt WebEngine. The
// program loads it when the first browser is used (see platform/BrowserEngine.h).
#include "platform/BrowserEngine.h"

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
#include <QQuickWindow>
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
    // Requests start on the main thread, as navigate does.
    QHash<QString, QByteArray> encodings_;
};

QWebEngineProfile* theProfile()
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

LocalPageHandler* localPageHandler()
{
    static QPointer<LocalPageHandler> handler;
    if (!handler) {
        QWebEngineProfile* profile = theProfile();
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

class WebEngineBrowserView : public BrowserView {
public:
    WebEngineBrowserView(QWidget* parent, BrowserViewEvents events)
        : view_(new QWebEngineView(parent))
    {
        view_->setAcceptDrops(false);
        auto* blocker = new DropBlocker(view_);
        blocker->watch(view_);
        auto* page = new QWebEnginePage(theProfile(), view_);
        view_->setPage(page);
        view_->setGeometry(parent->rect());
        view_->show();
        QObject::connect(view_, &QWebEngineView::loadStarted, view_, [started = std::move(events.loadStarted)] {
            if (started)
                started();
        });
        QWebEngineView* view = view_;
        QObject::connect(view_, &QWebEngineView::loadFinished, view_,
                         [view, finished = std::move(events.loadFinished)](bool ok) {
                             if (finished)
                                 finished(outsideUrl(view->url()), ok);
                         });
    }

    ~WebEngineBrowserView() override { delete view_; }

    QWidget* widget() override { return view_; }

    void navigate(const QString& pathOrUrl, const QString& defaultEncoding) override
    {
        if (!defaultEncoding.isEmpty())
            view_->page()->settings()->setDefaultTextEncoding(defaultEncoding);
        QString localPath;
        const QUrl given(pathOrUrl);
        // A path that exists is a file even when it looks like an address ("C:/x" has a scheme).
        if (QFileInfo::exists(pathOrUrl) || given.scheme().isEmpty() || given.scheme().size() == 1)
            localPath = QDir::cleanPath(QFileInfo(pathOrUrl).absoluteFilePath());
        else if (given.isLocalFile())
            localPath = QDir::cleanPath(QFileInfo(given.toLocalFile()).absoluteFilePath());
        if (localPath.isEmpty()) {
            view_->load(given);
        } else if (defaultEncoding.isEmpty() || !localSchemeRegistered) {
            view_->load(QUrl::fromLocalFile(localPath));
        } else {
            localPageHandler()->setEncoding(localPath, defaultEncoding);
            view_->load(localPageUrl(localPath));
        }
    }

    void back() override { view_->back(); }
    void forward() override { view_->forward(); }
    void reload() override { view_->reload(); }

    QUrl location() const override { return outsideUrl(view_->url()); }

    QString locationName() const override
    {
        // A page without a title is named after its address, which for our own scheme is not
        // the one the rest of the program knows.
        const QString title = view_->title();
        if (title.isEmpty() || title.startsWith(QLatin1String(LocalScheme) + QLatin1Char(':')))
            return location().toString();
        return title;
    }

    void runScript(const QString& script, std::function<void(const QVariant&)> done) override
    {
        view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, std::move(done));
    }

    QString outsideAddress(const QString& address) const override { return outsideUrlText(address); }

private:
    QPointer<QWebEngineView> view_;
};

class WebEngine : public BrowserEngine {
public:
    BrowserView* createView(QWidget* parent, BrowserViewEvents events) override
    {
        return new WebEngineBrowserView(parent, std::move(events));
    }
    QWebEngineProfile* sharedProfile() override { return theProfile(); }
};

} // namespace

extern "C" Q_DECL_EXPORT BrowserEngine* pelmorBrowserEngine(int version)
{
    static_assert(std::is_same_v<decltype(&pelmorBrowserEngine), BrowserEngineEntryFunction>);
    if (version != BrowserEngineVersion)
        return nullptr;
    // What the engine sets up for itself when it is linked to the program: its views draw with
    // Qt Quick, which must use OpenGL (or another API the engine can share textures with).
    const QSGRendererInterface::GraphicsApi api = QQuickWindow::graphicsApi();
    if (api != QSGRendererInterface::OpenGL && api != QSGRendererInterface::Vulkan)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    static WebEngine engine;
    return &engine;
}

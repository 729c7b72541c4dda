#include "platform/WebBrowser.h"

#include "platform/BrowserEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPointer>
#include <QResizeEvent>
#include <QStringList>
#include <QVariant>

#if QT_CONFIG(opengl)
QT_BEGIN_NAMESPACE
// QtGui's functions for the context that all OpenGL contexts of the application share with;
// not in its public headers, declared here as Qt WebEngine declares them for itself.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE
#endif

namespace {

#if QT_CONFIG(opengl)
// The context the engine's OpenGL contexts share with, when it is ours (see prepareApplication).
QOpenGLContext* ownShareContext = nullptr;
bool shareContextMade = false;

void deleteShareContext()
{
    if (qt_gl_global_share_context() == ownShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete ownShareContext;
    ownShareContext = nullptr;
}
#endif

// The engine renders through OpenGL contexts shared with one global context, which must exist
// before its libraries are loaded. prepareApplication set it up without making it; it is made
// here, as Qt itself would have made it at start, just before the engine is loaded.
void ensureShareContext()
{
#if QT_CONFIG(opengl)
    if (!qt_gl_global_share_context()) {
        // The application was made without prepareApplication: Qt then says that the
        // attribute comes late, and the engine works all the same.
        ownShareContext = new QOpenGLContext;
        qt_gl_set_global_share_context(ownShareContext);
        qAddPostRoutine(deleteShareContext);
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    if (ownShareContext && !shareContextMade) {
        shareContextMade = true;
        ownShareContext->setScreen(QGuiApplication::primaryScreen());
        ownShareContext->setFormat(QSurfaceFormat::defaultFormat());
        ownShareContext->create();
    }
#endif
}

// Where the engine module may be, most likely first: beside the program (a build tree, a copied
// program folder), the installation's library folder when the program is the installed one, and
// the build the program was made in (tests, benchmarks and copies of the program elsewhere).
QStringList browserModuleCandidates()
{
    const QString name = QStringLiteral(PELMOR_BROWSER_MODULE_NAME);
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates{programFolder + QLatin1Char('/') + name};
    const QString installed = programFolder + QStringLiteral("/" PELMOR_BROWSER_MODULE_FROM_BINDIR "/") + name;
    const QString built = QStringLiteral(PELMOR_BUILT_BROWSER_MODULE);
    const bool isInstalledProgram = QDir(programFolder) == QDir(QStringLiteral(PELMOR_INSTALLED_BINDIR));
    if (isInstalledProgram)
        candidates << installed << built;
    else
        candidates << built << installed;
    return candidates;
}

// The engine, loaded on first use; nullptr when no module could be loaded (said once, with why).
BrowserEngine* browserEngine()
{
    static BrowserEngine* engine = nullptr;
    static bool tried = false;
    if (tried)
        return engine;
    tried = true;
    ensureShareContext();
    QStringList problems;
    for (const QString& path : browserModuleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the engine's objects live until the program ends.
        QLibrary module(path);
        const auto entry = reinterpret_cast<BrowserEngineEntryFunction>(module.resolve(BrowserEngineEntry));
        if (!entry) {
            problems << module.errorString();
            continue;
        }
        engine = entry(BrowserEngineVersion);
        if (engine)
            return engine;
        problems << path + QStringLiteral(": a module of another build");
    }
    if (problems.isEmpty())
        problems << QStringLiteral("not found: ") + browserModuleCandidates().join(QStringLiteral(", "));
    qWarning("The browser engine module could not be loaded: %s", qPrintable(problems.join(QStringLiteral("; "))));
    return nullptr;
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

void WebBrowser::prepareApplication()
{
    Q_ASSERT(!QCoreApplication::instance());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#if QT_CONFIG(opengl)
    // Qt makes a global share context at start when the attribute is set, unless there is one
    // already; this one is made only when the engine is loaded.
    if (!qt_gl_global_share_context()) {
        ownShareContext = new QOpenGLContext;
        qt_gl_set_global_share_context(ownShareContext);
        qAddPostRoutine(deleteShareContext);
    }
#endif
}

QWebEngineProfile* WebBrowser::sharedProfile()
{
    BrowserEngine* engine = browserEngine();
    return engine ? engine->sharedProfile() : nullptr;
}

bool WebBrowser::ensureView()
{
    if (view_)
        return true;
    BrowserEngine* engine = browserEngine();
    if (!engine) {
        if (!findChild<QLabel*>()) {
            auto* notice = new QLabel(QStringLiteral("ブラウザーの部品が読み込めなかったため、ページを表示できません。"), this);
            notice->setAlignment(Qt::AlignCenter);
            notice->setWordWrap(true);
            notice->setGeometry(rect());
            notice->show();
        }
        return false;
    }
    BrowserViewEvents events;
    events.loadStarted = [this] { loading_ = true; };
    events.loadFinished = [this](const QUrl& location, bool ok) {
        loading_ = false;
        Q_EMIT loadFinished(location, ok);
    };
    view_ = engine->createView(this, std::move(events));
    return true;
}

void WebBrowser::navigate(const QString& pathOrUrl, const QString& defaultEncoding)
{
    if (!ensureView())
        return;
    loading_ = true;
    view_->navigate(pathOrUrl, defaultEncoding);
}

void WebBrowser::back()
{
    if (view_)
        view_->back();
}

void WebBrowser::forward()
{
    if (view_)
        view_->forward();
}

void WebBrowser::reload()
{
    if (view_)
        view_->reload();
}

QString WebBrowser::url() const
{
    return view_ ? view_->location().toString() : QString();
}

QString WebBrowser::locationName() const
{
    return view_ ? view_->locationName() : QString();
}

void WebBrowser::runScript(const QString& script, std::function<void(const QVariant&)> done)
{
    if (!ensureView())
        return;
    QPointer<WebBrowser> self(this);
    view_->runScript(script, [self, done = std::move(done)](const QVariant& result) {
        if (!self || self->dying_)
            return;
        done(result);
    });
}

namespace {

// What the scripts hand back, as text.
QString resultText(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

} // namespace

void WebBrowser::pageSource(std::function<void(const QString&)> done)
{
    runScript(QStringLiteral("document.documentElement ? document.documentElement.outerHTML : ''"),
              [done = std::move(done)](const QVariant& v) { done(resultText(v)); });
}

void WebBrowser::pageText(std::function<void(const QString&)> done)
{
    runScript(QStringLiteral("document.body ? document.body.innerText : ''"),
              [done = std::move(done)](const QVariant& v) { done(resultText(v)); });
}

void WebBrowser::pageLinks(std::function<void(const QStringList&)> done)
{
    QPointer<WebBrowser> self(this);
    runScript(QStringLiteral("Array.prototype.map.call(document.getElementsByTagName('a'), function (a) {"
                             " return a.getAttribute('href') === null ? null : a.href; })"
                             ".filter(function (h) { return h !== null; })"),
              [self, done = std::move(done)](const QVariant& v) {
                  QStringList links;
                  const QVariantList list = v.toList();
                  for (const QVariant& item : list)
                      links << (self && self->view_ ? self->view_->outsideAddress(item.toString()) : item.toString());
                  done(links);
              });
}

void WebBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (view_)
        view_->widget()->setGeometry(rect());
    else if (auto* notice = findChild<QLabel*>())
        notice->setGeometry(rect());
}

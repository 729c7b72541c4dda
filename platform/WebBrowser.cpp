#include "platform/WebBrowser.h"

#include <QApplication>
#include <QPointer>
#include <QResizeEvent>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

WebBrowser::WebBrowser(QWidget* parent)
    : QWidget(parent)
{
}

WebBrowser::~WebBrowser() = default;

QWebEngineProfile* WebBrowser::sharedProfile()
{
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(qApp);
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        return p;
    }();
    return profile;
}

void WebBrowser::ensureView()
{
    if (view_)
        return;
    view_ = new QWebEngineView(this);
    auto* page = new QWebEnginePage(sharedProfile(), view_);
    view_->setPage(page);
    view_->setAcceptDrops(false);
    view_->setGeometry(rect());
    view_->show();
    connect(view_, &QWebEngineView::loadStarted, this, [this] { loading_ = true; });
    connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        loading_ = false;
        Q_EMIT DocumentComplete(view_->url(), ok);
    });
}

QWebEngineView* WebBrowser::view()
{
    ensureView();
    return view_;
}

void WebBrowser::Navigate(const QString& pathOrUrl, const QString& defaultEncoding)
{
    ensureView();
    if (!defaultEncoding.isEmpty())
        view_->page()->settings()->setDefaultTextEncoding(defaultEncoding);
    QUrl url(pathOrUrl);
    if (url.scheme().isEmpty() || url.scheme().size() == 1)
        url = QUrl::fromLocalFile(pathOrUrl);
    loading_ = true;
    view_->setUrl(url);
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
    return view_ ? view_->url().toString() : QString();
}

QString WebBrowser::LocationName() const
{
    if (!view_)
        return QString();
    const QString title = view_->title();
    return title.isEmpty() ? view_->url().toString() : title;
}

namespace {

void runScript(WebBrowser* browser, QWebEngineView* view, const QString& script,
               std::function<void(const QVariant&)> done)
{
    QPointer<WebBrowser> guard(browser);
    view->page()->runJavaScript(script, [guard, done](const QVariant& v) {
        if (guard)
            done(v);
    });
}

} // namespace

void WebBrowser::PageSource(std::function<void(const QString&)> done)
{
    ensureView();
    runScript(this, view_, QStringLiteral("document.documentElement.outerHTML"),
              [done](const QVariant& v) { done(v.toString()); });
}

void WebBrowser::PageText(std::function<void(const QString&)> done)
{
    ensureView();
    runScript(this, view_, QStringLiteral("document.body ? document.body.innerText : ''"),
              [done](const QVariant& v) { done(v.toString()); });
}

void WebBrowser::PageLinks(std::function<void(const QStringList&)> done)
{
    ensureView();
    runScript(this, view_, QStringLiteral("Array.from(document.querySelectorAll('a[href]')).map(a => a.getAttribute('href'))"),
              [done](const QVariant& v) { done(v.toStringList()); });
}

void WebBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (view_)
        view_->setGeometry(rect());
}

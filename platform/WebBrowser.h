#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

class BrowserView;
class QWebEngineProfile;
class QVariant;

// A document's browser, over Qt WebEngine. The engine's view is created when the browser is
// first used; every browser shares one profile. The engine itself is loaded with the first view
// (platform/BrowserEngine.h); when it cannot be, the browser says so in its area and shows
// nothing else.
class WebBrowser : public QWidget {
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Shows a file or an address. The text encoding is used for pages that do not declare one
    // ("Shift_JIS", "UTF-8").
    void navigate(const QString& pathOrUrl, const QString& defaultEncoding = QString());
    void back();
    void forward();
    void reload();
    QString url() const;
    // The title of the page shown, or its address when it has none.
    QString locationName() const;
    bool isLoading() const { return loading_; }
    bool hasView() const { return view_ != nullptr; }

    // Results that arrive later go to the callback; it is not called when the browser is gone.
    void pageSource(std::function<void(const QString&)> done);
    void pageText(std::function<void(const QString&)> done);
    void pageLinks(std::function<void(const QStringList&)> done);
    // Runs a script in the page (in a world of its own, beside the page's scripts); the result
    // reaches done only while this browser is alive.
    void runScript(const QString& script, std::function<void(const QVariant&)> done);

    // To be called before the application object is made. The engine needs
    // Qt::AA_ShareOpenGLContexts, with which Qt would load the OpenGL driver at start; this sets
    // the attribute and leaves the loading to the first browser.
    static void prepareApplication();

    // Loads the engine when it is not loaded yet; nullptr when it cannot be.
    static QWebEngineProfile* sharedProfile();

Q_SIGNALS:
    void loadFinished(const QUrl& url, bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // False when the engine could not be loaded.
    bool ensureView();
    BrowserView* view_ = nullptr;
    bool loading_ = false;
    bool dying_ = false;
};

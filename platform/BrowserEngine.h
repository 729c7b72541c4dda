#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QVariant;
class QWebEngineProfile;
class QWidget;

// What WebBrowser asks of the browser engine. The engine (Qt WebEngine) lives in a module of its
// own, libpelmor_browser.so (platform/browsermodule/), that WebBrowser loads when the first
// browser is used: a start that shows no page maps and relocates none of the engine's libraries,
// and the engine sets up its OpenGL share context only then.
//
// The module and the program are built from the same sources; BrowserEngineVersion guards
// against a module of another build.

// One engine view inside a WebBrowser.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    // The engine's widget, a child of the browser it was made for.
    virtual QWidget* widget() = 0;
    // A file (shown through the module's own scheme when an encoding is given, so that the page
    // is read in it) or an address.
    virtual void navigate(const QString& pathOrUrl, const QString& defaultEncoding) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void reload() = 0;
    // The address shown, local pages as file: URLs.
    virtual QUrl location() const = 0;
    // The title of the page, or its address when it has none.
    virtual QString locationName() const = 0;
    // Runs a script in a world of its own; done gets the result unless the view is gone first.
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> done) = 0;
    // An address a script found in the page, as the rest of the program knows it.
    virtual QString outsideAddress(const QString& address) const = 0;
};

// What a view reports to its browser.
struct BrowserViewEvents {
    std::function<void()> loadStarted;
    std::function<void(const QUrl& location, bool ok)> loadFinished;
};

class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    virtual BrowserView* createView(QWidget* parent, BrowserViewEvents events) = 0;
    // The one profile every view shares.
    virtual QWebEngineProfile* sharedProfile() = 0;
};

constexpr int BrowserEngineVersion = 1;
// The module's one entry point: extern "C" BrowserEngine* pelmorBrowserEngine(int version),
// which answers nullptr for a version other than its own.
constexpr char BrowserEngineEntry[] = "pelmorBrowserEngine";
using BrowserEngineEntryFunction = BrowserEngine* (*)(int version);

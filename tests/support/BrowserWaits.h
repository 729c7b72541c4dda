#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class WebBrowser;

// Waiting for the browser engine, which answers from its own processes. The timeouts are
// generous: the first page of a run also starts the engine.
inline constexpr int BrowserTimeout = 60000;

// Runs the event loop until done() holds; false when it still does not after the timeout.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = BrowserTimeout);

// The answers of the browser's page scripts; a text in brackets when the page did not answer.
QString pageText(WebBrowser* browser);
QString pageSource(WebBrowser* browser);
QStringList pageLinks(WebBrowser* browser);

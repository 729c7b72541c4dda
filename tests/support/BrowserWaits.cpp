#include "support/BrowserWaits.h"

#include "platform/WebBrowser.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <optional>

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

namespace {

// The answer is shared so that one arriving after a failed wait still has somewhere to go.
template <typename T, typename Ask>
std::optional<T> answer(Ask ask)
{
    auto result = std::make_shared<std::optional<T>>();
    ask([result](const T& value) { *result = value; });
    waitUntil([&] { return result->has_value(); });
    return *result;
}

} // namespace

QString pageText(WebBrowser* browser)
{
    return answer<QString>([browser](auto done) { browser->pageText(done); })
        .value_or(QStringLiteral("(the page did not answer)"));
}

QString pageSource(WebBrowser* browser)
{
    return answer<QString>([browser](auto done) { browser->pageSource(done); })
        .value_or(QStringLiteral("(the page did not answer)"));
}

QStringList pageLinks(WebBrowser* browser)
{
    return answer<QStringList>([browser](auto done) { browser->pageLinks(done); })
        .value_or(QStringList{QStringLiteral("(the page did not answer)")});
}

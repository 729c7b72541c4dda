#include "platform/WebBrowser.h"

#include <QApplication>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The web engine's own code deletes some of its objects through a base class of another size
// when a page goes; AddressSanitizer would stop every test that closes a browser there.
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ::testing::InitGoogleTest(&argc, argv);
    WebBrowser::prepareApplication();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

// Window tests need a QApplication (offscreen in CI).
#include "support/PrivateRuntimeFolder.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    const PrivateRuntimeFolder runtime;
    qputenv("QT_QUICK_BACKEND", qgetenv("QT_QUICK_BACKEND").isEmpty() ? "software" : qgetenv("QT_QUICK_BACKEND"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Thumbnails the window (or a program the tests start) makes go to a cache of this run,
    // never to the person's own.
    char cache[] = "/var/tmp/quillmere-test-cache-XXXXXX";
    if (!mkdtemp(cache))
        return 1;
    setenv("XDG_CACHE_HOME", cache, 1);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(cache, ignored);
    return result;
}

// Window tests need a QApplication (offscreen in CI).
#include "Platform/Media/MediaThreads.h"
#include "support/PrivateRuntimeFolder.h"

#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const PrivateRuntimeFolder runtime;
    const PrivateLockFolder lock;
    // Thumbnails the window (or a program the tests start) makes go to a cache of this run.
    const PrivateCacheFolder cache;
    // The restore history of a clean in a test home is kept inside that home.
    unsetenv("XDG_STATE_HOME");
    qputenv("QT_QUICK_BACKEND", qgetenv("QT_QUICK_BACKEND").isEmpty() ? "software" : qgetenv("QT_QUICK_BACKEND"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // Every window and player of the tests is gone; the media framework's threads go too.
    mediathreads::endPooled();
    return status;
}

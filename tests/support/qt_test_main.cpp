// Engine tests run inside a QCoreApplication so queued publishes can be delivered.
#include "support/PrivateRuntimeFolder.h"

#include <cstdlib>

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const PrivateRuntimeFolder runtime;
    const PrivateLockFolder lock;
    // Thumbnails the window (or a program the tests start) makes go to a cache of this run.
    const PrivateCacheFolder cache;
    // The restore history of a clean in a test home is kept inside that home.
    unsetenv("XDG_STATE_HOME");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

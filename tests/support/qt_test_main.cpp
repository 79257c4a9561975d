// Engine tests run inside a QCoreApplication so queued publishes can be delivered.
#include "support/PrivateRuntimeFolder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const PrivateRuntimeFolder runtime;
    // Thumbnails the window (or a program the tests start) makes go to a cache of this run.
    const PrivateCacheFolder cache;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Engine tests run inside a QCoreApplication so queued publishes can be delivered.
#include "support/PrivateRuntimeFolder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    const PrivateRuntimeFolder runtime;
    QCoreApplication app(argc, argv);
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

// XFS with reflink: a reflinked copy counts once, and merging two plain copies frees
// one of them, measured on the volume.
#include "Platform/MergeCopy.h"
#include "Services/ReclaimableSize.h"
#include "support/LoopVolume.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

constexpr std::int64_t kBytes = 16 << 20;

TEST(XfsReflink, ACloneCountsOnceAndMergedCopiesFreeOneCopy)
{
    LoopVolume volume(LoopVolume::Kind::xfs);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    const std::string dir = volume.path() + "/home/Downloads/";
    writeRandomFile(dir + "a.bin", kBytes, 1);
    writeRandomFile(dir + "b.bin", kBytes, 1); // the same bytes
    reflinkFile(dir + "a.bin", dir + "clone.bin");
    volume.settle();

    EXPECT_EQ(reclaimableSize(dir + "clone.bin", 0), 0);
    EXPECT_EQ(reclaimableSize(dir + "b.bin", 0), kBytes); // a plain copy is all its own
    const auto original = fileExtents(dir + "a.bin");
    const auto clone = fileExtents(dir + "clone.bin");
    ASSERT_TRUE(original && clone);
    EXPECT_EQ(extents::overlapBytes(original->extents.shared, clone->extents.shared), kBytes);

    const std::int64_t before = volume.availableBytes();
    const int originalFd = open((dir + "a.bin").c_str(), O_RDONLY | O_CLOEXEC);
    const int copyFd = open((dir + "b.bin").c_str(), O_RDONLY | O_CLOEXEC);
    const mergecopy::Report merged = mergecopy::merge(originalFd, copyFd, kBytes, dir + "b.bin");
    close(originalFd);
    close(copyFd);
    EXPECT_EQ(merged.outcome, mergecopy::Outcome::merged) << merged.error;
    volume.settle();
    EXPECT_NEAR(double(volume.availableBytes() - before), double(kBytes), double(2 * volume.blockSize()));
    EXPECT_EQ(readFileBytes(dir + "b.bin"), readFileBytes(dir + "a.bin"));
    EXPECT_EQ(reclaimableSize(dir + "b.bin", 0), 0);
}

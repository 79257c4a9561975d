// XFS with reflink: a reflinked copy counts once, and merging two plain copies frees
// one of them, measured on the volume.
#include "Platform/MergeCopy.h"
#include "Services/ReclaimableSize.h"
#include "support/LoopVolume.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kBytes = 16 << 20;

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    fsync(fd);
    close(fd);
}

} // namespace

TEST(XfsReflink, ACloneCountsOnceAndMergedCopiesFreeOneCopy)
{
    LoopVolume volume(LoopVolume::Kind::xfs);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    std::string content(std::size_t(kBytes), '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = char((i * 2654435761u) >> 13);
    const std::string dir = volume.path() + "/home/Downloads/";
    writeBytes(dir + "a.bin", content);
    writeBytes(dir + "b.bin", content);
    {
        const int source = open((dir + "a.bin").c_str(), O_RDONLY | O_CLOEXEC);
        const int target = open((dir + "clone.bin").c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_EQ(ioctl(target, FICLONE, source), 0) << std::strerror(errno);
        close(source);
        close(target);
    }
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
    EXPECT_EQ(readFileBytes(dir + "b.bin"), content);
    EXPECT_EQ(reclaimableSize(dir + "b.bin", 0), 0);
}

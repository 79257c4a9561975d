// An artefact folder is sized and told what removing it frees in one walk, with the
// same figures the two separate walks give; files within one block are not asked.
#include "Services/DirectorySize.h"
#include "Services/ReclaimableSize.h"
#include "support/LoopVolume.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void writeRandom(const std::string& path, std::size_t bytes, unsigned seed)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::mt19937 random(seed);
    std::string data(bytes, '\0');
    for (char& c : data)
        c = char(random());
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(write(fd, data.data(), data.size()), ssize_t(data.size()));
    fsync(fd);
    close(fd);
}

void reflink(const std::string& from, const std::string& to)
{
    std::filesystem::create_directories(std::filesystem::path(to).parent_path());
    const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int target = open(to.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_EQ(ioctl(target, FICLONE, source), 0) << std::strerror(errno);
    fsync(target);
    close(source);
    close(target);
}

std::int64_t allocated(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? std::int64_t(st.st_blocks) * 512 : -1;
}

} // namespace

TEST(ExtentsInOneWalk, AStoreLinkedArtefactShowsItsOwnBytesAndTheFullSizeFromOneWalk)
{
    LoopVolume volume(LoopVolume::Kind::btrfs);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    // A package store reflinked into a project's dependencies, a file of the project's
    // own, and a one-block file cloned from the store (taken at its size, not asked).
    const std::string home = volume.path() + "/home";
    const std::string modules = home + "/Projects/app/node_modules";
    writeRandom(home + "/.store/lib.js", 3 << 20, 1);
    reflink(home + "/.store/lib.js", modules + "/lib/index.js");
    writeRandom(home + "/.store/tiny.json", 3000, 2);
    reflink(home + "/.store/tiny.json", modules + "/lib/package.json");
    writeRandom(modules + "/.cache/built.bin", 1 << 20, 3);
    link((modules + "/.cache/built.bin").c_str(), (modules + "/.cache/again.bin").c_str());
    volume.settle();

    const SizeAndReclaimable figures = sizeWithReclaimable(modules, 10, home);
    EXPECT_EQ(figures.bytes, directorySize(modules, 10, home));
    ASSERT_TRUE(figures.reclaimable);
    EXPECT_EQ(*figures.reclaimable,
              allocated(modules + "/.cache/built.bin") + allocated(modules + "/lib/package.json"));
    EXPECT_EQ(*figures.reclaimable, *reclaimableSize(modules, 10, home));
    // Past the depth nothing counts in either figure.
    EXPECT_EQ(sizeWithReclaimable(modules, 1, home).bytes, 0);
}

TEST(ExtentsInOneWalk, AVolumeThatCannotShareGivesTheSizeAlone)
{
    LoopVolume volume(LoopVolume::Kind::ext4);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    const std::string folder = volume.path() + "/home/Projects/app/target";
    writeRandom(folder + "/debug/app", 2 << 20, 4);
    const SizeAndReclaimable figures = sizeWithReclaimable(folder, 10, volume.path() + "/home");
    EXPECT_EQ(figures.bytes, allocated(folder + "/debug/app"));
    EXPECT_FALSE(figures.reclaimable);
}

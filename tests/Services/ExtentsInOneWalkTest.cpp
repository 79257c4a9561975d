// An artefact folder is sized and told what removing it frees in one walk, with the
// same figures the two separate walks give; files within one block are not asked.
#include "Services/DirectorySize.h"
#include "Services/ReclaimableSize.h"
#include "support/LoopVolume.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

TEST(ExtentsInOneWalk, AStoreLinkedArtefactShowsItsOwnBytesAndTheFullSizeFromOneWalk)
{
    LoopVolume volume(LoopVolume::Kind::btrfs);
    if (!volume.mounted())
        GTEST_SKIP() << volume.skipReason();
    // A package store reflinked into a project's dependencies, a file of the project's
    // own, and a one-block file cloned from the store (taken at its size, not asked).
    const std::string home = volume.path() + "/home";
    const std::string modules = home + "/Projects/app/node_modules";
    writeRandomFile(home + "/.store/lib.js", 3 << 20, 1);
    reflinkFile(home + "/.store/lib.js", modules + "/lib/index.js");
    writeRandomFile(home + "/.store/tiny.json", 3000, 2);
    reflinkFile(home + "/.store/tiny.json", modules + "/lib/package.json");
    writeRandomFile(modules + "/.cache/built.bin", 1 << 20, 3);
    link((modules + "/.cache/built.bin").c_str(), (modules + "/.cache/again.bin").c_str());
    volume.settle();

    const SizeAndReclaimable figures = sizeWithReclaimable(modules, 10, home);
    EXPECT_EQ(figures.bytes, directorySize(modules, 10, home));
    ASSERT_TRUE(figures.reclaimable);
    EXPECT_EQ(*figures.reclaimable,
              allocatedBytes(modules + "/.cache/built.bin") + allocatedBytes(modules + "/lib/package.json"));
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
    writeRandomFile(folder + "/debug/app", 2 << 20, 4);
    const SizeAndReclaimable figures = sizeWithReclaimable(folder, 10, volume.path() + "/home");
    EXPECT_EQ(figures.bytes, allocatedBytes(folder + "/debug/app"));
    EXPECT_FALSE(figures.reclaimable);
}

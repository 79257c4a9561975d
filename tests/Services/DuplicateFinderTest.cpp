#include "Services/DuplicateFinder.h"
#include "Platform/FaultInjection.h"
#include "Platform/Sha256.h"
#include "Services/LargeFileScan.h"
#include "Services/LockstepDigest.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reproducible bytes that differ from seed to seed everywhere, head included.
std::string pattern(std::size_t size, std::uint32_t seed)
{
    std::string out(size, '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& c : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return out;
}

std::string hexDigest(const std::string& data, std::size_t bytes = 32)
{
    Sha256 sha;
    sha.update(data.data(), data.size());
    return Sha256::hex(sha.finalize(), bytes);
}

duplicates::Candidates candidatesOf(const std::vector<std::string>& paths)
{
    duplicates::Candidates candidates;
    for (const auto& path : paths) {
        struct stat st;
        if (lstat(path.c_str(), &st) == 0)
            candidates.add(path, st);
    }
    return candidates;
}

std::vector<DuplicateFileGroup> scanGroups(const TempHome& home)
{
    return std::get<2>(scanSunburstLargeFilesAndDuplicates(home.path(), {}, {}, {}));
}

// Writes `data` at `offset` into a file that is otherwise a hole (or what was there).
void writeAt(const std::string& path, const std::string& data, off_t offset)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, data.data(), data.size(), offset), ssize_t(data.size()));
    ::close(fd);
}

int openDescriptorCount()
{
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

TEST(DuplicateGroups, TheShorterPathIsKeptAndOfEqualLengthsTheFirstDiscovered)
{
    TempHome home;
    const std::string content = pattern(5 * MiB, 1), triple = pattern(4 * MiB, 3);
    home.fileWithContent("Documents/archive/a.pdf", content);
    home.fileWithContent("Downloads/a.pdf", content);
    home.fileWithContent("Downloads/other.pdf", pattern(5 * MiB, 2)); // same size, other content
    for (const char* path : {"Documents/x/c.bin", "Downloads/y/c.bin", "Downloads/x/c.bin"})
        home.fileWithContent(path, triple);

    const auto groups = scanGroups(home);
    ASSERT_EQ(groups.size(), 2u);
    // Roots in order Desktop, Downloads, Movies, Documents; names in byte order within.
    ASSERT_EQ(groups[0].members.size(), 3u);
    EXPECT_EQ(groups[0].members[0].url, home.at("Downloads/x/c.bin"));
    EXPECT_EQ(groups[0].members[1].url, home.at("Downloads/y/c.bin"));
    EXPECT_EQ(groups[0].members[2].url, home.at("Documents/x/c.bin"));
    EXPECT_EQ(groups[0].totalDuplicateCopiesBytes(), 2 * 4 * MiB);
    EXPECT_EQ(groups[0].hashSummary, "SHA-256 100% 字节级一致 · 共 3 份相同文件");

    const DuplicateFileGroup& group = groups[1];
    EXPECT_EQ(group.id, "dup-" + hexDigest(content).substr(0, 10));
    EXPECT_EQ(group.title, "a.pdf");
    EXPECT_EQ(group.hashSummary, "SHA-256 100% 字节级一致 · 共 2 份相同文件");
    EXPECT_EQ(group.eachSizeBytes, 5 * MiB);
    ASSERT_EQ(group.members.size(), 2u);
    EXPECT_EQ(group.members[0].url, home.at("Downloads/a.pdf"));
    EXPECT_EQ(group.members[0].folderName, "~/Downloads");
    EXPECT_EQ(group.members[1].url, home.at("Documents/archive/a.pdf"));
    EXPECT_EQ(group.members[1].folderName, "~/Documents/archive");
    EXPECT_EQ(group.totalDuplicateCopiesBytes(), 5 * MiB);
}

// Two names of one file are not two copies: removing one would free nothing.
TEST(DuplicateGroups, HardLinksAreOneFile)
{
    TempHome home;
    const std::string content = pattern(4 * MiB, 4);
    home.fileWithContent("Desktop/a.bin", content);
    home.hardlink("Downloads/a-link.bin", "Desktop/a.bin");
    home.hardlink("Documents/a-link2.bin", "Desktop/a.bin");
    EXPECT_TRUE(scanGroups(home).empty());

    home.fileWithContent("Movies/a-copy.bin", content);
    const auto groups = scanGroups(home);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].members.size(), 2u);
    EXPECT_EQ(groups[0].members[0].url, home.at("Desktop/a.bin"));
    EXPECT_EQ(groups[0].members[1].url, home.at("Movies/a-copy.bin"));
    EXPECT_EQ(groups[0].totalDuplicateCopiesBytes(), 4 * MiB);
}

// A folder mounted a second time inside the home (a bind mount) shows one file under
// two paths with one device and inode, and a single name. Offered as a copy of itself,
// removing the "copy" would remove the only one.
TEST(DuplicateGroups, OneFileReachedByTwoPathsIsOneFile)
{
    TempHome home;
    const std::string content = pattern(4 * MiB, 5);
    const std::string original = home.fileWithContent("Documents/a.bin", content);
    const std::string secondPath = home.fileWithContent("Desktop/mounted/a.bin", content);
    struct stat st;
    ASSERT_EQ(lstat(original.c_str(), &st), 0);
    ASSERT_EQ(st.st_nlink, 1u);

    duplicates::Candidates candidates;
    candidates.add(original, st);
    candidates.add(secondPath, st); // what the mount reports
    EXPECT_TRUE(duplicates::findGroups(candidates, home.path()).empty());
}

TEST(DuplicateStages, UniqueSizesCostNoReadsAndDifferentHeadsNeverReachTheFullHash)
{
    TempHome home;
    std::string a = pattern(5 * MiB, 5), b = a;
    b[100] ^= 1;
    duplicates::ReadStats stats;
    EXPECT_TRUE(duplicates::findGroups(candidatesOf({home.fileWithContent("Desktop/a.bin", a),
                                                     home.fileWithContent("Desktop/odd.bin", a + "x")}),
                                       home.path(), &stats)
                    .empty());
    EXPECT_EQ(stats.bytesRead, 0);
    EXPECT_EQ(stats.fingerprintsTaken, 0);

    stats = {};
    const auto candidates = candidatesOf({home.at("Desktop/a.bin"), home.fileWithContent("Desktop/b.bin", b)});
    EXPECT_TRUE(duplicates::findGroups(candidates, home.path(), &stats).empty());
    EXPECT_EQ(stats.fingerprintsTaken, 2);
    EXPECT_EQ(stats.fullHashesStarted, 0);
    EXPECT_EQ(stats.bytesRead, 2 * 64 * 1024);
}

TEST(DuplicateStages, SameHeadAndTailButDifferentMiddleIsNoGroup)
{
    TempHome home;
    std::string a = pattern(5 * MiB, 6), b = a;
    b[2 * MiB] ^= 1;
    const auto candidates =
        candidatesOf({home.fileWithContent("Desktop/a.bin", a), home.fileWithContent("Desktop/b.bin", b)});
    EXPECT_EQ(fastFileFingerprint(home.at("Desktop/a.bin"), 5 * MiB),
              fastFileFingerprint(home.at("Desktop/b.bin"), 5 * MiB));
    duplicates::ReadStats stats;
    EXPECT_TRUE(duplicates::findGroups(candidates, home.path(), &stats).empty());
    EXPECT_EQ(stats.fullHashesStarted, 2);
    EXPECT_EQ(stats.bytesRead, 2 * 64 * 1024 + 2 * 5 * MiB);
}

// Copies are read side by side; one that departs mid-file must still get the digest
// of its own content, and groups larger than one batch of open files stay whole.
TEST(DuplicateStages, CopiesThatPartMidFileGetTheirOwnDigests)
{
    TempHome home;
    const std::string a = pattern(4 * MiB, 11);
    std::string b = a, c = a;
    b[std::size_t(MiB + MiB / 2)] ^= 1; // second chunk
    c[std::size_t(3 * MiB + 5)] ^= 1;   // last chunk
    std::vector<std::string> paths;
    for (const auto& [name, content] : {std::pair{"a1", a}, {"b1", b}, {"a2", a}, {"c1", c}, {"b2", b}, {"c2", c}})
        paths.push_back(home.fileWithContent(std::string("Desktop/") + name, content));
    for (int i = 0; i < 9; ++i)
        paths.push_back(home.fileWithContent("Downloads/a" + std::to_string(i), a));

    duplicates::ReadStats stats;
    const auto groups = duplicates::findGroups(candidatesOf(paths), home.path(), &stats);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].id, "dup-" + hexDigest(a).substr(0, 10));
    EXPECT_EQ(groups[0].members.size(), 11u);
    EXPECT_EQ(groups[1].id, "dup-" + hexDigest(b).substr(0, 10));
    EXPECT_EQ(groups[1].members[1].url, home.at("Desktop/b2"));
    EXPECT_EQ(groups[2].id, "dup-" + hexDigest(c).substr(0, 10));
    EXPECT_EQ(stats.bytesRead, std::int64_t(paths.size()) * (64 * 1024 + 4 * MiB)); // every file read once
}

TEST(DuplicateStages, CopiesThatCannotBeReadDropOutAndNoDescriptorIsLeftOpen)
{
    TempHome home;
    const std::string content = pattern(4 * MiB, 8);
    const std::string a = home.fileWithContent("Desktop/a.bin", content);
    const std::string b = home.fileWithContent("Desktop/b.bin", content);
    const std::string c = home.fileWithContent("Desktop/c.bin", content);
    const int descriptorsBefore = openDescriptorCount();
    {
        fault::ScopedHook unopenable(
            [&](fault::Op op, std::string_view path) { return op == fault::Op::openFile && path == b ? EACCES : 0; });
        const auto groups = duplicates::findGroups(candidatesOf({a, b, c}), home.path());
        ASSERT_EQ(groups.size(), 1u);
        ASSERT_EQ(groups[0].members.size(), 2u);
        EXPECT_EQ(groups[0].members[1].url, c);
        EXPECT_TRUE(duplicates::findGroups(candidatesOf({a, b}), home.path()).empty());
    }
    {
        // The fingerprint reads succeed; the second read of a full hash fails.
        int reads = 0;
        fault::ScopedHook failingRead([&](fault::Op op, std::string_view path) {
            return op == fault::Op::readFile && path == c && ++reads == 4 ? EIO : 0;
        });
        const auto groups = duplicates::findGroups(candidatesOf({a, b, c}), home.path());
        ASSERT_EQ(groups.size(), 1u);
        EXPECT_EQ(groups[0].members.size(), 2u);
    }
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
}

TEST(DuplicateStages, GroupsAreSortedByReclaimableBytesAndCappedAtThirty)
{
    TempHome home;
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        // Sparse pairs: i + 1 written blocks, the rest a hole, so 40 groups cost little
        // disk and each occupies a different amount of it.
        const std::int64_t size = 3 * MiB + i * 4096;
        const std::string written = pattern(std::size_t(i + 1) * 4096, std::uint32_t(100 + i));
        for (const char* root : {"Desktop", "Downloads"}) {
            const std::string path = home.sparseFile(std::string(root) + "/f" + std::to_string(i), size);
            const int fd = ::open(path.c_str(), O_WRONLY);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::pwrite(fd, written.data(), written.size(), 0), ssize_t(written.size()));
            ::close(fd);
            paths.push_back(path);
        }
    }
    const auto groups = duplicates::findGroups(candidatesOf(paths), home.path());
    ASSERT_EQ(groups.size(), 30u);
    EXPECT_EQ(groups.front().eachSizeBytes, home.allocated("Desktop/f39"));
    EXPECT_EQ(groups.back().eachSizeBytes, home.allocated("Desktop/f10"));
    for (std::size_t i = 1; i < groups.size(); ++i)
        EXPECT_GT(groups[i - 1].totalDuplicateCopiesBytes(), groups[i].totalDuplicateCopiesBytes());
}

TEST(FastFingerprint, CoversExactlyTheHeadAndAboveSixtyFourKiBTheTail)
{
    TempHome home;
    const std::string small = pattern(40'000, 9);
    home.fileWithContent("small.bin", small);
    EXPECT_EQ(fastFileFingerprint(home.at("small.bin"), 40'000), "40000-" + hexDigest(small.substr(0, 32'768), 8));

    const std::string large = pattern(100'000, 10);
    home.fileWithContent("large.bin", large);
    const auto expected = "100000-" + hexDigest(large.substr(0, 32'768) + large.substr(67'232), 8);
    EXPECT_EQ(fastFileFingerprint(home.at("large.bin"), 100'000), expected);
    // Bytes between the two spans are not read; the first byte of the tail is.
    for (const auto& [offset, same] : {std::pair{32'768, true}, {67'231, true}, {67'232, false}, {99'999, false}}) {
        std::string changed = large;
        changed[std::size_t(offset)] ^= 1;
        home.fileWithContent("changed.bin", changed);
        EXPECT_EQ(fastFileFingerprint(home.at("changed.bin"), 100'000) == expected, same) << offset;
    }
    EXPECT_EQ(fastFileFingerprint(home.at("absent.bin"), 100'000), std::nullopt);
}

} // namespace

TEST(SparseDuplicates, AHoleReadsAsTheZerosItStandsFor)
{
    TempHome home;
    const std::int64_t size = 64 * std::int64_t(MiB);
    const std::string head = pattern(MiB / 2 + 5, 8);
    // Dense: every byte written, zeros included. Sparse: only the head, the rest a hole.
    std::string dense = head;
    dense.resize(std::size_t(size), '\0');
    const std::string densePath = home.fileWithContent("dense.img", dense);
    const std::string sparsePath = home.sparseFile("sparse.img", size);
    writeAt(sparsePath, head, 0);
    // Sparse again, with one byte written deep in the hole.
    const std::string otherPath = home.sparseFile("other.img", size);
    writeAt(otherPath, head, 0);
    writeAt(otherPath, "\1", size / 2 + 3);
    ASSERT_LT(home.allocated("sparse.img"), home.allocated("dense.img"));

    duplicates::LockstepDigester digester;
    const auto digests = digester.digest({densePath, sparsePath, otherPath}, nullptr);
    ASSERT_TRUE(digests[0] && digests[1] && digests[2]);
    EXPECT_EQ(*digests[0], *digests[1]);
    EXPECT_NE(*digests[0], *digests[2]);

    // Equal bytes, but removing either frees a different amount: not one group.
    EXPECT_TRUE(duplicates::findGroups(candidatesOf({densePath, sparsePath}), home.path()).empty());
}

// Twins of a gibibyte each with data at both ends: compared without reading their holes,
// whatever the layout. The second twin has written zeros where the first has a hole,
// and a hole where the first has written zeros; the third differs from the first by
// one byte among those zeros.
TEST(SparseDuplicates, TwinsAreComparedWithoutReadingTheirHoles)
{
    TempHome home;
    const std::int64_t size = std::int64_t(1) << 30;
    const std::string start = pattern(200'000, 9), end = pattern(70'000, 11);
    const std::string zeros(16 * 4096, '\0');
    std::string changed = zeros;
    changed[5 * 4096 + 3] = '\1';
    std::vector<std::string> twins;
    for (const char* path : {"Desktop/twin.img", "Documents/twin.img", "Downloads/changed.img"}) {
        twins.push_back(home.sparseFile(path, size));
        writeAt(twins.back(), start, 0);
        writeAt(twins.back(), end, size - off_t(end.size()));
    }
    writeAt(twins[0], zeros, size / 4);
    writeAt(twins[1], zeros, size / 3 / 4096 * 4096); // block-aligned: both occupy the same
    writeAt(twins[2], changed, size / 4);
    ASSERT_EQ(home.allocated("Desktop/twin.img"), home.allocated("Documents/twin.img"));
    ASSERT_EQ(home.allocated("Desktop/twin.img"), home.allocated("Downloads/changed.img"));

    duplicates::ReadStats stats;
    const auto groups = duplicates::findGroups(candidatesOf(twins), home.path(), &stats);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].members.size(), 2u);
    EXPECT_EQ(groups[0].members[0].url, twins[0]);
    EXPECT_EQ(groups[0].members[1].url, twins[1]);
    EXPECT_EQ(groups[0].eachSizeBytes, home.allocated("Desktop/twin.img"));
    EXPECT_EQ(groups[0].totalDuplicateCopiesBytes(), home.allocated("Documents/twin.img"));
    // Fingerprints, then the written data of each twin, block-rounded: never the holes.
    EXPECT_LT(stats.bytesRead, 3 * (home.allocated("Desktop/twin.img") + 2 * 32 * 1024 + 2 * MiB));
}

#include "Platform/Sha256.h"
#include "Services/ContentDigest.h"
#include "Services/DuplicateFinder.h"
#include "Services/LockstepDigest.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlock = ContentDigest::kBlock;

std::string noise(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string out(size, '\0');
    for (auto& c : out)
        c = char(rng() | 1); // never zero: a block of noise is never a block of zeros
    return out;
}

// Writes `data` at `offset` into a file that is otherwise a hole (or what was there).
void writeAt(const std::string& path, const std::string& data, off_t offset)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, data.data(), data.size(), offset), ssize_t(data.size()));
    ::close(fd);
}

Sha256::Digest digestOf(const std::string& content, std::size_t chunk)
{
    ContentDigest digest;
    for (std::size_t at = 0; at < content.size(); at += chunk)
        digest.update(content.data() + at, std::min(chunk, content.size() - at));
    return digest.finalize();
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

// Content made of blocks that are zero or noise, and a tail of either, at random.
std::string randomBlocks(std::mt19937& rng)
{
    std::string content;
    const int blocks = int(rng() % 6);
    for (int i = 0; i < blocks; ++i)
        content += rng() % 2 ? std::string(kBlock, '\0') : noise(kBlock, rng());
    const std::size_t tail = rng() % 3 == 0 ? 0 : rng() % kBlock;
    content += rng() % 2 ? std::string(tail, '\0') : noise(tail, rng());
    return content;
}

} // namespace

TEST(ContentDigest, ContentWithoutZeroBlocksHashesAsPlainSha256)
{
    // Unaligned zeros that never fill a block of their own change nothing either.
    std::string content = noise(3 * kBlock + 100, 1);
    content.replace(kBlock + 10, kBlock - 20, std::string(kBlock - 20, '\0'));
    Sha256 plain;
    plain.update(content.data(), content.size());
    EXPECT_EQ(digestOf(content, 1000), plain.finalize());
}

TEST(ContentDigest, EqualBytesGiveEqualDigestsHoweverTheZerosArrive)
{
    // Noise, zeros from an unaligned offset over two and a half blocks, noise again.
    std::string content = noise(kBlock + 300, 2);
    content += std::string(2 * kBlock + kBlock / 2, '\0');
    content += noise(kBlock + 7, 3);
    const Sha256::Digest expected = digestOf(content, content.size());
    EXPECT_EQ(digestOf(content, 1), expected);
    EXPECT_EQ(digestOf(content, kBlock), expected);

    ContentDigest holes; // the zeros as a hole, handed over in two steps
    holes.update(content.data(), kBlock + 300);
    holes.updateZeros(kBlock);
    holes.updateZeros(kBlock + kBlock / 2);
    holes.update(content.data() + content.size() - (kBlock + 7), kBlock + 7);
    EXPECT_EQ(holes.finalize(), expected);
}

// Digests are compared between files of one size: among those, different content must
// never give one digest, wherever the zero blocks lie and however long their runs are.
TEST(ContentDigest, DifferentContentsOfOneLengthNeverShareADigest)
{
    std::mt19937 rng(42);
    std::map<std::size_t, std::map<Sha256::Digest, std::string>> seen;
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string content = randomBlocks(rng);
        auto [it, fresh] = seen[content.size()].try_emplace(digestOf(content, 1 + rng() % (2 * kBlock)), content);
        if (!fresh) {
            ++compared;
            EXPECT_EQ(it->second, content) << "two contents of " << content.size() << " bytes share a digest";
        }
    }
    EXPECT_GT(compared, 100); // equal contents did meet, and matched
    // A zero block moved, a run split in two, a zero tail against a zero block.
    const std::string n = noise(kBlock, 7), z(kBlock, '\0');
    EXPECT_NE(digestOf(n + z + z, kBlock), digestOf(z + n + z, kBlock));
    EXPECT_NE(digestOf(z + n + z + n, kBlock), digestOf(z + z + n + n, kBlock));
    EXPECT_NE(digestOf(n + std::string(kBlock + 1, '\0'), kBlock), digestOf(n + z + std::string(1, '\1'), kBlock));
}

TEST(SparseDuplicates, AHoleReadsAsTheZerosItStandsFor)
{
    TempHome home;
    const std::int64_t size = 64 * std::int64_t(MiB);
    const std::string head = noise(MiB / 2 + 5, 8);
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
    const std::string start = noise(200'000, 9), end = noise(70'000, 11);
    const std::string zeros(16 * kBlock, '\0');
    std::string changed = zeros;
    changed[5 * kBlock + 3] = '\1';
    std::vector<std::string> twins;
    for (const char* path : {"Desktop/twin.img", "Documents/twin.img", "Downloads/changed.img"}) {
        twins.push_back(home.sparseFile(path, size));
        writeAt(twins.back(), start, 0);
        writeAt(twins.back(), end, size - off_t(end.size()));
    }
    writeAt(twins[0], zeros, size / 4);
    writeAt(twins[1], zeros, size / 3 / off_t(kBlock) * off_t(kBlock)); // block-aligned, so both occupy the same
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
    EXPECT_EQ(groups[0].reclaimableBytes(), home.allocated("Documents/twin.img"));
    // Fingerprints, then the written data of each twin, block-rounded: never the holes.
    EXPECT_LT(stats.bytesRead, 3 * (home.allocated("Desktop/twin.img") + 2 * 32 * 1024 + 2 * MiB));
}

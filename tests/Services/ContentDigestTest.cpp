#include "Services/ContentDigest.h"
#include "Platform/Sha256.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

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

Sha256::Digest digestOf(const std::string& content, std::size_t chunk)
{
    ContentDigest digest;
    for (std::size_t at = 0; at < content.size(); at += chunk)
        digest.update(content.data() + at, std::min(chunk, content.size() - at));
    return digest.finalize();
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

// Random trees cleaned to the Trash and restored: nothing may change, byte for byte,
// name for name, link for link, and the Trash must hold nothing of ours afterwards.
#include "Platform/FaultInjection.h"
#include "support/CleanFixture.h"
#include "support/TreeSnapshot.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace {

const std::vector<std::string> kNames = {
    "a",        "b c",   "é",    "文件",         "\xff\xfe", "\xc3(", "x.txt", "two  spaces ", ".hidden",
    "QM-1-0-a", "files", "info", "node_modules", "emoji 😀",  "%41",   "-dash", "~tilde",       "a.trashinfo",
};
const std::vector<std::int64_t> kSizes = {0, 1, 100, 511, 4095, 4096, 4097, 65537, 300000};

class RandomTree {
  public:
    RandomTree(const TempHome& home, unsigned seed) : home_(home), rng_(seed) {}

    // Fills `relative` (which exists) with up to `breadth` entries, recursing.
    void fill(const std::string& relative, int depth)
    {
        std::vector<std::string> names = kNames;
        std::shuffle(names.begin(), names.end(), rng_);
        names.resize(std::size_t(depth == 0 ? pick(3, 8) : pick(0, 5)));
        for (const auto& name : names) {
            const std::string rel = relative + "/" + name;
            entries.push_back(rel);
            const int kind = pick(0, 9);
            if (kind <= 3 && depth < 4) {
                ::mkdir(home_.at(rel).c_str(), pick(0, 1) ? 0755 : 0700);
                fill(rel, depth + 1);
            } else if (kind <= 7) {
                writeFile(rel);
            } else {
                const std::vector<std::string> targets = {"../x", home_.at("outside/precious"), "nowhere", ".",
                                                          home_.at("data")};
                home_.symlink(rel, targets[std::size_t(pick(0, int(targets.size()) - 1))]);
            }
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::mt19937& rng() { return rng_; }

    std::vector<std::string> entries; // relative paths, in creation order

  private:
    void writeFile(const std::string& rel)
    {
        const auto size = kSizes[std::size_t(pick(0, int(kSizes.size()) - 1))];
        std::string content(std::size_t(size), '\0');
        for (auto& c : content)
            c = char(rng_());
        home_.fileWithContent(rel, content);
        const mode_t modes[] = {0600, 0644, 0755, 0400};
        ::chmod(home_.at(rel).c_str(), modes[pick(0, 3)]);
    }

    const TempHome& home_;
    std::mt19937 rng_;
};

using CleanRoundTrip = CleanFixture;

// Seeds from QUILLMERE_ROUND_TRIP_SEEDS: "FIRST-LAST", or "N" for 1 to N; 1 to 100 when unset.
std::pair<unsigned, unsigned> seedRange()
{
    const char* text = std::getenv("QUILLMERE_ROUND_TRIP_SEEDS");
    if (!text || !*text)
        return {1, 100};
    unsigned first = 1, last = 0;
    if (std::sscanf(text, "%u-%u", &first, &last) == 2)
        return {first, last};
    if (std::sscanf(text, "%u", &last) == 1)
        return {1, last};
    ADD_FAILURE() << "QUILLMERE_ROUND_TRIP_SEEDS takes FIRST-LAST or N, not " << text;
    return {1, 0};
}

} // namespace

TEST_F(CleanRoundTrip, EverythingComesBackExactlyForManySeeds)
{
    home.fileWithContent("outside/precious", "not ours to touch");
    const auto [firstSeed, lastSeed] = seedRange();
    for (unsigned seed = firstSeed; seed <= lastSeed; ++seed) {
        SCOPED_TRACE(seed);
        home.mkdir("data");
        RandomTree tree(home, seed);
        tree.fill("data", 0);
        const TreeSnapshot before = snapshotTree(home.path(), ".local");

        // Clean every top entry plus random nested ones, in random order, so that some
        // items lie inside others cleaned before or after them.
        std::vector<std::string> chosen;
        for (const auto& rel : tree.entries)
            if (std::count(rel.begin(), rel.end(), '/') == 1 || tree.pick(0, 3) == 0)
                chosen.push_back(rel);
        std::shuffle(chosen.begin(), chosen.end(), tree.rng());

        // Some items are held, so folders go partly, child by child.
        std::set<std::string> heldPaths;
        for (const auto& rel : tree.entries)
            if (tree.pick(0, 7) == 0)
                heldPaths.insert(home.at(rel));
        const int batches = tree.pick(1, 3);
        {
            fault::ScopedHook hook([&heldPaths](fault::Op op, std::string_view path) {
                const bool moving = op == fault::Op::rename || op == fault::Op::trashCall;
                return moving && heldPaths.count(std::string(path)) ? EBUSY : 0;
            });
            for (int batch = 0; batch < batches; ++batch) {
                std::vector<CleanItem> items;
                for (std::size_t i = std::size_t(batch); i < chosen.size(); i += std::size_t(batches))
                    items.push_back({home.at(chosen[i]), 1, chosen[i]});
                clean(items);
            }
        }

        EXPECT_NE(snapshotTree(home.path(), ".local"), before) << "nothing was cleaned";
        engine->cleaner().restoreAllRecentCleans();
        ASSERT_TRUE(waitForScan(*engine));
        EXPECT_EQ(snapshotTree(home.path(), ".local"), before);
        EXPECT_TRUE(entriesOf(trashFiles()).empty());
        EXPECT_TRUE(entriesOf(trashInfo()).empty());
        EXPECT_TRUE(engine->cleaner().recentCleanRecords().empty());
        EXPECT_EQ(engine->cleaner().sessionTotalFreedBytes(), 0);
        if (::testing::Test::HasFailure())
            return;
        std::filesystem::remove_all(home.at("data"));
    }
}

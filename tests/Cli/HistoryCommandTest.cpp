// The restore history outlives the process that cleaned: each command below is a new
// quillmere-cli process working on the same test home.
#include "Models/Paths.h"
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "support/HomeFixtures.h"
#include "support/RunProgram.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using Json = nlohmann::json;

class CliHistory : public ::testing::Test {
  protected:
    TempHome home;

    ProgramResult cli(std::vector<std::string> args, const std::vector<std::string>& env = {}) const
    {
        args.insert(args.begin(), QUILLMERE_CLI_PATH);
        args.insert(args.end(), {"--home", home.path()});
        return runProgram(args, env);
    }
    ProgramResult cleanLarge() const { return cli({"clean", "--what", "large", "--yes", "--quiet"}); }
    Json history(const std::vector<std::string>& env = {}) const
    {
        const auto run = cli({"history", "--json"}, env);
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        return Json::parse(run.out, nullptr, false);
    }
    // The state of the record for `original`, from `history --json`.
    static std::string stateOf(const Json& list, const std::string& original)
    {
        for (const auto& entry : list)
            if (entry["originalURL"] == original)
                return entry["state"];
        return "";
    }
};

} // namespace

TEST_F(CliHistory, RestoreLastTakesBackOnlyTheLastCleanAndIdsTheRest)
{
    const std::string first = largeInstaller(home, "Downloads/first.dmg", 'a');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    const std::string second = largeInstaller(home, "Downloads/second.dmg", 'b');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    ASSERT_FALSE(fileops::exists(first));
    ASSERT_FALSE(fileops::exists(second));

    const Json before = history();
    ASSERT_EQ(before.size(), 2u) << before.dump();
    EXPECT_EQ(before[0]["originalURL"], second); // newest clean first
    EXPECT_EQ(before[0]["state"], "restorable");
    EXPECT_EQ(before[1]["state"], "restorable");

    const auto last = cli({"restore", "--last"});
    EXPECT_EQ(last.exitStatus, 0) << last.out << last.err;
    EXPECT_TRUE(fileops::exists(second));
    EXPECT_FALSE(fileops::exists(first));

    const auto byID = cli({"restore", before[1]["id"]});
    EXPECT_EQ(byID.exitStatus, 0) << byID.out << byID.err;
    EXPECT_EQ(readFileBytes(first).size(), std::size_t(26 * MiB));
    EXPECT_EQ(stateOf(history(), first), "restored");
    EXPECT_TRUE(fileops::listChildren(Trash::homeFilesFolder(home.path()))->empty());

    // Taking back what is back already, or an id no clean made, restores nothing.
    const auto again = cli({"restore", before[1]["id"], "no-such-id"});
    EXPECT_EQ(again.exitStatus, 1);
    EXPECT_NE(again.out.find("already restored"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("no such record\tno-such-id"), std::string::npos) << again.out;
}

TEST_F(CliHistory, TheHistoryIsPrivateAndKeptWhereXdgStateHomeSays)
{
    const std::string state = home.mkdir("state");
    const std::vector<std::string> env = {"XDG_STATE_HOME=" + state};
    const std::string file = largeInstaller(home, "Downloads/setup.dmg", 'c');
    ASSERT_EQ(cli({"clean", "--what", "large", "--yes"}, env).exitStatus, 0);

    struct stat st {};
    ASSERT_EQ(::stat((state + "/quillmere/history.jsonl").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(fileops::exists(home.at(".local/state/quillmere/history.jsonl")));
    EXPECT_EQ(history(env).size(), 1u);
    EXPECT_EQ(cli({"restore", "--all"}, env).exitStatus, 0);
    EXPECT_TRUE(fileops::exists(file));
}

TEST_F(CliHistory, AnItemGoneFromTheTrashIsShownGoneAndNeverRestored)
{
    const std::string kept = largeInstaller(home, "Downloads/kept.dmg", 'd');
    const std::string lost = largeInstaller(home, "Downloads/lost.dmg", 'e');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    // The user empties one entry from the Trash, and puts something else under its name.
    std::string lostInTrash;
    for (const auto& entry : history())
        if (entry["originalURL"] == lost)
            lostInTrash = entry["trashedURL"];
    ASSERT_FALSE(lostInTrash.empty());
    std::filesystem::remove(lostInTrash);
    home.fileWithContent(lostInTrash.substr(home.path().size() + 1), "not what was cleaned");

    EXPECT_EQ(stateOf(history(), lost), "gone");
    EXPECT_EQ(stateOf(history(), kept), "restorable");
    const auto run = cli({"restore", "--all"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.out.find("gone from the Trash, not restored\t" + lost), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Restored 1 of 2 items"), std::string::npos) << run.out;
    EXPECT_TRUE(fileops::exists(kept));
    EXPECT_FALSE(fileops::exists(lost));
    EXPECT_TRUE(readFileBytes(lostInTrash) == "not what was cleaned");
}

// What stood in the way goes to the Trash as a record of its own, said so, and a later
// safe clean (which empties the Trash) keeps it for its own restore.
TEST_F(CliHistory, ARestoreMovesWhatNowStandsThereAsideAsARecordOfItsOwn)
{
    const std::string path = largeInstaller(home, "Downloads/tool.dmg", 'f');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    home.fileWithContent("Downloads/tool.dmg", "a newer download");

    const auto run = cli({"restore", "--last"});
    EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
    EXPECT_EQ(readFileBytes(path).size(), std::size_t(26 * MiB));
    const auto inTrash = fileops::listChildren(Trash::homeFilesFolder(home.path()));
    ASSERT_EQ(inTrash->size(), 1u);
    const std::string aside = Trash::homeFilesFolder(home.path()) + "/" + inTrash->front();
    EXPECT_TRUE(readFileBytes(aside) == "a newer download");
    EXPECT_NE(run.out.find("  moved aside to the Trash\t" + path + " -> " + aside), std::string::npos) << run.out;

    Json newer;
    for (const auto& entry : history())
        if (entry["trashedURL"] == aside)
            newer = entry;
    ASSERT_FALSE(newer.is_null());
    EXPECT_EQ(newer["state"], "restorable");
    oldTrashEntry(home, "old.bin", 't');
    dotCacheEntry(home, "tool", 'c');
    ASSERT_EQ(cli({"clean", "--what", "safe", "--yes", "--quiet"}).exitStatus, 0);
    EXPECT_FALSE(fileops::exists(home.at(".local/share/Trash/files/old.bin")));
    EXPECT_TRUE(readFileBytes(aside) == "a newer download");

    // Taken back in turn, it makes way for the other copy the same way.
    const auto back = cli({"restore", newer["id"]});
    EXPECT_EQ(back.exitStatus, 0) << back.out << back.err;
    EXPECT_TRUE(readFileBytes(path) == "a newer download");
}

// An id is bytes like every other field: one that is not UTF-8 is written escaped.
TEST_F(CliHistory, AnIdThatIsNotUtf8IsEscapedInJson)
{
    largeInstaller(home, "Downloads/setup.dmg", 'h');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    const std::string file = home.at(".local/state/quillmere/history.jsonl");
    Json line = Json::parse(readFileBytes(file).substr(readFileBytes(file).rfind("{\"id\"")));
    line["id"] = "odd\\xFFid"; // how the history writes the byte 0xFF
    std::ofstream(file, std::ios::app) << line.dump() << "\n";

    const auto run = cli({"history", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const Json list = Json::parse(run.out, nullptr, false);
    ASSERT_TRUE(list.is_array()) << run.out;
    bool found = false;
    for (const auto& entry : list)
        found = found || entry["id"] == "odd\\xFFid";
    EXPECT_TRUE(found) << run.out;
}

// A later clean that empties the Trash, in another process, keeps what the history can
// still restore, and takes what it cannot.
TEST_F(CliHistory, EmptyingTheTrashKeepsWhatTheHistoryPointsAt)
{
    const std::string installer = largeInstaller(home, "Downloads/setup.dmg", 'g');
    ASSERT_EQ(cleanLarge().exitStatus, 0);
    const std::string trashed = history()[0]["trashedURL"];
    oldTrashEntry(home, "old.bin", 't');
    dotCacheEntry(home, "tool", 'c');

    const auto safe = cli({"clean", "--what", "safe", "--yes", "--quiet"});
    ASSERT_EQ(safe.exitStatus, 0) << safe.out << safe.err;
    EXPECT_NE(safe.out.find("  removed\t" + Trash::homeFilesFolder(home.path())), std::string::npos) << safe.out;
    EXPECT_FALSE(fileops::exists(home.at(".local/share/Trash/files/old.bin")));
    EXPECT_TRUE(fileops::exists(trashed));

    const auto restore = cli({"restore", "--all"});
    EXPECT_EQ(restore.exitStatus, 0) << restore.out << restore.err;
    EXPECT_TRUE(fileops::exists(installer));
    EXPECT_TRUE(fileops::exists(home.at(".cache/tool/blob")));
}

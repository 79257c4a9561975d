#pragma once
// A test home with an engine on it, and a way to run one clean to its end.

#include "Models/Paths.h"
#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The info file that belongs to an entry of a trash's files/ folder.
inline std::string infoFileOfEntry(const std::string& trashed)
{
    return paths::join(paths::join(paths::parent(paths::parent(trashed)), "info"),
                       paths::lastComponent(trashed) + ".trashinfo");
}

// Records sounds and haptics in the order they are asked for.
struct FeedbackLog : CleanFeedback {
    std::vector<std::string> events;
    void playSound(std::string_view name) override { events.push_back("sound " + std::string(name)); }
    void performLevelChangeHaptic() override { events.push_back("haptic"); }
};

class CleanFixture : public ::testing::Test {
  protected:
    TempHome home;
    std::unique_ptr<StorageEngine> engine = std::make_unique<StorageEngine>(testOptions(home.path()));
    FeedbackLog feedback;

    void SetUp() override { engine->cleaner().setCleanFeedback(&feedback); }
    void TearDown() override { waitForScan(*engine); } // a restore starts a scan; let it end

    std::string trashFiles() const { return Trash::homeFilesFolder(home.path()); }
    std::string trashInfo() const { return home.at(".local/share/Trash/info"); }

    // The Trash folder as a clean item, with its entries as a scan would measure them now.
    CleanItem trashAsScanned() const
    {
        CleanItem item{trashFiles(), 10, "Trash"};
        if (const auto trash = Trash::openHome(home.path()))
            item.trashEntries = trash->entries(10).asOptional();
        return item;
    }

    std::vector<std::string> entriesOf(const std::string& folder) const
    {
        auto names = fileops::listChildren(folder);
        return names ? *names : std::vector<std::string>{};
    }

    // Runs one clean to its end; returns the cleaned paths handed to the completion step.
    std::set<std::string> clean(std::vector<CleanItem> items, const std::string& label = "测试")
    {
        std::set<std::string> cleaned;
        int calls = 0;
        engine->cleaner().startClean(std::move(items), label, [&](const std::set<std::string>& paths) {
            cleaned = paths;
            ++calls;
        });
        EXPECT_TRUE(waitForClean(*engine));
        EXPECT_LE(calls, 1);
        return cleaned;
    }
};

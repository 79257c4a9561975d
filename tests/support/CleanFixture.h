#pragma once
// A test home with an engine on it, and a way to run one clean to its end.

#include "Platform/FileOperations.h"
#include "Platform/Trash.h"
#include "Services/MacStorageScanner.h"
#include "support/EngineTestAccess.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Records sounds and haptics in the order they are asked for.
struct FeedbackLog : CleanFeedback {
    std::vector<std::string> events;
    void playSound(std::string_view name) override { events.push_back("sound " + std::string(name)); }
    void performLevelChangeHaptic() override { events.push_back("haptic"); }
};

class CleanFixture : public ::testing::Test {
  protected:
    TempHome home;
    std::unique_ptr<MacStorageScanner> engine = std::make_unique<MacStorageScanner>(testOptions(home.path()));
    FeedbackLog feedback;

    void SetUp() override { engine->setCleanFeedback(&feedback); }
    void TearDown() override { waitForScan(*engine); } // a restore starts a scan; let it end

    std::string trashFiles() const { return Trash::homeTrash(home.path()).filesFolder(); }
    std::string trashInfo() const { return home.at(".local/share/Trash/info"); }

    std::vector<std::string> entriesOf(const std::string& folder) const
    {
        std::vector<std::string> names;
        fileops::listChildren(folder, names);
        return names;
    }

    // Runs one clean to its end; returns the cleaned paths handed to the completion step.
    std::set<std::string> clean(std::vector<CleanItem> items, const std::string& label = "测试")
    {
        std::set<std::string> cleaned;
        int calls = 0;
        engine->executeAnimatedPurge(std::move(items), label, [&](const std::set<std::string>& paths) {
            cleaned = paths;
            ++calls;
        });
        EXPECT_TRUE(waitForPurge(*engine));
        EXPECT_LE(calls, 1);
        return cleaned;
    }
};

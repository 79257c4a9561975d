// The plan keeps a copy of every duplicate group, whatever lists the clean's items came from.
#include "Services/CleanPlan.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> skipped(const std::vector<PlannedItem>& plan)
{
    std::vector<std::string> urls;
    for (const auto& planned : plan)
        if (planned.skip == CleanSkipReason::lastCopyOfDuplicate)
            urls.push_back(planned.item.url);
    return urls;
}

DuplicateFileGroup pair(const std::string& original, const std::string& copy)
{
    return group("g", {member(original, 10, true, false), member(copy, 10, false, true)}).record;
}

} // namespace

TEST(CleanPlan, AGroupWithAMemberOutsideTheListIsLeftAlone)
{
    const auto plan = planClean({{"/h/copy", 10, "copy"}, {"/h/other", 10, "o"}}, {pair("/h/original", "/h/copy")});
    EXPECT_TRUE(skipped(plan).empty());
    EXPECT_EQ(plan.size(), 2u);
}

// Listed twice (a large file and a duplicate copy) and the original listed too: the
// original's items go out of the plan.
TEST(CleanPlan, TheKeptOriginalIsTheOneThatStays)
{
    const auto plan = planClean(
        {{"/h/Downloads/a.zip", 10, "a"}, {"/h/Documents/a.zip", 10, "copy"}, {"/h/Documents/a.zip", 10, "large"}},
        {pair("/h/Downloads/a.zip", "/h/Documents/a.zip")});
    EXPECT_EQ(skipped(plan), std::vector<std::string>{"/h/Downloads/a.zip"});
}

// The original goes with an artefact folder: the copy stays instead.
TEST(CleanPlan, AnOriginalBelowAListedFolderLeavesTheCopyInPlace)
{
    const auto plan = planClean({{"/h/p/dist", 10, "dist"}, {"/h/Documents/app.bin", 10, "copy"}},
                                {pair("/h/p/dist/app.bin", "/h/Documents/app.bin")});
    EXPECT_EQ(skipped(plan), std::vector<std::string>{"/h/Documents/app.bin"});
}

// Every member lies below a listed folder: the folder holding the original stays.
TEST(CleanPlan, WhenOnlyFoldersHoldTheCopiesTheOriginalsFolderStays)
{
    const auto plan = planClean({{"/h/a/dist", 10, "a"}, {"/h/b/dist", 10, "b"}, {"/h/a", 10, "project a"}},
                                {pair("/h/a/dist/x.bin", "/h/b/dist/x.bin")});
    EXPECT_EQ(skipped(plan), (std::vector<std::string>{"/h/a/dist", "/h/a"}));
}

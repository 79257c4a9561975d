// A grant of part of the home, over a real home tree and the real window: the notice says
// only that folder can be cleaned, and the scan then offers nothing outside it.
#include "Views/WindowTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Every path the last scan offers for cleaning, whatever the list.
std::vector<Path> pathsOfferedBy(const ScanResults& results)
{
    std::vector<Path> offered;
    for (const auto& card : results.ruleCards())
        for (const auto& item : card.subItems)
            offered.push_back(item.url);
    for (const auto& bloat : results.projectBloats())
        offered.push_back(bloat.url);
    for (const auto& file : results.largeFiles())
        offered.push_back(file.url);
    for (const auto& group : results.duplicateGroups())
        for (const auto& member : group.members)
            offered.push_back(member.url);
    for (const auto& app : results.installedApps()) {
        offered.insert(offered.end(), app.orphanPaths.begin(), app.orphanPaths.end());
        offered.insert(offered.end(), app.uninstallPaths.begin(), app.uninstallPaths.end());
    }
    return offered;
}

bool isInsideFolder(const Path& path, const Path& folder) { return path == folder || path.starts_with(folder + "/"); }

void expectOffersOnlyInside(const ScanResults& results, const Path& folder)
{
    for (const Path& path : pathsOfferedBy(results))
        EXPECT_TRUE(isInsideFolder(path, folder)) << path;
}

} // namespace

TEST(PartialGrant, TheScanOffersOnlyWhatLiesInTheKeptFolderUntilTheWholeHomeIsGranted)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.granted = false;
    w.fillEveryWorkspace();
    // A copy pair with one side in the kept folder: half a pair is no pair to offer.
    w.machine.root.file("Users/demo/Documents/film.mp4", 4 * MiB, 'v');
    w.open();
    const Path documents = w.home + "/Documents";
    GrantPresenter& grants = *w.view->grants();

    w.machine.picker->answers.push_back(documents);
    grants.requestHomeGrant();
    w.settle();
    EXPECT_EQ(grants.noticeKind(), "partial");
    EXPECT_TRUE(grants.noticeText().contains("so only that folder can be cleaned"))
        << grants.noticeText().toStdString();
    grants.keepPendingFolder();
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();

    const ScanResults& results = w.scanner().results();
    expectOffersOnlyInside(results, documents);
    // What lies in the folder is still offered: both idle projects and the database file.
    EXPECT_EQ(results.projectBloats().size(), 2u);
    EXPECT_TRUE(std::any_of(results.largeFiles().begin(), results.largeFiles().end(),
                            [&](const LargeFileItem& file) { return file.url == documents + "/db/model.sqlite"; }));
    EXPECT_TRUE(results.duplicateGroups().empty());
    // Applications are another grant's: they stay listed, without leftovers outside the folder.
    EXPECT_FALSE(results.installedApps().empty());
    EXPECT_EQ(w.textOf("accessFolderName"), "Documents · Partial");

    { // After a restart the stored grant limits the first scan as well.
        auto access = w.machine.start();
        WindowState restarted({.home = w.home, .applications = w.machine.applications}, *access);
        restarted.onAppear();
        ASSERT_TRUE(waitForScan(restarted.scanner()));
        EXPECT_EQ(pathsOfferedBy(restarted.scanner().results()).size(), pathsOfferedBy(results).size());
        expectOffersOnlyInside(restarted.scanner().results(), documents);
    }

    // Granting the whole home from the access menu offers all of it again.
    w.machine.picker->answers.push_back(w.home);
    grants.requestHomeGrant();
    ASSERT_TRUE(waitForScan(w.scanner()));
    w.settle();
    const std::vector<Path> all = pathsOfferedBy(results);
    EXPECT_TRUE(
        std::any_of(all.begin(), all.end(), [&](const Path& p) { return isInsideFolder(p, w.home + "/.cache"); }));
    EXPECT_FALSE(results.duplicateGroups().empty());

    // A subfolder kept while a scan of the whole home runs: none of that scan's offers are
    // shown, and a scan under the folder follows.
    w.view->rescan();
    ASSERT_TRUE(w.scanner().isScanning());
    w.machine.picker->answers.push_back(documents);
    grants.requestHomeGrant();
    grants.keepPendingFolder();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.scanner().isScanning() && !results.projectBloats().empty(); }, 20000));
    expectOffersOnlyInside(results, documents);
}

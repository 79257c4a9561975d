#include "Services/AppScan.h"
#include "Platform/HomeLayout.h"
#include "Services/LinuxAppScan.h"
#include "Services/SelectionState.h"
#include "support/FieldOf.h"
#include "support/PlistWriter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class AppScan : public ::testing::Test {
  protected:
    TempHome home;
    std::string applications = home.mkdir("SystemApplications");

    enum class Plist { none, xml, binary, broken };

    // A bundle whose executable occupies `bytes` on disk.
    void bundle(const std::string& fileName, std::int64_t bytes, Plist kind = Plist::none,
                const std::string& identifier = "")
    {
        const std::string root = "SystemApplications/" + fileName;
        home.allocatedFile(root + "/Contents/Executables/main", bytes);
        const plistfixture::Entries entries{{"CFBundleIdentifier", identifier}};
        if (kind == Plist::xml)
            home.fileWithContent(root + "/Contents/Info.plist", plistfixture::xml(entries));
        else if (kind == Plist::binary)
            home.fileWithContent(root + "/Contents/Info.plist", plistfixture::binary(entries));
        else if (kind == Plist::broken)
            home.fileWithContent(root + "/Contents/Info.plist", "bplist00 but nothing after it");
    }

    std::vector<InstalledAppItem> scan() const { return scanMacBundles(home.path(), applications); }

    static const InstalledAppItem* find(const std::vector<InstalledAppItem>& apps, const std::string& name)
    {
        auto it = std::find_if(apps.begin(), apps.end(), [&](const InstalledAppItem& a) { return a.name == name; });
        return it == apps.end() ? nullptr : &*it;
    }
};

TEST_F(AppScan, ListsOnlyBigEnoughBundlesDirectlyInTheFolderAndNeverTheExcludedOnes)
{
    bundle("Small.app", 4 * MiB);
    bundle("Big.app", 6 * MiB);
    bundle("Safari.app", 6 * MiB);
    bundle("Safari Technology Preview.app", 6 * MiB);
    bundle("Xcode.app", 6 * MiB);
    bundle("Quillmere.app", 6 * MiB);
    bundle("Xcode-beta.app", 6 * MiB);
    bundle("Tools/Inner.app", 6 * MiB); // inside a plain folder: never found
    home.allocatedFile("SystemApplications/Loose.bin", 6 * MiB);

    const auto apps = scan();
    auto names = fieldOf(apps, &InstalledAppItem::name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Big", "Xcode-beta"}));

    const InstalledAppItem* big = find(apps, "Big");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->appPath, applications + "/Big.app");
    EXPECT_EQ(big->appId, "Big"); // no Info.plist: the name stands in
    EXPECT_EQ(big->appSizeBytes, home.allocated("SystemApplications/Big.app/Contents/Executables/main"));
    EXPECT_TRUE(big->orphanPaths.empty());
    EXPECT_FALSE(SelectionState::offeredSelected(*big));

    EXPECT_TRUE(scanMacBundles(home.path(), home.at("NoSuchFolder")).empty());
    // Without a folder named for it, the macOS layout is not looked at.
    EXPECT_TRUE(scanInstalledApps(HomeLayout::of(home.path(), false), "", LinuxAppRoots::none()).empty());
}

TEST_F(AppScan, LeftoversAreTheCacheLikeFoldersInProbingOrder)
{
    bundle("Editor.app", 6 * MiB, Plist::xml, "com.acme.editor");
    const std::vector<std::string> expected{
        "Library/Caches/com.acme.editor",
        "Library/Saved Application State/com.acme.editor.savedState",
        "Library/HTTPStorages/com.acme.editor",
        "Library/Containers/com.acme.editor/Data/Library/Caches",
        "Library/Containers/com.acme.editor/Data/tmp",
        "Library/Application Support/Editor/Cache",
    };
    // Created out of order: the list follows the probing order, not creation.
    for (auto it = expected.rbegin(); it != expected.rend(); ++it)
        home.allocatedFile(*it + "/blob", 300'000);
    home.allocatedFile("Library/Caches/Editor/small", 200'000);                           // too small
    home.allocatedFile("Library/Containers/com.acme.editor/Data/Documents/doc", 5 * MiB); // user data
    home.allocatedFile("Library/Application Support/Editor/settings.db", 5 * MiB);        // user data

    const auto apps = scan();
    ASSERT_EQ(apps.size(), 1u);
    EXPECT_EQ(apps[0].appId, "com.acme.editor");
    std::vector<std::string> expectedPaths;
    std::int64_t expectedBytes = 0;
    for (const auto& relative : expected) {
        expectedPaths.push_back(home.at(relative));
        expectedBytes += home.allocated(relative + "/blob");
    }
    EXPECT_EQ(apps[0].orphanPaths, expectedPaths);
    EXPECT_EQ(apps[0].orphanSizeBytes, expectedBytes);
}

TEST_F(AppScan, IdentifierComesFromBinaryOrXmlInfoPlistElseTheName)
{
    bundle("Binary.app", 6 * MiB, Plist::binary, "org.example.binary");
    bundle("Xml.app", 7 * MiB, Plist::xml, "org.example.xml");
    bundle("Broken.app", 8 * MiB, Plist::broken);
    bundle("Escaping.app", 9 * MiB, Plist::xml, "../../Documents");
    home.allocatedFile("Library/Caches/org.example.binary/blob", 1'000'000);
    home.allocatedFile("Documents/precious", 1'000'000);

    const auto apps = scan();
    ASSERT_EQ(apps.size(), 4u);
    EXPECT_EQ(find(apps, "Binary")->appId, "org.example.binary");
    EXPECT_EQ(find(apps, "Binary")->orphanPaths,
              std::vector<std::string>{home.at("Library/Caches/org.example.binary")});
    EXPECT_EQ(find(apps, "Xml")->appId, "org.example.xml");
    EXPECT_EQ(find(apps, "Broken")->appId, "Broken");
    // An identifier that would leave the Library is no identifier.
    EXPECT_EQ(find(apps, "Escaping")->appId, "Escaping");
    EXPECT_TRUE(find(apps, "Escaping")->orphanPaths.empty());
}

TEST_F(AppScan, FolderFoundTwiceWithoutIdentifierIsListedAndCountedOnce)
{
    bundle("Notes.app", 6 * MiB);
    home.allocatedFile("Library/Caches/Notes/blob", 1'000'000);
    home.allocatedFile("Library/Logs/Notes/blob", 300'000);
    home.allocatedFile("Library/Application Support/Notes/GPUCache/blob", 300'000);

    const auto apps = scan();
    ASSERT_EQ(apps.size(), 1u);
    EXPECT_EQ(apps[0].orphanPaths,
              (std::vector<std::string>{home.at("Library/Caches/Notes"), home.at("Library/Logs/Notes"),
                                        home.at("Library/Application Support/Notes/GPUCache")}));
    EXPECT_EQ(apps[0].orphanSizeBytes, home.allocated("Library/Caches/Notes/blob") +
                                           home.allocated("Library/Logs/Notes/blob") +
                                           home.allocated("Library/Application Support/Notes/GPUCache/blob"));
}

TEST_F(AppScan, LeftoverReachedThroughALinkIsNotOffered)
{
    bundle("Linked.app", 6 * MiB, Plist::xml, "com.linked");
    home.allocatedFile("Elsewhere/Data/tmp/blob", 1'000'000);
    home.mkdir("Library/Containers");
    home.symlink("Library/Containers/com.linked", home.at("Elsewhere"));
    home.allocatedFile("Real/blob", 1'000'000);
    home.symlink("Library/Caches/com.linked", home.at("Real"));

    const auto apps = scan();
    ASSERT_EQ(apps.size(), 1u);
    EXPECT_TRUE(apps[0].orphanPaths.empty());
    EXPECT_EQ(apps[0].orphanSizeBytes, 0);
}

TEST_F(AppScan, SortedByTotalLargestFirstWithTiesInListingOrder)
{
    bundle("Alpha.app", 6 * MiB);
    bundle("Beta.app", 6 * MiB);
    bundle("Gamma.app", 6 * MiB);
    home.allocatedFile("Library/Caches/Gamma/blob", 2 * MiB); // leftovers count toward the total
    bundle("Delta.app", 7 * MiB);

    const auto apps = scanInstalledApps(HomeLayout::of(home.path(), false), applications, LinuxAppRoots::none());
    auto names = fieldOf(apps, &InstalledAppItem::name);
    EXPECT_EQ(names, (std::vector<std::string>{"Gamma", "Delta", "Alpha", "Beta"}));
}

} // namespace

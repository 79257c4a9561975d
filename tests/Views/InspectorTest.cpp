// The inspector of the real window, offscreen, over a test home under /var/tmp: what it shows
// of each kind of item, what its controls do to the engine and to the files' locations, and the
// inline player and thumbnails, driven through the accessibility tree.
#include "InlineMediaPlayer.h"
#include "Platform/Media/ThumbnailService.h"
#include "PlaybackDecoder.h"
#include "Services/SafeCacheRules.h"
#include "Views/TestMedia.h"
#include "Views/WindowTestSupport.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <QPointer>
#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <set>

using Role = QAccessible::Role;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// Where the window asked the file manager to go, and what it asked to open.
struct RecordingWorkspace : WorkspaceService {
    std::vector<Path> revealed;
    std::vector<Path> opened;
    void revealInFileManager(const Path& url) override { revealed.push_back(url); }
    void openWithDefaultApp(const Path& url) override { opened.push_back(url); }
};

// The window open on an empty home, its file manager recorded; the test seeds the lists.
struct InspectorWindow : WindowUnderTest {
    RecordingWorkspace workspace;

    void open()
    {
        WindowUnderTest::open();
        scanner().setWorkspaceService(&workspace);
    }
    std::string file(const std::string& relative, Int64 size = 1024) const
    {
        return machine.root.file("Users/demo/" + relative, size);
    }
    // Shows a workspace and settles, so the inspector shows its first item.
    void show(Workspace workspace)
    {
        view->selectWorkspace(workspace);
        settle();
    }
    QQuickItem* inspector() const { return qobject_cast<QQuickItem*>(shown("inspectorColumn")); }
    // The controls of the inspector: every visible item a screen reader can act on.
    std::vector<AccessibleNode> inspectorControls() const
    {
        std::vector<AccessibleNode> controls;
        collectControls(inspector(), controls);
        return controls;
    }
    int countInInspector(Role role, const QString& name) const
    {
        int count = 0;
        for (const AccessibleNode& node : inspectorControls())
            count += node.role() == role && node.name() == name ? 1 : 0;
        return count;
    }
    // Presses the nth inspector control of that role and name.
    void pressInInspector(Role role, const QString& name, int nth = 0) const
    {
        for (const AccessibleNode& node : inspectorControls())
            if (node.role() == role && node.name() == name && nth-- == 0) {
                node.node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                settle();
                return;
            }
        ADD_FAILURE() << "no control " << name.toStdString() << " in the inspector";
    }
    // Whether the inspector shows this text (in a text item of its own).
    bool showsText(const QString& text) const { return hasText(inspector(), text); }
    bool waitFor(const std::function<bool()>& done, int timeoutMs = 15000) const
    {
        const bool ok = QTest::qWaitFor(done, timeoutMs);
        settle();
        return ok;
    }

  private:
    static bool hasText(QQuickItem* item, const QString& text)
    {
        if (!item || !item->isVisible())
            return false;
        if (item->property("text").toString() == text)
            return true;
        const auto children = item->childItems();
        return std::any_of(children.begin(), children.end(), [&](QQuickItem* child) { return hasText(child, text); });
    }
    static void collectControls(QQuickItem* item, std::vector<AccessibleNode>& out)
    {
        if (!item || !item->isVisible())
            return;
        static const std::set<Role> interactive{Role::Button, Role::CheckBox, Role::Slider, Role::EditableText,
                                                Role::RadioButton};
        if (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(item);
            node && interactive.contains(node->role()))
            out.push_back(AccessibleNode{node});
        for (QQuickItem* child : item->childItems())
            collectControls(child, out);
    }
};

CacheSubItem subItem(const Path& url, const std::string& name, std::vector<std::string> lines, bool selected)
{
    CacheSubItem item(name, "Rebuilt on the next visit", url, 4 * MiB, "Zero risk", "Checked: cache only", "3 days ago",
                      std::move(lines), selected);
    return item;
}

} // namespace

// ---------------------------------------------------------------- the five cases

TEST(Inspector, ACardListsEachCacheWithItsOwnCheckBoxPathAndFirstLines)
{
    InspectorWindow w;
    w.open();
    const Path profile = w.machine.root.mkdir("Users/demo/.cache/chromium/Default/Cache");
    const Path gpu = w.machine.root.mkdir("Users/demo/.cache/chromium/GPUCache");
    CacheSubItem profileCache =
        subItem(profile, safecache::chromeProfileItemName("Default", "Cache"), {"data_0", "data_1", "f_000a3c"}, true);
    profileCache.nameRef = safecache::chromeProfileItemNameRef("Default", "Cache");
    SafeCacheRuleCard browser = card("browser", {profileCache, subItem(gpu, "GPU 着色器缓存", {}, true)});
    browser.title = "浏览器与网页媒体缓存";
    EngineAccess::setRuleCards(w.scanner(), {browser});
    w.show(Workspace::OneClickSafe);

    // Names as the language has them, each with its check box, its path and its first lines.
    const QString profileName = "Chrome Profile [Default] Web Cache (Cache)";
    ASSERT_TRUE(w.find(Role::CheckBox, profileName).state().checked);
    EXPECT_TRUE(w.find(Role::Button, q(profile)));
    for (const char* line : {"data_0", "data_1", "f_000a3c"})
        EXPECT_TRUE(w.showsText(line)) << line;

    // The check box toggles that one cache in the engine; the inspector follows.
    w.pressInInspector(Role::CheckBox, profileName);
    const auto& items = w.scanner().results().ruleCards().at(0).subItems;
    EXPECT_FALSE(w.scanner().selection().isSelected(items[0]));
    EXPECT_TRUE(w.scanner().selection().isSelected(items[1]));
    EXPECT_FALSE(w.find(Role::CheckBox, profileName).state().checked);

    // The second cache's Finder shows exactly that folder.
    w.pressInInspector(Role::Button, "Show in Files", 1);
    EXPECT_EQ(w.workspace.revealed, std::vector<Path>{gpu});
}

TEST(Inspector, KeepThisInsteadSwapsTheRolesAndTheSelectionFollows)
{
    InspectorWindow w;
    w.open();
    // The copy kept instead has a name that is not UTF-8: the file manager is shown its bytes.
    const Path original = w.file("Documents/report.pdf");
    const Path copy = w.file("Downloads/report \xff.pdf");
    const Path other = w.file("Desktop/report.pdf");
    EngineAccess::setDuplicateGroups(w.scanner(), {group("g", {member(original, 1024, true, false, "report.pdf"),
                                                               member(copy, 1024, false, true, "report \xff.pdf"),
                                                               member(other, 1024, false, true, "report.pdf")})});
    w.view->showList(ShownList::DuplicateGroups);
    w.show(Workspace::DevAndDuplicates);
    ASSERT_EQ(w.view->inspector()->kind(), ShownList::DuplicateGroups);
    EXPECT_EQ(w.countInInspector(Role::Button, "Keep This Instead"), 2);

    w.pressInInspector(Role::Button, "Keep This Instead", 0); // the first redundant copy
    const DuplicateFileGroup& g = w.scanner().results().duplicateGroups().at(0);
    const SelectionState& selection = w.scanner().selection();
    EXPECT_TRUE(selection.isKept(g, g.members[1]));
    EXPECT_FALSE(selection.isMarkedForDelete(g, g.members[1]));
    EXPECT_FALSE(selection.isKept(g, g.members[0]));
    EXPECT_TRUE(selection.isMarkedForDelete(g, g.members[0]));
    EXPECT_TRUE(selection.isMarkedForDelete(g, g.members[2]));
    // The inspector shows the new roles: the kept copy has no button any more, the old original has.
    EXPECT_EQ(w.countInInspector(Role::Button, "Keep This Instead"), 2);
    EXPECT_EQ(w.view->inspector()->members()->data(w.view->inspector()->members()->index(0),
                                                   Qt::UserRole + 1 + DuplicateMemberListModel::RoleText),
              "Redundant Clone");

    // Each copy has its own Finder, which shows exactly that copy.
    w.pressInInspector(Role::Button, "Show in Files", 1);
    EXPECT_EQ(w.workspace.revealed, std::vector<Path>{copy});
}

TEST(Inspector, ALargeFileOpensAndRevealsItselfAndAnArtefactShowsHowToRebuildIt)
{
    InspectorWindow w;
    w.open();
    const Path archive = w.file("Downloads/backup.tar");
    Seeded<LargeFileItem> file = largeFile(archive, 30 * MiB, true, LargeFileCategory::installerArchive, "backup.tar");
    file.record.verificationBadge = "Not opened for 400 days";
    EngineAccess::setLargeFiles(w.scanner(), {file});
    const Path modules = w.machine.root.mkdir("Users/demo/code/site/node_modules");
    Seeded<ProjectBloatItem> artefact = bloat(modules, 80 * MiB, true, "site", "node_modules");
    artefact.record.rebuildCommand = "npm install";
    EngineAccess::setProjectBloats(w.scanner(), {artefact});

    w.show(Workspace::LargeMedia);
    EXPECT_TRUE(w.showsText("Installers & Archives"));
    EXPECT_TRUE(w.showsText("Not opened for 400 days"));
    w.pressInInspector(Role::Button, "Open File");
    w.pressInInspector(Role::Button, "Show in Files");
    EXPECT_EQ(w.workspace.opened, std::vector<Path>{archive});
    EXPECT_EQ(w.workspace.revealed, std::vector<Path>{archive});

    w.view->showList(ShownList::ProjectBloats);
    w.show(Workspace::DevAndDuplicates);
    EXPECT_TRUE(w.showsText("Git Source Code 100% Preserved"));
    EXPECT_TRUE(w.find(Role::EditableText, "Rebuild Command"));
    EXPECT_EQ(w.textOf("rebuildCommand"), "npm install");
}

TEST(Inspector, AnAppWithoutLeftoversShowsOnlyTheMessageAndItsBundle)
{
    InspectorWindow w;
    w.open();
    const Path lean = w.machine.root.mkdir("Applications/Lean.app");
    const Path messy = w.machine.root.mkdir("Applications/Messy.app");
    const Path prefs = w.machine.root.mkdir("Users/demo/.config/messy");
    const Path cache = w.machine.root.mkdir("Users/demo/.cache/messy");
    EngineAccess::setInstalledApps(w.scanner(), {app(lean, 5 * MiB, {}, 0, false, "Lean"),
                                                 app(messy, 5 * MiB, {prefs, cache}, 2 * MiB, true, "Messy")});
    w.show(Workspace::AppSlimming);

    ASSERT_EQ(w.view->inspector()->title(), "Lean");
    EXPECT_TRUE(w.isShown("noLeftovers"));
    EXPECT_EQ(w.countInInspector(Role::Button, "Show in Files"), 1);
    EXPECT_TRUE(w.find(Role::Button, q(lean)));

    w.view->inspectRow(1);
    w.settle();
    EXPECT_FALSE(w.isShown("noLeftovers"));
    EXPECT_EQ(w.countInInspector(Role::Button, "Show in Files"), 3);
    for (const Path& shown : {prefs, cache, messy})
        EXPECT_TRUE(w.find(Role::Button, q(shown))) << shown;
    w.pressInInspector(Role::Button, "Show in Files", 1);
    EXPECT_EQ(w.workspace.revealed, std::vector<Path>{cache});
}

TEST(Inspector, EveryControlOfEveryCaseIsNamedForScreenReaders)
{
    InspectorWindow w;
    w.open();
    if (!testmedia::canMakeVideos())
        GTEST_SKIP() << "gst-launch-1.0 is not installed (scripts/bootstrap installs it)";
    const Path clip = w.file("Movies/clip.mov", 0);
    ASSERT_TRUE(testmedia::writeVideo(clip, "red", "blue", 2));
    const Path folder = w.machine.root.mkdir("Users/demo/.cache/thing");
    EngineAccess::setRuleCards(w.scanner(), {card("c", {subItem(folder, "thing", {"a"}, true)})});
    EngineAccess::setProjectBloats(w.scanner(), {bloat(w.machine.root.mkdir("Users/demo/p/target"), MiB, true)});
    EngineAccess::setDuplicateGroups(
        w.scanner(), {group("g", {member(clip, 1, true, false), member(w.file("b.mov"), 1, false, true)})});
    EngineAccess::setLargeFiles(w.scanner(), {largeFile(clip, 30 * MiB, false, LargeFileCategory::videoMedia)});
    EngineAccess::setInstalledApps(w.scanner(),
                                   {app(w.machine.root.mkdir("Applications/A.app"), 1, {folder}, 1, true)});

    auto checkNamed = [&](const char* which, int atLeast) {
        const auto controls = w.inspectorControls();
        EXPECT_GE(int(controls.size()), atLeast) << which;
        for (const AccessibleNode& control : controls)
            EXPECT_FALSE(control.name().isEmpty()) << which << ": a control of role " << control.role();
    };
    w.show(Workspace::OneClickSafe);
    checkNamed("card", 3); // check box, path, Finder
    w.view->showList(ShownList::ProjectBloats);
    w.show(Workspace::DevAndDuplicates);
    checkNamed("artefact", 3); // path, Finder, rebuild command
    w.view->showList(ShownList::DuplicateGroups);
    w.settle();
    checkNamed("group", 10); // player (5), per copy path and Finder, Keep This Instead
    w.show(Workspace::LargeMedia);
    checkNamed("large file", 9); // player (5), Open File, Finder, path, Finder
    for (const char* name : {"Play", "Mute", "Full Screen"})
        EXPECT_TRUE(w.find(Role::Button, name)) << name;
    EXPECT_TRUE(w.find(Role::Slider, "Playback Position"));
    EXPECT_TRUE(w.find(Role::Slider, "Volume"));
    w.show(Workspace::AppSlimming);
    checkNamed("app", 4); // leftover and bundle: path and Finder each
}

// ---------------------------------------------------------------- the player and thumbnails

TEST(Inspector, AMovInCapitalsGetsThePlayerAndAnMkvAThumbnailOfAFrameALittleWayIn)
{
    InspectorWindow w;
    w.open();
    if (!testmedia::canMakeVideos())
        GTEST_SKIP() << "gst-launch-1.0 is not installed (scripts/bootstrap installs it)";
    const Path mov = w.file("Movies/Trip.MOV", 0);
    const Path mkv = w.file("Movies/talk.mkv", 0);
    ASSERT_TRUE(testmedia::writeVideo(mov, "red", "red"));
    ASSERT_TRUE(testmedia::writeVideo(mkv, "red", "blue"));
    EngineAccess::setLargeFiles(w.scanner(), {largeFile(mov, 40 * MiB, false, LargeFileCategory::videoMedia),
                                              largeFile(mkv, 30 * MiB, false, LargeFileCategory::videoMedia)});
    w.show(Workspace::LargeMedia);

    ASSERT_TRUE(w.view->mediaPlayer());
    EXPECT_EQ(w.view->mediaPlayer()->path(), mov);
    EXPECT_TRUE(w.isShown("livePlayerBadge"));
    EXPECT_TRUE(w.isShown("inlineVideo"));
    EXPECT_TRUE(w.find(Role::Button, "Play"));

    w.view->inspectRow(1);
    w.settle();
    EXPECT_FALSE(w.view->mediaPlayer());
    EXPECT_FALSE(w.isShown("livePlayerBadge"));
    ASSERT_TRUE(w.waitFor([&] { return w.view->inspector()->previewIsThumbnail(); }));
    EXPECT_TRUE(w.isShown("thumbnailPicture"));
    // A frame from after the first fifth of a second, which is red.
    EXPECT_TRUE(testmedia::alike(testmedia::middleColour(w.view->inspector()->previewImage()), Qt::blue))
        << testmedia::middleColour(w.view->inspector()->previewImage()).name().toStdString();
    EXPECT_EQ(w.view->inspector()->thumbnails().decodeCount(), 1); // the MOV's player needed no thumbnail
}

TEST(Inspector, LeavingAPlayingVideoForACardPausesAndReleasesThePlayer)
{
    InspectorWindow w;
    w.open();
    if (!testmedia::canMakeVideos())
        GTEST_SKIP() << "gst-launch-1.0 is not installed (scripts/bootstrap installs it)";
    const Path mov = w.file("Movies/long.mov", 0);
    ASSERT_TRUE(testmedia::writeVideo(mov, "red", "green", 20));
    EngineAccess::setLargeFiles(w.scanner(), {largeFile(mov, 40 * MiB, false, LargeFileCategory::videoMedia)});
    EngineAccess::setRuleCards(w.scanner(),
                               {card("c", {cacheItem(w.machine.root.mkdir("Users/demo/.cache/x"), 1, true)})});
    w.show(Workspace::LargeMedia);
    ASSERT_TRUE(w.view->mediaPlayer());
    QPointer<InlineMediaPlayer> player = w.view->mediaPlayer();
    EXPECT_EQ(PlaybackDecoder::alive(), 1);

    w.pressInInspector(Role::Button, "Play");
    ASSERT_TRUE(w.waitFor([&] { return player->playing() && player->position() > 0; }));
    EXPECT_TRUE(w.find(Role::Button, "Pause"));

    w.show(Workspace::OneClickSafe);
    EXPECT_FALSE(w.view->mediaPlayer());
    EXPECT_TRUE(!player || !player->playing()); // paused at once
    // Its decoder let go of the file on its own thread, and the player is gone.
    EXPECT_TRUE(w.waitFor([&] { return player.isNull() && PlaybackDecoder::alive() == 0; }, 5000));
}

TEST(Inspector, AMissingFileGetsItsIconAndAnUndecodableOneAMessageInTheFrame)
{
    InspectorWindow w;
    w.open();
    const Path gone = w.machine.root.at("Users/demo/Movies/gone.mp4");
    const Path broken = w.file("Movies/broken.mp4", 256 * 1024); // no video in it, only filler
    EngineAccess::setLargeFiles(w.scanner(), {largeFile(gone, 40 * MiB, false, LargeFileCategory::videoMedia),
                                              largeFile(broken, 30 * MiB, false, LargeFileCategory::videoMedia)});
    w.show(Workspace::LargeMedia);

    EXPECT_FALSE(w.view->mediaPlayer());
    EXPECT_TRUE(w.isShown("fileIcon"));
    EXPECT_FALSE(w.view->inspector()->previewImage().isNull());
    EXPECT_FALSE(w.view->inspector()->previewIsThumbnail());

    w.view->inspectRow(1);
    w.settle();
    ASSERT_TRUE(w.view->mediaPlayer());
    ASSERT_TRUE(w.waitFor([&] { return w.isShown("cannotPlay"); }));
    EXPECT_EQ(w.textOf("cannotPlay"), "This file can't be played here");
    EXPECT_FALSE(w.isShown("livePlayerBadge"));
    EXPECT_TRUE(w.isShown("fileIcon"));
    ASSERT_TRUE(w.shown("playPauseButton"));
    EXPECT_FALSE(w.shown("playPauseButton")->property("enabled").toBool());
}

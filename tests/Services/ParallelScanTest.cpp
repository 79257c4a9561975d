// The scan gives the same results, in the same order, with the same publishes, whether
// its folders are read one at a time or by many threads with its phases side by side.
#include "Platform/FaultInjection.h"
#include "Services/StorageEngine.h"
#include "support/EngineTestAccess.h"
#include "support/PlistWriter.h"
#include "support/RunProgram.h"
#include "support/ScopedWalkThreads.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

namespace {

// A home where every order and every count depends on walking it right: ties broken by
// discovery order, hard links that must count once, links that must not be followed,
// folders that cannot be read and names that are not UTF-8.
void buildMessyHome(const TempHome& home)
{
    const std::string copy(3 * MiB, 'c');
    const std::string other(3 * MiB, 'o');
    // Catalogue: nested rules, profile caches, ~/.cache entries.
    home.occupy("Library/Caches/Google/a", 2 * MiB);
    home.occupy("Library/Caches/Google/b", 1 * MiB);
    home.hardlink("Library/Caches/Google/a-again", "Library/Caches/Google/a/blob-000");
    home.occupy("Library/Caches/com.tool.id", 1 * MiB);
    home.occupy("Library/Application Support/Google/Chrome/Default/Cache/x", 4 * MiB);
    home.occupy("Library/Application Support/Google/Chrome/Profile 1/Code Cache/y", 4 * MiB);
    home.occupy(".cache/hf", 4 * MiB);
    home.occupy(".cache/tool-\xff", 4 * MiB);
    home.occupy(".cache/locked", 4 * MiB);
    home.symlink(".cache/linked", home.at("Documents"));
    // Artefacts of equal size; one more holds a second name of another's file, which
    // counts in its own tree.
    home.occupy("Desktop/projects/app/node_modules/m", 16 * MiB);
    home.occupy("Desktop/projects/bpp/node_modules/m", 16 * MiB);
    home.hardlink("Desktop/projects/bpp/node_modules/shared", "Desktop/projects/app/node_modules/m/blob-000");
    home.occupy("Documents/a/b/c/node_modules/m", 16 * MiB);
    home.occupy("Desktop/projects/locked/node_modules/m", 16 * MiB);
    for (const char* project : {"Desktop/projects/app", "Desktop/projects/bpp", "Documents/a/b/c"})
        home.setModifiedDaysAgo(project, 9.5);
    // Duplicates with paths of equal length, a hard link among them, a name not in UTF-8.
    home.fileWithContent("Desktop/d1/x.bin", copy);
    home.fileWithContent("Movies/dd2/x.bin", copy);
    home.fileWithContent("Documents/\xfe\xfe/x.bin", copy);
    home.hardlink("Documents/d3/x.bin", "Desktop/d1/x.bin");
    home.fileWithContent("Downloads/y.bin", other);
    home.fileWithContent("Documents/y.bin", other);
    home.fileWithContent("Documents/locked/y.bin", other);
    // Large files of one allocated size (and different lengths, so not copies of each
    // other), an installer of an installed application, links.
    home.allocatedFile("Downloads/Tool-2.zip", 26 * MiB);
    home.allocatedFile("Movies/clip.mov", 26 * MiB - 50);
    home.allocatedFile("Documents/\xff/model.bin", 26 * MiB - 100);
    home.allocatedFile("Documents/locked/big.iso", 40 * MiB);
    home.symlink("Documents/to-downloads", home.at("Downloads"));
    home.symlink("Documents/dangling", home.at("nowhere"));
    home.allocatedFile("Applications/Tool.app/Contents/MacOS/tool", 6 * MiB);
    home.fileWithContent("Applications/Tool.app/Contents/Info.plist",
                         plistfixture::xml({{"CFBundleIdentifier", "com.tool.id"}}));
}

struct ScanOutcome {
    Int64 trashBytes = 0;
    std::vector<SafeCacheRuleCard> cards;
    std::vector<ProjectBloatItem> bloats;
    std::vector<InstalledAppItem> apps;
    std::vector<SunburstSlice> slices;
    std::vector<LargeFileItem> largeFiles;
    std::vector<DuplicateFileGroup> groups;
    std::vector<std::string> publishes; // every change, in order, with the scalars' values
    bool operator==(const ScanOutcome&) const = default;
};

ScanOutcome scanWithThreads(const TempHome& home, int threads)
{
    ScopedWalkThreads pool(threads);
    // Three folders nobody may read, and one file whose attributes cannot be read.
    fault::ScopedHook unreadable([&home](fault::Op op, std::string_view path) {
        if (op == fault::Op::openDirectory &&
            (path == home.at("Documents/locked") || path == home.at(".cache/locked") ||
             path == home.at("Desktop/projects/locked")))
            return EACCES;
        return op == fault::Op::stat && path == home.at("Movies/clip.mov") ? EIO : 0;
    });
    StorageEngine scanner(testOptions(home.path()));
    ScanOutcome outcome;
    const auto noteOf = [&](const auto* sender, auto signal, std::function<std::string()> value) {
        QObject::connect(sender, signal, &scanner, [&outcome, value] { outcome.publishes.push_back(value()); });
    };
    const auto note = [&](auto signal, std::function<std::string()> value) { noteOf(&scanner, signal, value); };
    const auto noteResult = [&](auto signal, std::function<std::string()> value) {
        noteOf(&scanner.results(), signal, value);
    };
    noteResult(&ScanResults::overviewChanged, [] { return "overview"; });
    noteResult(&ScanResults::ruleCardsChanged, [] { return "ruleCards"; });
    noteResult(&ScanResults::projectBloatsChanged, [] { return "projectBloats"; });
    noteResult(&ScanResults::installedAppsChanged, [] { return "installedApps"; });
    noteResult(&ScanResults::sunburstSlicesChanged, [] { return "sunburstSlices"; });
    noteResult(&ScanResults::largeFilesChanged, [] { return "largeFiles"; });
    noteResult(&ScanResults::duplicateGroupsChanged, [] { return "duplicateGroups"; });
    note(&StorageEngine::isScanningChanged, [&] { return "isScanning " + std::to_string(scanner.isScanning()); });
    note(&StorageEngine::scanProgressChanged, [&] {
        std::ostringstream text;
        text << "scanProgress " << scanner.scanProgress();
        return text.str();
    });
    note(&StorageEngine::currentScanningPathChanged, [&] { return scanner.currentScanningPath(); });
    note(&StorageEngine::scanStatusTextChanged, [&] { return scanner.scanStatusText(); });

    scanner.startInstantScan();
    EXPECT_TRUE(waitForScan(scanner));
    outcome.trashBytes = scanner.results().overview().trashBytes;
    outcome.cards = scanner.results().ruleCards();
    outcome.bloats = scanner.results().projectBloats();
    outcome.apps = scanner.results().installedApps();
    outcome.slices = scanner.results().sunburstSlices();
    outcome.largeFiles = scanner.results().largeFiles();
    outcome.groups = scanner.results().duplicateGroups();
    return outcome;
}

} // namespace

TEST(ParallelScan, OneThreadAndManyGiveIdenticalResultsAndPublishes)
{
    TempHome home;
    buildMessyHome(home);
    const ScanOutcome serial = scanWithThreads(home, 1);

    // The home exercised what it was built for.
    ASSERT_EQ(serial.groups.size(), 2u);
    const auto& copies = serial.groups[0].members;
    ASSERT_EQ(copies.size(), 3u);                          // the hard link is the same file, not a fourth copy
    EXPECT_EQ(copies[0].url, home.at("Desktop/d1/x.bin")); // found before its equally long twin
    EXPECT_EQ(copies[1].url, home.at("Movies/dd2/x.bin"));
    ASSERT_EQ(serial.bloats.size(), 3u); // not the unreadable project
    EXPECT_EQ(serial.bloats[0].url, home.at("Desktop/projects/bpp/node_modules"));
    EXPECT_EQ(serial.bloats[1].url, home.at("Desktop/projects/app/node_modules")); // found first of two equals
    ASSERT_EQ(serial.largeFiles.size(), 2u); // neither the unreadable folder's file nor the unreadable clip
    EXPECT_EQ(serial.largeFiles[0].url, home.at("Downloads/Tool-2.zip"));
    EXPECT_EQ(serial.largeFiles[0].verificationBadge, "已核实：安装包冗余 · 推荐直删");
    ASSERT_EQ(serial.apps.size(), 1u);
    EXPECT_EQ(serial.publishes.back(), "已为您自动完成安全核实：勾选项目均可直接放心清理，无需逐一打开文件管理器核对");

    for (const int threads : {2, 16}) {
        const ScanOutcome parallel = scanWithThreads(home, threads);
        EXPECT_EQ(parallel.publishes, serial.publishes) << threads << " threads";
        EXPECT_EQ(parallel.cards, serial.cards) << threads << " threads";
        EXPECT_EQ(parallel.bloats, serial.bloats) << threads << " threads";
        EXPECT_EQ(parallel.largeFiles, serial.largeFiles) << threads << " threads";
        EXPECT_EQ(parallel.groups, serial.groups) << threads << " threads";
        EXPECT_TRUE(parallel == serial) << threads << " threads";
    }
}

// The same through the program: its JSON is the same apart from the volume's free space,
// which other programs change while the scans run.
TEST(ParallelScan, TheProgramPrintsTheSameReportWithOneThreadAndWithSixteen)
{
    TempHome home;
    buildMessyHome(home);
    const auto report = [&](const char* threads) {
        const auto run = runProgram({QUILLMERE_CLI_PATH, "scan", "--json", "--threads", threads, "--home", home.path(),
                                     "--applications", home.at("Applications")});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        std::istringstream lines(run.out);
        std::string kept, line;
        while (std::getline(lines, line))
            if (line.find("\"availableBytes\"") == std::string::npos &&
                line.find("\"usedBytes\"") == std::string::npos && line.find("\"usedRatio\"") == std::string::npos)
                kept += line + "\n";
        return kept;
    };
    const std::string serial = report("1");
    EXPECT_NE(serial.find("x.bin"), std::string::npos);
    EXPECT_EQ(report("16"), serial);
}

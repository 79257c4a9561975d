// quillmere-cli scan: the same instant scan as the window, printed whole.
#include "Cli/CliCommands.h"
#include "Cli/CliLanguage.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "L10n/MessageRenderer.h"
#include "L10n/QuillmereL10n.h"
#include "Models/DiskFormat.h"

#include <iostream>

namespace cli {

namespace {

Json scanReport(const StorageEngine& scanner)
{
    Json report;
    report["home"] = displayable(scanner.homePath());
    report["overview"] = toJson(scanner.results().overview());
    const SelectionState& selection = scanner.selection();
    report["ruleCards"] = toJson(scanner.results().ruleCards(), selection);
    report["projectBloats"] = toJson(scanner.results().projectBloats(), selection);
    report["installedApps"] = toJson(scanner.results().installedApps(), selection);
    report["sunburstSlices"] = toJson(scanner.results().sunburstSlices());
    report["largeFiles"] = toJson(scanner.results().largeFiles(), selection);
    report["duplicateGroups"] = toJson(scanner.results().duplicateGroups(), selection);
    Json totals;
    totals["totalScannedSafeBytes"] = scanner.results().totalScannedSafeBytes();
    totals["totalSelectedSafeBytes"] = scanner.selection().totalSelectedSafeBytes();
    totals["totalScannedBloatBytes"] = scanner.results().totalScannedBloatBytes();
    totals["totalSelectedBloatBytes"] = scanner.selection().totalSelectedBloatBytes();
    totals["totalScannedDuplicateBytes"] = scanner.results().totalScannedDuplicateBytes();
    totals["totalSelectedDuplicateBytes"] = scanner.selection().totalSelectedDuplicateBytes();
    totals["totalScannedLargeFileBytes"] = scanner.results().totalScannedLargeFileBytes();
    totals["totalSelectedLargeFileBytes"] = scanner.selection().totalSelectedLargeFileBytes();
    totals["totalScannedAppOrphanBytes"] = scanner.results().totalScannedAppOrphanBytes();
    totals["totalSelectedAppOrphanBytes"] = scanner.selection().totalSelectedAppOrphanBytes();
    totals["totalSelectedUninstallBytes"] = scanner.selection().totalSelectedUninstallBytes();
    totals["totalMasterSmartCleanBytes"] = scanner.selection().totalMasterSmartCleanBytes();
    totals["grandTotalDiscoverableBytes"] = scanner.results().grandTotalDiscoverableBytes();
    report["totals"] = totals;
    report["currentScanningPath"] = scanner.currentScanningPath();
    report["scanStatusText"] = scanner.scanStatusText();
    return report;
}

// The readable report says the cards' and items' texts in the chosen language; JSON keeps
// the engine's words for scripts.
void localizeForReading(Json& report, const ScanResults& results)
{
    const AppLanguage lang = language();
    const std::vector<SafeCacheRuleCard>& cards = results.ruleCards();
    Json& shownCards = report["ruleCards"];
    for (std::size_t c = 0; c < cards.size() && c < shownCards.size(); ++c) {
        const SafeCacheRuleCard& card = cards[c];
        Json& shown = shownCards[c];
        shown["category"] = renderCardCategory(card.category, lang);
        shown["title"] = renderMessageOr(card.titleRef, card.title, lang);
        shown["subtitle"] = renderMessageOr(card.subtitleRef, card.subtitle, lang);
        shown["protectionPromise"] = renderMessageOr(card.promiseRef, card.protectionPromise, lang);
        Json& shownItems = shown["subItems"];
        for (std::size_t i = 0; i < card.subItems.size() && i < shownItems.size(); ++i) {
            const CacheSubItem& item = card.subItems[i];
            Json& row = shownItems[i];
            // Names are shown as the JSON shows them (undecodable bytes escaped); a message
            // carries the same pieces as arguments.
            row["name"] = displayable(renderMessageOr(item.nameRef, item.name, lang));
            row["note"] = displayable(renderMessageOr(item.noteRef, item.note, lang));
            row["safetyLevel"] = displayable(renderMessageOr(item.safetyLevelRef, item.safetyLevel, lang));
            row["verificationDetail"] =
                displayable(renderMessageOr(item.verificationDetailRef, item.verificationDetail, lang));
            row["lastModifiedText"] = displayable(renderMessageOr(item.lastModifiedRef, item.lastModifiedText, lang));
        }
    }
    const auto& bloats = results.projectBloats();
    for (std::size_t i = 0; i < bloats.size() && i < report["projectBloats"].size(); ++i) {
        Json& row = report["projectBloats"][i];
        row["verificationBadge"] = displayable(renderMessageOr(bloats[i].badgeRef, bloats[i].verificationBadge, lang));
        row["verificationReason"] =
            displayable(renderMessageOr(bloats[i].reasonRef, bloats[i].verificationReason, lang));
    }
    const auto& files = results.largeFiles();
    for (std::size_t i = 0; i < files.size() && i < report["largeFiles"].size(); ++i) {
        Json& row = report["largeFiles"][i];
        const std::string category(categoryNameTable(files[i].category)(lang));
        row["category"] = category;
        row["categoryTag"] = category;
        row["displayPath"] = displayable(renderMessageOr(files[i].displayPathRef, files[i].displayPath, lang));
        row["verificationBadge"] = displayable(renderMessageOr(files[i].badgeRef, files[i].verificationBadge, lang));
        row["verificationReason"] = displayable(renderMessageOr(files[i].reasonRef, files[i].verificationReason, lang));
    }
    const auto& groups = results.duplicateGroups();
    for (std::size_t i = 0; i < groups.size() && i < report["duplicateGroups"].size(); ++i)
        report["duplicateGroups"][i]["hashSummary"] =
            displayable(renderMessageOr(groups[i].hashSummaryRef, groups[i].hashSummary, lang));
    const auto& apps = results.installedApps();
    for (std::size_t i = 0; i < apps.size() && i < report["installedApps"].size(); ++i) {
        Json& row = report["installedApps"][i];
        for (std::size_t r = 0; row.contains("orphanRules") && r < row["orphanRules"].size(); ++r)
            row["orphanRules"][r] = displayable(renderLeftoverRule(apps[i].orphanRules[r], lang));
        for (std::size_t d = 0; row.contains("dataFolders") && d < row["dataFolders"].size(); ++d)
            row["dataFolders"][d]["rule"] = displayable(renderLeftoverRule(apps[i].dataFolders[d].rule, lang));
    }
    // The last two lines of a finished scan.
    report["currentScanningPath"] =
        renderMessageOr({"scan.done.summary", {DiskFormat::bytes(results.grandTotalDiscoverableBytes())}},
                        report["currentScanningPath"].get<std::string>(), lang);
    report["scanStatusText"] =
        renderMessageOr({"scan.done.note", {}}, report["scanStatusText"].get<std::string>(), lang);
    // A chart slice stands for the card of the same id and carries its title.
    for (Json& slice : report["sunburstSlices"])
        for (const SafeCacheRuleCard& card : cards)
            if (slice["id"] == card.id)
                slice["label"] = renderMessageOr(card.titleRef, card.title, lang);
}

} // namespace

int runScan(const Arguments& args)
{
    ArgumentReader reader(args);
    const StorageEngine::Options options = readEngineOptions(reader);
    const bool json = reader.flag("--json");
    reader.expectNothingLeft();
    if (!reader.ok())
        return reader.usage();

    StorageEngine scanner(options);
    runScanToCompletion(scanner);
    Json report = scanReport(scanner);
    if (!json)
        localizeForReading(report, scanner.results());
    printDocument(report, json);
    return 0;
}

} // namespace cli

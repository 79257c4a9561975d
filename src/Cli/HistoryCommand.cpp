// quillmere-cli history and restore: the history of every clean of this home, kept on
// disk by whichever process cleaned, and putting items back from the Trash with the
// same restore as the window (nothing that now stands in the way is lost).
#include "Cli/CliCommands.h"
#include "Cli/CliText.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "Models/DiskFormat.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace cli {

namespace {

enum class RecordState { restorable, restored, gone };

constexpr std::string_view stateName(RecordState state)
{
    switch (state) {
    case RecordState::restorable:
        return "restorable";
    case RecordState::restored:
        return "restored";
    case RecordState::gone:
        return "gone";
    }
    return "";
}

// The history as people read it: the newest clean first, each clean's items in the
// order it handled them.
std::vector<LoggedClean> newestCleanFirst(const std::vector<LoggedClean>& history)
{
    std::vector<std::string> cleans; // oldest first
    for (const auto& logged : history)
        if (std::find(cleans.begin(), cleans.end(), logged.record.cleanID) == cleans.end())
            cleans.push_back(logged.record.cleanID);
    std::vector<LoggedClean> ordered;
    for (auto clean = cleans.rbegin(); clean != cleans.rend(); ++clean)
        for (const auto& logged : history)
            if (logged.record.cleanID == *clean)
                ordered.push_back(logged);
    return ordered;
}

// Reads the history; prints why not and returns nullopt when it cannot be read.
std::optional<std::vector<LoggedClean>> readHistory(const StorageEngine& scanner)
{
    auto history = scanner.cleaner().persistedCleanHistory();
    if (!history) {
        std::cerr << "quillmere-cli: "
                  << say("cli.history.unreadable",
                         {displayable(scanner.cleaner().cleanHistoryPath()), refusal(history.error())})
                  << "\n";
        return std::nullopt;
    }
    return std::move(history).asOptional();
}

std::string resultText(HistoryRestoreResult result)
{
    switch (result) {
    case HistoryRestoreResult::restored:
        return say("cli.restore.restored");
    case HistoryRestoreResult::partlyRestored:
        return say("cli.restore.partlyRestored");
    case HistoryRestoreResult::gone:
        return say("cli.restore.gone");
    case HistoryRestoreResult::alreadyRestored:
        return say("cli.restore.alreadyRestored");
    case HistoryRestoreResult::unknown:
        return say("cli.restore.unknown");
    case HistoryRestoreResult::failed:
        return say("cli.restore.failed");
    }
    return "";
}

// The ids a restore asks for, in undo order: the newest move first, so that of two
// records for one path the older comes back last, and an item cleaned before the folder
// holding it goes back into that folder once it is back.
std::vector<std::string> idsToRestore(const std::vector<LoggedClean>& history, const Arguments& ids, bool last,
                                      bool all)
{
    std::vector<std::string> chosen;
    const std::string lastClean = history.empty() ? "" : history.back().record.cleanID;
    for (auto logged = history.rbegin(); logged != history.rend(); ++logged) {
        const CleanHistoryRecord& record = logged->record;
        if ((all && !logged->restored) || (last && record.cleanID == lastClean) ||
            std::find(ids.begin(), ids.end(), record.id) != ids.end())
            chosen.push_back(record.id);
    }
    for (const auto& id : ids) // unknown ones, to be reported as such
        if (std::find(chosen.begin(), chosen.end(), id) == chosen.end())
            chosen.push_back(id);
    return chosen;
}

} // namespace

int runHistory(const Arguments& args)
{
    ArgumentReader reader(args);
    const StorageEngine::Options options = readEngineOptions(reader);
    const bool json = reader.flag("--json");
    reader.expectNothingLeft();
    if (!reader.ok())
        return reader.usage();

    const StorageEngine scanner(options);
    const auto history = readHistory(scanner);
    if (!history)
        return 1;
    Json list = Json::array();
    for (const auto& logged : newestCleanFirst(*history)) {
        const RecordState state = logged.restored                                   ? RecordState::restored
                                  : scanner.cleaner().isStillInTrash(logged.record) ? RecordState::restorable
                                                                                    : RecordState::gone;
        Json entry = toJson(logged.record);
        entry["clean"] = displayable(logged.record.cleanID);
        entry["state"] = std::string(stateName(state));
        list.push_back(std::move(entry));
        if (!json)
            std::cout << stateName(state) << "\t" << displayable(logged.record.id) << "\t"
                      << isoDate(logged.record.cleanedAt) << "\t" << DiskFormat::bytes(logged.record.sizeBytes) << "\t"
                      << displayable(logged.record.originalPath) << "\n";
    }
    if (json)
        std::cout << list.dump(2) << "\n";
    else if (list.empty())
        std::cout << say("history.empty") << "\n";
    return 0;
}

int runRestore(const Arguments& args)
{
    ArgumentReader reader(args);
    const StorageEngine::Options options = readEngineOptions(reader);
    const bool last = reader.flag("--last");
    const bool all = reader.flag("--all");
    const Arguments ids = reader.rest();
    for (const auto& id : ids)
        if (id.empty() || id.front() == '-')
            reader.fail(say("cli.error.badRecordId", {id}));
    if (reader.ok() && int(last) + int(all) + int(!ids.empty()) != 1)
        reader.fail(say("cli.error.restoreTakesOne"));
    if (!reader.ok())
        return reader.usage();

    StorageEngine scanner(options);
    const auto history = readHistory(scanner);
    if (!history)
        return 1;
    const std::vector<std::string> chosen = idsToRestore(*history, ids, last, all);
    if (chosen.empty()) {
        std::cout << say("cli.restore.nothing") << "\n";
        return 0;
    }
    const auto outcomes = scanner.cleaner().restoreFromHistory(chosen);
    if (!outcomes && outcomes.error() == EWOULDBLOCK) {
        std::cerr << "quillmere-cli: " << say("cli.restore.anotherRunning") << "\n";
        return 1;
    }
    if (!outcomes) {
        // The lock or the history refused; both are named with the reason.
        std::cerr << "quillmere-cli: "
                  << say("cli.restore.refused",
                         {displayable(CleanRunner::cleanLockPath()), displayable(scanner.cleaner().cleanHistoryPath()),
                          refusal(outcomes.error())})
                  << "\n";
        return 1;
    }
    int restored = 0;
    Int64 restoredBytes = 0;
    for (const auto& outcome : *outcomes) {
        const std::string what = outcome.record ? displayable(outcome.record->originalPath) : displayable(outcome.id);
        std::cout << "  " << resultText(outcome.result) << "\t" << what << "\n";
        // What stood in the way is in the Trash now, restorable by its own id.
        for (const auto& aside : outcome.movedAside)
            std::cout << "  " << say("cli.restore.movedAside") << "\t" << displayable(aside.originalPath) << " -> "
                      << displayable(aside.trashedPath) << "\t"
                      << say("cli.restore.asideRecord", {displayable(aside.id)}) << "\n";
        if (outcome.result == HistoryRestoreResult::restored) {
            ++restored;
            restoredBytes += outcome.record->sizeBytes;
        }
    }
    std::cout << sayCount("cli.restore.total", std::int64_t(outcomes->size()),
                          {std::to_string(restored), DiskFormat::bytes(restoredBytes)})
              << "\n";
    return restored == int(outcomes->size()) ? 0 : 1;
}

} // namespace cli

#pragma once
// What a clean or restore says about itself, by message id: the banner after it, the names
// and labels of the records it keeps. The Simplified Chinese of these messages is the
// engine's own wording, so the banner text and the history files read as they always did.

#include "Models/Basics.h"
#include "Models/TextRef.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace CleanTexts {

// The parts of a clean's banner, in order. `deleted` of the cleaned items went for good,
// `trashed` into the Trash: a clean that deleted and put nothing into the Trash says so
// instead of "safely"; a mixed one names the count.
struct CleanOutcome {
    int cleaned = 0;
    Int64 freedBytes = 0;
    int skipped = 0;
    std::string label = {};
    int deleted = 0;
    std::size_t trashed = 0;
    std::optional<Int64> measuredBytes = std::nullopt; // what the volume says it freed
    Int64 estimatedBytes = 0;                          // the estimate beside it
    bool freedLessThanEstimated = false;
};
std::vector<TextRef> cleanBanner(const CleanOutcome& outcome);

std::vector<TextRef> anotherCleanRunning();
// `name` is the record's own name, `nameRef` the same by id (empty when it has none).
std::vector<TextRef> restoredOne(std::string_view name, const TextRef& nameRef, std::string_view intoFolder);
std::vector<TextRef> restoredAll(int count, Int64 bytes);

// The banner as the engine writes it (Simplified Chinese).
std::string engineText(const std::vector<TextRef>& parts);

// The names of an app's parts a clean takes.
TextRef appLeftoversName(std::string_view app);
TextRef appDataName(std::string_view app);
TextRef appLaunchersName(std::string_view app);

// The label of each kind of clean, and a record's label by id (empty: a label of no clean).
TextRef cleanLabel(std::string_view labelId);
TextRef cleanLabelRef(std::string_view label);

// Every text above in the engine's words, for holding the catalogue to them.
std::span<const EngineText> allTexts();

} // namespace CleanTexts

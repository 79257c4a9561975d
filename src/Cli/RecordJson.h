#pragma once
// Every record as JSON, keys named after the record fields. Paths and texts are
// written as UTF-8; bytes that are not valid UTF-8, and control characters, appear as
// the four characters \xNN.

#include "Models/ByteEscape.h"
#include "Models/IsoDate.h"
#include "Models/StorageModels.h"
#include "Services/SelectionState.h"

#include <nlohmann/json.hpp>

namespace cli {

using Json = nlohmann::ordered_json;

inline std::string displayable(std::string_view bytes) { return escapedBytes(bytes); }

Json toJson(const DiskOverview& overview);
Json toJson(const SunburstSlice& slice);
Json toJson(const CleanHistoryRecord& record);
// Records that can be selected, with their selection.
Json toJson(const CacheSubItem& item, const SelectionState& selection);
Json toJson(const SafeCacheRuleCard& card, const SelectionState& selection);
Json toJson(const ProjectBloatItem& item, const SelectionState& selection);
Json toJson(const DuplicateFileGroup& group, const SelectionState& selection);
Json toJson(const LargeFileItem& item, const SelectionState& selection);
Json toJson(const InstalledAppItem& app, const SelectionState& selection);

template <typename T, typename... Selection> Json toJson(const std::vector<T>& list, const Selection&... selection)
{
    auto out = Json::array();
    for (const auto& element : list)
        out.push_back(toJson(element, selection...));
    return out;
}

// A readable, indented rendering of the same document for people.
void printReadable(std::ostream& out, const Json& value, int indent = 0);
// Prints the document to standard output as JSON or in the readable form.
void printDocument(const Json& value, bool asJson);

} // namespace cli

#pragma once
// Every record as JSON, keys named after the record fields. Paths and texts are
// written as UTF-8; bytes that are not valid UTF-8, and control characters, appear as
// the four characters \xNN.

#include "Models/ByteEscape.h"
#include "Models/IsoDate.h"
#include "Models/StorageModels.h"

#include <nlohmann/json.hpp>

namespace cli {

using Json = nlohmann::ordered_json;

inline std::string displayable(std::string_view bytes) { return escapedBytes(bytes); }

Json toJson(const DiskOverview& overview);
Json toJson(const CacheSubItem& item);
Json toJson(const SafeCacheRuleCard& card);
Json toJson(const ProjectBloatItem& item);
Json toJson(const DuplicateFileMember& member);
Json toJson(const DuplicateFileGroup& group);
Json toJson(const LargeFileItem& item);
Json toJson(const SunburstSlice& slice);
Json toJson(const InstalledAppItem& app);
Json toJson(const CleanHistoryRecord& record);

template <typename T> Json toJson(const std::vector<T>& list)
{
    auto out = Json::array();
    for (const auto& element : list)
        out.push_back(toJson(element));
    return out;
}

// A readable, indented rendering of the same document for people.
void printReadable(std::ostream& out, const Json& value, int indent = 0);
// Prints the document to standard output as JSON or in the readable form.
void printDocument(const Json& value, bool asJson);

} // namespace cli

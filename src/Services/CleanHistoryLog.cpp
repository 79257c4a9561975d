#include "Services/CleanHistoryLog.h"

#include "Models/ByteEscape.h"
#include "Models/IsoDate.h"
#include "Models/Paths.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <unordered_map>

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFileName = "history.jsonl";

constexpr std::pair<FileStamp::Kind, const char*> kKindNames[] = {
    {FileStamp::Kind::file, "file"},
    {FileStamp::Kind::folder, "folder"},
    {FileStamp::Kind::link, "link"},
    {FileStamp::Kind::other, "other"},
};

Json stampJson(const FileStamp& stamp)
{
    const char* kind = "other";
    for (const auto& [value, name] : kKindNames)
        if (value == stamp.kind)
            kind = name;
    return {{"device", stamp.device},
            {"inode", stamp.inode},
            {"kind", kind},
            {"size", stamp.sizeBytes},
            {"modified", stamp.modifiedNanoseconds}};
}

std::optional<FileStamp> stampFrom(const Json& json)
{
    if (!json.is_object() || !json.contains("device") || !json.contains("inode") || !json.contains("kind"))
        return std::nullopt;
    const Json& device = json["device"];
    const Json& inode = json["inode"];
    const Json& kind = json["kind"];
    if (!device.is_number_unsigned() || !inode.is_number_unsigned() || !kind.is_string())
        return std::nullopt;
    FileStamp stamp;
    stamp.device = device.get<std::uint64_t>();
    stamp.inode = inode.get<std::uint64_t>();
    const auto size = json.find("size");
    const auto modified = json.find("modified");
    if (size == json.end() || !size->is_number_integer() || modified == json.end() || !modified->is_number_integer())
        return std::nullopt;
    stamp.sizeBytes = size->get<std::int64_t>();
    stamp.modifiedNanoseconds = modified->get<std::int64_t>();
    for (const auto& [value, name] : kKindNames) {
        if (kind.get<std::string>() == name) {
            stamp.kind = value;
            return stamp;
        }
    }
    return std::nullopt;
}

// A text field written with escapedBytes, as the bytes it stands for.
std::optional<std::string> bytesField(const Json& line, const char* key)
{
    const auto found = line.find(key);
    if (found == line.end() || !found->is_string())
        return std::nullopt;
    return unescapedBytes(found->get<std::string>());
}

// A name by message id; anything unreadable leaves the record with its own text only.
TextRef textRefFrom(const Json& line)
{
    const auto found = line.find("nameRef");
    if (found == line.end() || !found->is_object())
        return {};
    const auto id = bytesField(*found, "id");
    const auto args = found->find("args");
    if (!id || id->empty() || args == found->end() || !args->is_array())
        return {};
    TextRef ref{*id, {}};
    for (const auto& arg : *args) {
        auto bytes = arg.is_string() ? unescapedBytes(arg.get<std::string>()) : std::nullopt;
        if (!bytes)
            return {};
        ref.args.push_back(*std::move(bytes));
    }
    return ref;
}

std::optional<CleanHistoryRecord> recordFrom(const Json& line)
{
    CleanHistoryRecord record;
    const auto id = bytesField(line, "id");
    const auto clean = bytesField(line, "clean");
    const auto name = bytesField(line, "name");
    const auto original = bytesField(line, "originalURL");
    const auto trashed = bytesField(line, "trashedURL");
    const auto cleanedAt = bytesField(line, "cleanedAt");
    const auto label = bytesField(line, "categoryLabel");
    const auto size = line.find("sizeBytes");
    if (!id || id->empty() || !clean || !name || !original || !trashed || !cleanedAt || !label || size == line.end() ||
        !size->is_number_integer())
        return std::nullopt;
    const auto date = parseIsoDate(*cleanedAt);
    // Only absolute paths: anything else would be taken relative to wherever we run.
    if (!date || original->empty() || (*original)[0] != '/' || trashed->empty() || (*trashed)[0] != '/')
        return std::nullopt;
    record.id = *id;
    record.cleanID = *clean;
    record.name = *name;
    record.originalPath = *original;
    record.trashedPath = *trashed;
    record.sizeBytes = size->get<Int64>();
    record.cleanedAt = *date;
    record.categoryLabel = *label;
    record.nameRef = textRefFrom(line);
    if (const auto entry = line.find("trashedEntry"); entry != line.end()) {
        record.trashedEntry = stampFrom(*entry);
        if (!record.trashedEntry)
            return std::nullopt; // without it, another object under the name could be taken
    }
    return record;
}

} // namespace

CleanHistoryLog CleanHistoryLog::forHome(const Path& home) { return CleanHistoryLog(userStateFolder(home)); }

std::string CleanHistoryLog::path() const { return paths::join(folder_.path(), kFileName); }

std::string CleanHistoryLog::recordLine(const CleanHistoryRecord& record)
{
    Json line = {{"id", escapedBytes(record.id)},
                 {"clean", escapedBytes(record.cleanID)},
                 {"name", escapedBytes(record.name)},
                 {"originalURL", escapedBytes(record.originalPath)},
                 {"trashedURL", escapedBytes(record.trashedPath)},
                 {"sizeBytes", record.sizeBytes},
                 {"cleanedAt", isoDateMilliseconds(record.cleanedAt)},
                 {"categoryLabel", escapedBytes(record.categoryLabel)}};
    if (record.trashedEntry)
        line["trashedEntry"] = stampJson(*record.trashedEntry);
    if (!record.nameRef.empty()) {
        Json args = Json::array();
        for (const auto& arg : record.nameRef.args)
            args.push_back(escapedBytes(arg));
        line["nameRef"] = {{"id", escapedBytes(record.nameRef.id)}, {"args", std::move(args)}};
    }
    return line.dump();
}

std::string CleanHistoryLog::restoredLine(const std::string& id, Date restoredAt)
{
    return Json{{"restored", escapedBytes(id)}, {"at", isoDateMilliseconds(restoredAt)}}.dump();
}

std::string CleanHistoryLog::cleanStartedLine(const std::string& cleanID, Date startedAt)
{
    return Json{{"cleanStarted", escapedBytes(cleanID)}, {"at", isoDateMilliseconds(startedAt)}}.dump();
}

Result<std::vector<LoggedClean>> CleanHistoryLog::read() const
{
    auto file = AppendOnlyFile::open(folder_, kFileName, false);
    if (!file && file.error() == ENOENT)
        return std::vector<LoggedClean>{};
    if (!file)
        return file.status();
    const auto lines = file->finishedLines();
    if (!lines)
        return lines.status();
    std::vector<LoggedClean> history;
    std::unordered_map<std::string, std::size_t> byID;
    for (const auto& text : *lines) {
        const Json line = Json::parse(text, nullptr, false);
        if (!line.is_object())
            continue;
        if (const auto restored = bytesField(line, "restored")) {
            if (const auto found = byID.find(*restored); found != byID.end())
                history[found->second].restored = true;
        } else if (auto record = recordFrom(line); record && !byID.contains(record->id)) {
            byID.emplace(record->id, history.size());
            history.push_back({std::move(*record), false});
        }
    }
    return history;
}

Result<std::set<std::string>> CleanHistoryLog::trashEntriesInUse(const Path& homeTrashFiles) const
{
    std::set<std::string> names;
    auto history = read();
    if (!history)
        return history.status();
    for (const auto& logged : *history)
        if (!logged.restored && paths::parent(logged.record.trashedPath) == homeTrashFiles)
            names.insert(paths::lastComponent(logged.record.trashedPath));
    return names;
}

Result<AppendOnlyFile> CleanHistoryLog::openForAppending() const
{
    return AppendOnlyFile::open(folder_, kFileName, true);
}

Status CleanHistoryLog::append(AppendOnlyFile& file, const std::vector<CleanHistoryRecord>& records)
{
    std::string lines;
    for (const auto& record : records)
        lines += recordLine(record) + "\n";
    return lines.empty() ? Status() : file.append(lines);
}

Status CleanHistoryLog::appendLines(const std::string& lines) const
{
    if (lines.empty())
        return {};
    auto file = openForAppending();
    if (!file)
        return file.status();
    if (const Status appended = file->append(lines); !appended)
        return appended;
    return file->sync();
}

Status CleanHistoryLog::appendRestored(const std::vector<std::string>& ids) const
{
    const Date now = std::chrono::system_clock::now();
    std::string lines;
    for (const auto& id : ids)
        lines += restoredLine(id, now) + "\n";
    return appendLines(lines);
}

std::string CleanHistoryLog::mergedLine(const std::string& cleanID, const Path& copy, const Path& original, Int64 bytes,
                                        Date mergedAt)
{
    return Json{{"mergedInPlace", escapedBytes(copy)}, {"original", escapedBytes(original)},
                {"clean", escapedBytes(cleanID)},      {"sizeBytes", bytes},
                {"at", isoDateMilliseconds(mergedAt)}, {"restorable", false}}
        .dump();
}

Status CleanHistoryLog::appendLinesOf(const std::vector<std::string>& lines) const
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return appendLines(text);
}

Status CleanHistoryLog::appendRecords(const std::vector<CleanHistoryRecord>& records) const
{
    std::string lines;
    for (const auto& record : records)
        lines += recordLine(record) + "\n";
    return appendLines(lines);
}

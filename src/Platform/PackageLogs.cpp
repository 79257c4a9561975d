#include "Platform/PackageLogs.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"

#include <zlib.h>

namespace {

constexpr std::size_t kMostPackedBytes = 64u << 20;
constexpr std::size_t kMostLogBytes = 256u << 20;

bool isDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void noteRemoval(std::string_view package, std::string_view day, RemovalDays& days)
{
    package = package.substr(0, package.find(':'));
    if (package.empty() || !isDay(day))
        return;
    const auto [at, fresh] = days.try_emplace(std::string(package), day);
    if (!fresh && at->second < day)
        at->second = std::string(day);
}

std::string_view nthField(std::string_view line, int n)
{
    std::string_view field;
    for (int i = 0; i <= n; ++i) {
        line = line.substr(std::min(line.find_first_not_of(' '), line.size()));
        const auto end = std::min(line.find(' '), line.size());
        field = line.substr(0, end);
        line.remove_prefix(end);
    }
    return field;
}

} // namespace

// "2026-03-04 10:23:45 remove vlc:amd64 3.0.20-1 <none>"
void addDpkgLogRemovals(std::string_view content, RemovalDays& days)
{
    text::forEachLine(content, [&](std::string_view line) {
        const std::string_view action = nthField(line, 2);
        if (action == "remove" || action == "purge")
            noteRemoval(nthField(line, 3), nthField(line, 0), days);
    });
}

// Start-Date: 2026-03-04  10:23:40
// Remove: vlc:amd64 (3.0.20-1), vlc-bin:amd64 (3.0.20-1, automatic)
void addAptHistoryRemovals(std::string_view content, RemovalDays& days)
{
    std::string_view day;
    text::forEachLine(content, [&](std::string_view line) {
        if (line.starts_with("Start-Date:")) {
            day = nthField(line, 1);
            return;
        }
        std::string_view list;
        if (line.starts_with("Remove:"))
            list = line.substr(7);
        else if (line.starts_with("Purge:"))
            list = line.substr(6);
        else
            return;
        // Versions sit in parentheses and may hold ", automatic": split after each ')'.
        while (!list.empty()) {
            const auto close = list.find(')');
            const std::string_view entry = list.substr(0, close);
            noteRemoval(text::trimmed(entry.substr(0, entry.find('('))), day, days);
            if (close == std::string_view::npos)
                break;
            list.remove_prefix(close + 1);
            list = list.substr(std::min(list.find_first_not_of(", "), list.size()));
        }
    });
}

std::optional<std::string> gunzip(std::string_view packed, std::size_t maxBytes)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    std::string out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (out.size() >= maxBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        const std::size_t used = out.size();
        out.resize(std::min(maxBytes, used + (256u << 10)));
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        stream.avail_out = static_cast<uInt>(out.size() - used);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(out.size() - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break; // truncated
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

RemovalDays readRemovalDays(HomeReader& reader, const Path& logFolder)
{
    RemovalDays days;
    if (logFolder.empty())
        return days;
    const auto read = [&](const Path& file) -> std::optional<std::string> {
        auto content = reader.readSmallFile(file, file.ends_with(".gz") ? kMostPackedBytes : kMostLogBytes);
        if (!content)
            return std::nullopt;
        if (!file.ends_with(".gz"))
            return *std::move(content);
        return gunzip(*content, kMostLogBytes);
    };
    const auto readAll = [&](const Path& folder, std::string_view stem, auto add) {
        auto files = reader.list(folder);
        if (!files)
            return;
        for (const auto& file : *files)
            if (file.kind == DirectoryWalker::Kind::regular && file.name.starts_with(stem))
                if (auto content = read(paths::join(folder, file.name)))
                    add(*content, days);
    };
    readAll(logFolder, "dpkg.log", addDpkgLogRemovals);
    readAll(paths::join(logFolder, "apt"), "history.log", addAptHistoryRemovals);
    return days;
}

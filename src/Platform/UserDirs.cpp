#include "Platform/UserDirs.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"
#include "Platform/HomeReader.h"
#include "Platform/XdgBaseDirs.h"

#include <optional>

namespace userdirs {
namespace {

constexpr std::size_t kMaxFileBytes = 64 * 1024; // a handful of lines; anything larger is not ours

bool isNameByte(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// The value between the quotes with escapes removed; nullopt without a closing quote.
std::optional<std::string> unquote(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            return out;
        if (c == '\\' && i + 1 < text.size())
            c = text[++i];
        out.push_back(c);
    }
    return std::nullopt;
}

struct Line {
    std::string name;
    std::optional<std::string> path; // none: switched off, or a place we may not walk
};

std::optional<Line> parseLine(std::string_view line, const std::string& home)
{
    line = text::trimmed(line);
    if (!line.starts_with("XDG_"))
        return std::nullopt; // comments and anything else
    line.remove_prefix(4);
    std::size_t nameEnd = 0;
    while (nameEnd < line.size() && isNameByte(line[nameEnd]))
        ++nameEnd;
    std::string_view name = line.substr(0, nameEnd);
    if (!name.ends_with("_DIR") || name.size() == 4)
        return std::nullopt;
    name.remove_suffix(4);
    line.remove_prefix(nameEnd);
    line = text::trimmed(line);
    if (!line.starts_with('='))
        return std::nullopt;
    line.remove_prefix(1);
    line = text::trimmed(line);
    if (!line.starts_with('"'))
        return std::nullopt;
    line.remove_prefix(1);

    // "$HOME" must be followed by a slash or by the closing quote: "$HOMEX" is no known form.
    std::string prefix;
    if (line.starts_with("$HOME")) {
        line.remove_prefix(5);
        if (!line.starts_with('/') && !line.starts_with('"'))
            return std::nullopt;
        prefix = home;
    } else if (!line.starts_with('/')) {
        return std::nullopt;
    }
    const auto value = unquote(line);
    if (!value || value->find('\0') != std::string::npos)
        return std::nullopt;
    std::string path = prefix + *value;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    // "$HOME" alone (the folder is switched off) and places outside the home are refused here.
    return Line{std::string(name), pathStrictlyInsideHome(path, home)};
}

} // namespace

std::map<std::string, std::string> parse(std::string_view content, const std::string& home)
{
    std::map<std::string, std::string> dirs;
    text::forEachLine(content, [&](std::string_view line) {
        // A later valid line replaces an earlier one, also when it switches the folder off.
        if (auto parsed = parseLine(line, home)) {
            if (parsed->path)
                dirs[parsed->name] = std::move(*parsed->path);
            else
                dirs.erase(parsed->name);
        }
    });
    return dirs;
}

std::map<std::string, std::string> load(const std::string& configHome, const std::string& home)
{
    HomeReader reader(home);
    const auto content = reader.readSmallFile(paths::join(configHome, "user-dirs.dirs"), kMaxFileBytes);
    if (!content)
        return {};
    auto dirs = parse(*content, home);
    std::erase_if(dirs, [&](const auto& dir) { return !reader.isFolder(dir.second); });
    return dirs;
}

} // namespace userdirs

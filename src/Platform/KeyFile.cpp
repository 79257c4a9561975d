#include "Platform/KeyFile.h"

#include "Models/TextLines.h"

namespace {

constexpr std::string_view kDesktopGroup = "Desktop Entry";

std::string unescaped(std::string_view raw)
{
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out.push_back(raw[i]);
            continue;
        }
        switch (raw[++i]) {
        case 's':
            out.push_back(' ');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'r':
            out.push_back('\r');
            break;
        default:
            out.push_back(raw[i]);
            break;
        }
    }
    return out;
}

// First word of an Exec line: a quoted word keeps its spaces, backslash escapes one byte.
std::string firstExecWord(std::string_view exec)
{
    exec = text::trimmed(exec);
    std::string word;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && quoted && i + 1 < exec.size()) {
            word.push_back(exec[++i]);
        } else if (c == ' ' && !quoted) {
            break;
        } else {
            word.push_back(c);
        }
    }
    return word;
}

} // namespace

KeyFile KeyFile::parse(std::string_view content)
{
    KeyFile file;
    std::map<std::string, std::string, std::less<>>* group = nullptr;
    text::forEachLine(content, [&](std::string_view line) {
        line = text::trimmed(line);
        if (line.empty() || line.front() == '#')
            return;
        if (line.front() == '[') {
            const auto close = line.find(']');
            group = close == std::string_view::npos ? nullptr : &file.groups_[std::string(line.substr(1, close - 1))];
            return;
        }
        const auto equals = line.find('=');
        if (!group || equals == std::string_view::npos)
            return;
        // The first occurrence of a key counts, as the desktop reads it.
        group->emplace(std::string(text::trimmed(line.substr(0, equals))),
                       std::string(text::trimmed(line.substr(equals + 1))));
    });
    return file;
}

std::optional<std::string> KeyFile::value(std::string_view group, std::string_view key) const
{
    const auto g = groups_.find(group);
    if (g == groups_.end())
        return std::nullopt;
    const auto k = g->second.find(key);
    if (k == g->second.end())
        return std::nullopt;
    return unescaped(k->second);
}

std::optional<std::string> KeyFile::localizedValue(std::string_view group, std::string_view key,
                                                   std::string_view locale) const
{
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto withLocale = [&](std::string_view l) { return std::string(key) + "[" + std::string(l) + "]"; };
    if (!locale.empty()) {
        if (auto found = value(group, withLocale(locale)))
            return found;
        if (const auto underscore = locale.find('_'); underscore != std::string_view::npos)
            if (auto found = value(group, withLocale(locale.substr(0, underscore))))
                return found;
    }
    return value(group, key);
}

std::map<std::string, std::string> KeyFile::translations(std::string_view group, std::string_view key) const
{
    std::map<std::string, std::string> found;
    const auto values = groups_.find(group);
    if (values == groups_.end())
        return found;
    const std::string prefix = std::string(key) + "[";
    for (auto at = values->second.lower_bound(prefix); at != values->second.end() && at->first.starts_with(prefix);
         ++at)
        if (at->first.ends_with(']') && at->first.size() > prefix.size() + 1)
            if (auto text = value(group, at->first))
                found.emplace(at->first.substr(prefix.size(), at->first.size() - prefix.size() - 1), *std::move(text));
    return found;
}

bool KeyFile::hasGroup(std::string_view group) const { return groups_.find(group) != groups_.end(); }

std::vector<std::string> KeyFile::groups() const
{
    std::vector<std::string> names;
    for (const auto& [name, values] : groups_)
        names.push_back(name);
    return names;
}

std::string launcherProgram(const KeyFile& desktopEntry)
{
    if (auto tryExec = desktopEntry.value(kDesktopGroup, "TryExec"); tryExec && !tryExec->empty())
        return *tryExec;
    if (auto exec = desktopEntry.value(kDesktopGroup, "Exec"))
        return firstExecWord(*exec);
    return {};
}

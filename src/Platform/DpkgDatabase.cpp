#include "Platform/DpkgDatabase.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"

#include <charconv>

namespace {

// A Debian desktop's status file is a few MiB; a package's file list far less.
constexpr std::size_t kMostStatusBytes = 256u << 20;
constexpr std::size_t kMostListBytes = 64u << 20;

struct Stanza {
    std::map<std::string_view, std::string_view, std::less<>> fields;
    std::string_view operator[](std::string_view key) const
    {
        const auto found = fields.find(key);
        return found == fields.end() ? std::string_view() : found->second;
    }
};

// "Key: value" paragraphs separated by blank lines; continuation lines (starting with a
// blank) belong to the field before and are not needed here.
template <typename Fn> void forEachStanza(std::string_view content, Fn&& fn)
{
    Stanza stanza;
    text::forEachLine(content, [&](std::string_view line) {
        if (line.empty()) {
            if (!stanza.fields.empty())
                fn(stanza);
            stanza.fields.clear();
            return;
        }
        if (line.front() == ' ' || line.front() == '\t')
            return;
        const auto colon = line.find(':');
        if (colon != std::string_view::npos)
            stanza.fields[line.substr(0, colon)] = text::trimmed(line.substr(colon + 1));
    });
    if (!stanza.fields.empty())
        fn(stanza);
}

// Package names of a dependency field: "a (>= 1), b:any | c" → a, b, c.
void addDependencyNames(std::string_view field, std::set<std::string, std::less<>>& names)
{
    for (std::string_view clause : text::split(field, ','))
        for (std::string_view alternative : text::split(clause, '|')) {
            alternative = text::trimmed(alternative);
            const auto end = alternative.find_first_of(" (:[<\t");
            if (const auto name = alternative.substr(0, end); !name.empty())
                names.emplace(name);
        }
}

// The package a list file belongs to: "<name>.list" or "<name>:<arch>.list".
std::string_view packageOfListFile(std::string_view file)
{
    constexpr std::string_view kSuffix = ".list";
    if (!file.ends_with(kSuffix))
        return {};
    file.remove_suffix(kSuffix.size());
    return file.substr(0, file.find(':'));
}

} // namespace

DpkgDatabase DpkgDatabase::read(HomeReader& reader, const Path& adminFolder)
{
    DpkgDatabase database;
    database.admin_ = adminFolder;
    if (adminFolder.empty())
        return database;
    const auto status = reader.readSmallFile(paths::join(adminFolder, "status"), kMostStatusBytes);
    if (!status)
        return database;
    std::set<std::string, std::less<>> dependedOn;
    forEachStanza(*status, [&](const Stanza& stanza) {
        // "install ok installed" and "hold ok installed" are installed; "deinstall ok
        // config-files" left only its configuration behind.
        if (stanza["Package"].empty())
            return;
        if (stanza["Status"].ends_with(" config-files"))
            database.leftConfigFiles_.emplace(stanza["Package"]);
        if (!stanza["Status"].ends_with(" installed"))
            return;
        DpkgPackage package;
        package.name = std::string(stanza["Package"]);
        const std::string_view size = stanza["Installed-Size"];
        Int64 kib = 0;
        if (std::from_chars(size.data(), size.data() + size.size(), kib).ec == std::errc() && kib > 0 &&
            kib < (Int64(1) << 40))
            package.installedBytes = kib * 1024;
        const std::string_view priority = stanza["Priority"];
        package.isPartOfTheSystem = stanza["Essential"] == "yes" || priority == "required" || priority == "important";
        addDependencyNames(stanza["Depends"], dependedOn);
        addDependencyNames(stanza["Pre-Depends"], dependedOn);
        database.packages_.insert_or_assign(package.name, std::move(package));
    });
    for (auto& [name, package] : database.packages_)
        package.isDependedOn = dependedOn.count(name) > 0;
    return database;
}

const DpkgPackage* DpkgDatabase::find(const std::string& name) const
{
    const auto found = packages_.find(name);
    return found == packages_.end() ? nullptr : &found->second;
}

std::map<Path, const DpkgPackage*> DpkgDatabase::owners(HomeReader& reader,
                                                        const std::set<Path, std::less<>>& files) const
{
    std::map<Path, const DpkgPackage*> owners;
    if (files.empty() || packages_.empty())
        return owners;
    const Path info = paths::join(admin_, "info");
    const auto lists = reader.list(info);
    if (!lists)
        return owners;
    for (const auto& list : *lists) {
        const DpkgPackage* package = nullptr;
        if (const auto name = packageOfListFile(list.name); !name.empty())
            package = find(std::string(name));
        if (!package)
            continue; // another architecture's leftover list, or no longer installed
        const auto content = reader.readSmallFile(paths::join(info, list.name), kMostListBytes);
        if (!content)
            continue;
        text::forEachLine(*content, [&](std::string_view line) {
            if (const auto file = files.find(line); file != files.end())
                owners.emplace(*file, package);
        });
    }
    return owners;
}

#include "Services/FlatpakRemoval.h"

#include "Models/Paths.h"

#include <cerrno>

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool isIdPart(std::string_view part)
{
    if (part.empty() || isAsciiDigit(part.front()) || part.front() == '-')
        return false;
    for (const char c : part)
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '_' && c != '-')
            return false;
    return true;
}

} // namespace

bool isFlatpakAppId(std::string_view id)
{
    if (id.empty() || id.size() > 255)
        return false;
    int parts = 0;
    for (std::size_t start = 0;; ++parts) {
        const std::size_t dot = id.find('.', start);
        if (!isIdPart(id.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start)))
            return false;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts + 1 >= 3;
}

Path flatpakInstallationOf(const Path& appFolder) { return paths::parent(paths::parent(appFolder)); }

std::vector<std::string> userUninstallArguments(const std::string& id)
{
    // No "--" before the id: the tool's option parser may keep it as a name. The id's
    // grammar already keeps it from reading as an option.
    return {"flatpak", "uninstall", "--user", "--noninteractive", id};
}

ToolRun uninstallUserFlatpak(const Path& installation, const std::string& id)
{
    if (!isFlatpakAppId(id))
        return {ToolRun::Outcome::notStarted, EINVAL};
    // The tool works on the installation the scan read, which for another home than the
    // account's own is not the one it would pick by itself.
    return runTool(userUninstallArguments(id), {"FLATPAK_USER_DIR=" + installation});
}

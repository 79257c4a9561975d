#include "Platform/XdgBaseDirs.h"

#include "Models/Paths.h"
#include "Models/TextLines.h"

#include <algorithm>

#include <cstdlib>

namespace {

bool hasParentComponent(std::string_view path)
{
    const auto parts = text::split(path, '/');
    return std::find(parts.begin(), parts.end(), "..") != parts.end();
}

} // namespace

std::optional<std::string> pathStrictlyInsideHome(std::string_view path, const std::string& home)
{
    // ".." is refused rather than resolved: lexically and on disk it can mean different folders.
    if (path.empty() || path.front() != '/' || hasParentComponent(path))
        return std::nullopt;
    const std::string cleaned = paths::standardized(path);
    const std::string cleanHome = paths::standardized(home);
    if (cleaned == cleanHome || !paths::isSameOrInside(cleaned, cleanHome))
        return std::nullopt;
    return cleaned;
}

XdgBaseDirs XdgBaseDirs::forHome(const std::string& home, bool honourEnvironment)
{
    return forHome(home, honourEnvironment, [](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name))
            return std::string(value);
        return std::nullopt;
    });
}

XdgBaseDirs XdgBaseDirs::forHome(const std::string& home, bool honourEnvironment, const Environment& environment)
{
    const auto pick = [&](const char* variable, std::string_view fallback) {
        if (honourEnvironment)
            if (const auto value = environment(variable))
                if (auto inside = pathStrictlyInsideHome(*value, home))
                    return *inside;
        return paths::join(home, fallback);
    };
    return {pick("XDG_CACHE_HOME", ".cache"), pick("XDG_CONFIG_HOME", ".config"),
            pick("XDG_DATA_HOME", ".local/share")};
}

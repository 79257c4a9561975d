#include "Models/Paths.h"

#include <vector>

namespace paths {

std::string join(std::string_view base, std::string_view name)
{
    std::string out(base);
    if (out.empty() || out.back() != '/')
        out.push_back('/');
    out.append(name);
    return out;
}

std::string lastComponent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    if (path == "/")
        return "/";
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string parent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

std::string extension(std::string_view path)
{
    const std::string name = lastComponent(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size())
        return {};
    return name.substr(dot + 1);
}

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

std::string lowercasedExtension(std::string_view path) { return asciiLower(extension(path)); }

std::string standardized(std::string_view path)
{
    const bool absolute = !path.empty() && path.front() == '/';
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const auto part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (!absolute)
                parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string out = absolute ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out.push_back('/');
        out.append(parts[i]);
    }
    return out.empty() ? "." : out;
}

bool isSameOrInside(std::string_view path, std::string_view prefix)
{
    while (prefix.size() > 1 && prefix.back() == '/')
        prefix.remove_suffix(1);
    if (path.substr(0, prefix.size()) != prefix)
        return false;
    return path.size() == prefix.size() || prefix == "/" || path[prefix.size()] == '/';
}

std::string tildeAbbreviated(std::string_view path, std::string_view home)
{
    while (home.size() > 1 && home.back() == '/')
        home.remove_suffix(1);
    if (home.empty() || home == "/" || !isSameOrInside(path, home))
        return std::string(path);
    return "~" + std::string(path.substr(home.size()));
}

} // namespace paths

#include "Services/ContentPreview.h"

#include "Models/DiskFormat.h"
#include "Models/Paths.h"
#include "Platform/DirectoryWalker.h"
#include "Services/DirectorySize.h"

#include <algorithm>

namespace preview {

namespace {
constexpr Int64 kMinimumChildBytes = 100'000; // more than this to be named
constexpr std::size_t kMaximumLines = 4;
} // namespace

std::vector<std::string> linesForChildren(std::vector<ChildSize> children)
{
    std::erase_if(children, [](const ChildSize& child) { return child.sizeBytes <= kMinimumChildBytes; });
    std::stable_sort(children.begin(), children.end(),
                     [](const ChildSize& a, const ChildSize& b) { return a.sizeBytes > b.sizeBytes; });
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < children.size() && i < kMaximumLines; ++i)
        lines.push_back(children[i].name + " (" + DiskFormat::bytes(children[i].sizeBytes) + ")");
    return lines;
}

std::string singleFileLine(std::string_view name) { return "单文件：" + std::string(name); }

} // namespace preview

std::vector<std::string> buildTopContentPreview(const Path& url, std::string_view within)
{
    const auto kind = kindAtPath(url, within);
    if (!kind)
        return {};
    if (*kind != DirectoryWalker::Kind::directory)
        return {preview::singleFileLine(paths::lastComponent(url))};

    auto listed = DirectoryWalker::list(url, within);
    if (!listed)
        return {};
    std::vector<DirectoryWalker::Child> listing = *std::move(listed);
    if (listing.size() > preview::kChildrenExamined)
        listing.resize(preview::kChildrenExamined); // later entries are never looked at
    std::vector<preview::ChildSize> children;
    for (const auto& child : listing)
        children.push_back({child.name, directorySize(paths::join(url, child.name), preview::kChildDepth, within)});
    return preview::linesForChildren(std::move(children));
}

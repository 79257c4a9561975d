#include "Services/ContentPreview.h"

#include "Models/DiskFormat.h"
#include "Services/TreeSizer.h"

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

// The sizer's own route: one look at the path, then one walk that sizes the first children.
std::vector<std::string> buildTopContentPreview(const Path& url, std::string_view within)
{
    return TreeSizer(within.empty() ? std::vector<Path>{} : std::vector<Path>{Path(within)}).preview(url);
}

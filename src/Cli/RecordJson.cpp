#include "Cli/RecordJson.h"

#include <iostream>
#include <ostream>

namespace cli {

static Json texts(const std::vector<std::string>& lines)
{
    auto out = Json::array();
    for (const auto& line : lines)
        out.push_back(displayable(line));
    return out;
}

// The bytes a clean would really free, only where it differs from sizeBytes (files that
// share extents): elsewhere the output stays exactly what it always was.
template <typename Item> static Json withReclaimable(Json json, const Item& item)
{
    if (item.reclaimableBytes)
        json["reclaimableBytes"] = *item.reclaimableBytes;
    return json;
}

Json toJson(const DiskOverview& o)
{
    return {{"volumeName", displayable(o.volumeName)},
            {"totalBytes", o.totalBytes},
            {"availableBytes", o.availableBytes},
            {"trashBytes", o.trashBytes},
            {"usedBytes", o.usedBytes()},
            {"usedRatio", o.usedRatio()}};
}

Json toJson(const CacheSubItem& i, const SelectionState& selection)
{
    return withReclaimable(Json{{"id", displayable(i.id)},
                                {"name", displayable(i.name)},
                                {"note", displayable(i.note)},
                                {"url", displayable(i.url)},
                                {"sizeBytes", i.sizeBytes},
                                {"safetyLevel", displayable(i.safetyLevel)},
                                {"verificationDetail", displayable(i.verificationDetail)},
                                {"lastModifiedText", displayable(i.lastModifiedText)},
                                {"contentPreview", texts(i.contentPreview)},
                                {"isSafeDefault", i.isSafeDefault},
                                {"isSelected", selection.isSelected(i)}},
                           i);
}

Json toJson(const SafeCacheRuleCard& c, const SelectionState& selection)
{
    return {{"id", c.id},
            {"category", std::string(rawValue(c.category))},
            {"title", c.title},
            {"subtitle", c.subtitle},
            {"symbolName", c.symbolName},
            {"accentHex", c.accentHex},
            {"secondaryHex", c.secondaryHex},
            {"protectionPromise", c.protectionPromise},
            {"subItems", toJson(c.subItems, selection)},
            {"isExpanded", c.isExpanded},
            {"selectedBytes", selection.selectedBytes(c)},
            {"totalScannedBytes", c.totalScannedBytes()}};
}

Json toJson(const ProjectBloatItem& b, const SelectionState& selection)
{
    return withReclaimable(Json{{"id", displayable(b.id)},
                                {"projectName", displayable(b.projectName)},
                                {"artifactType", displayable(b.artifactType)},
                                {"url", displayable(b.url)},
                                {"displayPath", displayable(b.displayPath)},
                                {"sizeBytes", b.sizeBytes},
                                {"daysSinceModified", b.daysSinceModified},
                                {"rebuildCommand", displayable(b.rebuildCommand)},
                                {"verificationBadge", displayable(b.verificationBadge)},
                                {"verificationReason", displayable(b.verificationReason)},
                                {"isSelected", selection.isSelected(b)},
                                {"packagesRecorded", b.packagesRecorded}},
                           b);
}

static Json toJson(const DuplicateFileMember& m, const DuplicateFileGroup& g, const SelectionState& selection)
{
    Json json = withReclaimable(Json{{"id", displayable(m.id)},
                                     {"url", displayable(m.url)},
                                     {"name", displayable(m.name)},
                                     {"folderName", displayable(m.folderName)},
                                     {"sizeBytes", m.sizeBytes},
                                     {"modifiedDate", isoDate(m.modifiedDate)},
                                     {"isLockedOriginal", selection.isKept(g, m)},
                                     {"isSelectedForDelete", selection.isMarkedForDelete(g, m)}},
                                m);
    if (m.mergeableBytes)
        json["mergeableBytes"] = *m.mergeableBytes;
    return json;
}

Json toJson(const DuplicateFileGroup& g, const SelectionState& selection)
{
    auto members = Json::array();
    for (const auto& member : g.members)
        members.push_back(toJson(member, g, selection));
    return {{"id", displayable(g.id)},
            {"title", displayable(g.title)},
            {"hashSummary", displayable(g.hashSummary)},
            {"eachSizeBytes", g.eachSizeBytes},
            {"members", members},
            {"reclaimableBytes", selection.reclaimableBytes(g)}};
}

Json toJson(const LargeFileItem& f, const SelectionState& selection)
{
    return withReclaimable(Json{{"id", displayable(f.id)},
                                {"url", displayable(f.url)},
                                {"name", displayable(f.name)},
                                {"displayPath", displayable(f.displayPath)},
                                {"category", std::string(rawValue(f.category))},
                                {"categoryTag", displayable(f.categoryTag)},
                                {"verificationBadge", displayable(f.verificationBadge)},
                                {"verificationReason", displayable(f.verificationReason)},
                                {"sizeBytes", f.sizeBytes},
                                {"modifiedDate", isoDate(f.modifiedDate)},
                                {"isSelected", selection.isSelected(f)}},
                           f);
}

Json toJson(const SunburstSlice& s)
{
    return {{"id", displayable(s.id)},
            {"label", displayable(s.label)},
            {"detail", displayable(s.detail)},
            {"sizeBytes", s.sizeBytes},
            {"fraction", s.fraction},
            {"colorHex", s.colorHex},
            {"url", s.url ? Json(displayable(*s.url)) : Json(nullptr)}};
}

Json toJson(const InstalledAppItem& a, const SelectionState& selection)
{
    auto orphans = Json::array();
    for (const auto& url : a.orphanPaths)
        orphans.push_back(displayable(url));
    auto uninstallPaths = Json::array();
    for (const auto& url : a.uninstallPaths)
        uninstallPaths.push_back(displayable(url));
    Json app{{"id", displayable(a.id)},
             {"appURL", displayable(a.appPath)},
             {"name", displayable(a.name)},
             {"bundleId", displayable(a.appId)},
             {"appSizeBytes", a.appSizeBytes},
             {"orphanURLs", orphans},
             {"orphanSizeBytes", a.orphanSizeBytes},
             {"isSelected", selection.isSelected(a)},
             {"kind", std::string(rawValue(a.kind))},
             {"uninstallCommand", displayable(a.uninstallCommand)},
             {"uninstallURLs", uninstallPaths}};
    // Only the package manager's rows carry these, so other rows read as before.
    if (!a.orphanRules.empty()) {
        auto rules = Json::array();
        for (const auto& rule : a.orphanRules)
            rules.push_back(displayable(rule));
        app["orphanRules"] = rules;
    }
    if (!a.dataFolders.empty()) {
        auto data = Json::array();
        for (const auto& folder : a.dataFolders)
            data.push_back({{"url", displayable(folder.path)},
                            {"sizeBytes", folder.sizeBytes},
                            {"rule", displayable(folder.rule)}});
        app["dataFolders"] = data;
    }
    if (a.kind == InstalledAppKind::systemPackage)
        app["removedThroughPackageKit"] = a.removedThroughPackageKit;
    if (a.kind == InstalledAppKind::removedPackage)
        app["removedOn"] = displayable(a.removedOn);
    return app;
}

Json toJson(const CleanHistoryRecord& r)
{
    return {{"id", displayable(r.id)},
            {"name", displayable(r.name)},
            {"originalURL", displayable(r.originalPath)},
            {"trashedURL", displayable(r.trashedPath)},
            {"sizeBytes", r.sizeBytes},
            {"cleanedAt", isoDate(r.cleanedAt)},
            {"categoryLabel", displayable(r.categoryLabel)}};
}

void printReadable(std::ostream& out, const Json& value, int indent)
{
    const std::string pad(std::size_t(indent) * 2, ' ');
    if (value.is_object()) {
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (it->is_structured() && !it->empty()) {
                out << pad << it.key() << ":\n";
                printReadable(out, *it, indent + 1);
            } else {
                out << pad << it.key() << ": " << (it->is_string() ? it->get<std::string>() : it->dump()) << "\n";
            }
        }
    } else if (value.is_array()) {
        std::size_t index = 0;
        for (const auto& element : value) {
            if (element.is_structured()) {
                out << pad << "- [" << index << "]\n";
                printReadable(out, element, indent + 1);
            } else {
                out << pad << "- " << (element.is_string() ? element.get<std::string>() : element.dump()) << "\n";
            }
            ++index;
        }
    } else {
        out << pad << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
    }
}

void printDocument(const Json& value, bool asJson)
{
    if (asJson)
        std::cout << value.dump(2) << "\n";
    else
        printReadable(std::cout, value);
}

} // namespace cli

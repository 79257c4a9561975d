#include "Cli/RecordJson.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <ostream>

namespace cli {

Utf8Char decodeUtf8(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t codePoint;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0)
        length = 2, codePoint = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, codePoint = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, codePoint = lead & 0x07;
    else
        return {};
    if (i + length > s.size())
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kMinimum[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

std::string displayable(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // Control characters are escaped too, so a crafted name cannot fake lines of output or
        // steer a terminal; that includes C1 controls such as U+009B, which some terminals
        // take for the start of an escape sequence.
        // A backslash of the name itself is escaped as well, so that every \xNN stands for
        // one byte and a name holding the characters "\xFF" never reads as the byte 0xFF.
        const Utf8Char c = decodeUtf8(bytes, i);
        const bool control = c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint <= 0x9F);
        if (c.length > 0 && !control && c.codePoint != '\\') {
            out.append(bytes.substr(i, c.length));
            i += c.length;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(bytes[i]));
            out.append(escaped);
            ++i;
        }
    }
    return out;
}

std::string isoDate(Date date)
{
    const auto seconds = std::chrono::time_point_cast<std::chrono::seconds>(date);
    const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return buffer;
}

static Json texts(const std::vector<std::string>& lines)
{
    auto out = Json::array();
    for (const auto& line : lines)
        out.push_back(displayable(line));
    return out;
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

Json toJson(const CacheSubItem& i)
{
    return {{"id", displayable(i.id)},
            {"name", displayable(i.name)},
            {"note", displayable(i.note)},
            {"url", displayable(i.url)},
            {"sizeBytes", i.sizeBytes},
            {"safetyLevel", displayable(i.safetyLevel)},
            {"verificationDetail", displayable(i.verificationDetail)},
            {"lastModifiedText", displayable(i.lastModifiedText)},
            {"contentPreview", texts(i.contentPreview)},
            {"isSafeDefault", i.isSafeDefault},
            {"isSelected", i.isSelected}};
}

Json toJson(const SafeCacheRuleCard& c)
{
    return {{"id", c.id},
            {"category", std::string(rawValue(c.category))},
            {"title", c.title},
            {"subtitle", c.subtitle},
            {"symbolName", c.symbolName},
            {"accentHex", c.accentHex},
            {"secondaryHex", c.secondaryHex},
            {"protectionPromise", c.protectionPromise},
            {"subItems", toJson(c.subItems)},
            {"isExpanded", c.isExpanded},
            {"selectedBytes", c.selectedBytes()},
            {"totalScannedBytes", c.totalScannedBytes()}};
}

Json toJson(const ProjectBloatItem& b)
{
    return {{"id", displayable(b.id)},
            {"projectName", displayable(b.projectName)},
            {"artifactType", displayable(b.artifactType)},
            {"url", displayable(b.url)},
            {"displayPath", displayable(b.displayPath)},
            {"sizeBytes", b.sizeBytes},
            {"daysSinceModified", b.daysSinceModified},
            {"rebuildCommand", displayable(b.rebuildCommand)},
            {"verificationBadge", displayable(b.verificationBadge)},
            {"verificationReason", displayable(b.verificationReason)},
            {"isSelected", b.isSelected}};
}

Json toJson(const DuplicateFileMember& m)
{
    return {{"id", displayable(m.id)},
            {"url", displayable(m.url)},
            {"name", displayable(m.name)},
            {"folderName", displayable(m.folderName)},
            {"sizeBytes", m.sizeBytes},
            {"modifiedDate", isoDate(m.modifiedDate)},
            {"isLockedOriginal", m.isLockedOriginal},
            {"isSelectedForDelete", m.isSelectedForDelete}};
}

Json toJson(const DuplicateFileGroup& g)
{
    return {{"id", displayable(g.id)},
            {"title", displayable(g.title)},
            {"hashSummary", displayable(g.hashSummary)},
            {"eachSizeBytes", g.eachSizeBytes},
            {"members", toJson(g.members)},
            {"reclaimableBytes", g.reclaimableBytes()}};
}

Json toJson(const LargeFileItem& f)
{
    return {{"id", displayable(f.id)},
            {"url", displayable(f.url)},
            {"name", displayable(f.name)},
            {"displayPath", displayable(f.displayPath)},
            {"category", std::string(rawValue(f.category))},
            {"categoryTag", displayable(f.categoryTag)},
            {"verificationBadge", displayable(f.verificationBadge)},
            {"verificationReason", displayable(f.verificationReason)},
            {"sizeBytes", f.sizeBytes},
            {"modifiedDate", isoDate(f.modifiedDate)},
            {"isSelected", f.isSelected}};
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

Json toJson(const InstalledAppItem& a)
{
    auto orphans = Json::array();
    for (const auto& url : a.orphanURLs)
        orphans.push_back(displayable(url));
    auto uninstallURLs = Json::array();
    for (const auto& url : a.uninstallURLs)
        uninstallURLs.push_back(displayable(url));
    return {{"id", displayable(a.id)},
            {"appURL", displayable(a.appURL)},
            {"name", displayable(a.name)},
            {"bundleId", displayable(a.bundleId)},
            {"appSizeBytes", a.appSizeBytes},
            {"orphanURLs", orphans},
            {"orphanSizeBytes", a.orphanSizeBytes},
            {"isSelected", a.isSelected},
            {"kind", std::string(rawValue(a.kind))},
            {"uninstallCommand", displayable(a.uninstallCommand)},
            {"uninstallURLs", uninstallURLs}};
}

Json toJson(const PurgeHistoryRecord& r)
{
    return {{"id", r.id},
            {"name", displayable(r.name)},
            {"originalURL", displayable(r.originalURL)},
            {"trashedURL", displayable(r.trashedURL)},
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

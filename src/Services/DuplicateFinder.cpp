// Duplicate detection: size, then fingerprint, then full SHA-256.
#include "Services/DuplicateFinder.h"
#include "Services/ItemTexts.h"

#include "Models/Paths.h"
#include "Platform/FileDates.h"
#include "Platform/FileIdentity.h"
#include "Platform/FileReading.h"
#include "Platform/Sha256.h"
#include "Services/LockstepDigest.h"

#include <algorithm>
#include <chrono>
#include <sys/stat.h>
#include <unordered_map>

namespace duplicates {
namespace {

constexpr std::size_t kFingerprintSpan = 32 * 1024;
constexpr Int64 kTailThreshold = 2 * Int64(kFingerprintSpan);
constexpr std::size_t kGroupCap = 30;

struct DigestHash {
    std::size_t operator()(const Sha256::Digest& d) const
    {
        std::size_t h = 0;
        for (std::size_t i = 0; i < sizeof h; ++i)
            h = (h << 8) | d[i];
        return h;
    }
};

// Keys in order of first appearance, each with the candidates that produced it.
template <typename Key, typename Hash = std::hash<Key>> class OrderedGroups {
  public:
    void add(const Key& key, const Path& url)
    {
        auto [it, inserted] = index_.try_emplace(key, groups_.size());
        if (inserted)
            groups_.push_back({key, {}});
        groups_[it->second].second.push_back(url);
    }
    const std::vector<std::pair<Key, std::vector<Path>>>& groups() const { return groups_; }

  private:
    std::unordered_map<Key, std::size_t, Hash> index_;
    std::vector<std::pair<Key, std::vector<Path>>> groups_;
};

std::optional<std::string> fingerprintInto(const Path& url, Int64 fileSize, char* buffer, ReadStats* stats)
{
    const auto file = ReadOnlyFile::open(url);
    if (!file)
        return std::nullopt;
    Sha256 sha;
    // A read error or end of file counts as an empty span, like a short file.
    const std::size_t head = file->readAt(buffer, kFingerprintSpan, 0).asOptional().value_or(0);
    Int64 read = Int64(head);
    sha.update(buffer, head);
    if (fileSize > kTailThreshold) {
        const std::size_t tail =
            file->readAt(buffer, kFingerprintSpan, off_t(fileSize - Int64(kFingerprintSpan))).asOptional().value_or(0);
        read += Int64(tail);
        sha.update(buffer, tail);
    }
    if (stats) {
        stats->bytesRead += read;
        ++stats->fingerprintsTaken;
    }
    return std::to_string(fileSize) + "-" + Sha256::hex(sha.finalize(), 8);
}

// Characters, not bytes: a path in Chinese is not "longer" than its Latin twin.
std::size_t characterCount(const std::string& path)
{
    return std::size_t(
        std::count_if(path.begin(), path.end(), [](char c) { return (std::uint8_t(c) & 0xC0) != 0x80; }));
}

Date modificationDate(const Path& url)
{
    struct stat st;
    if (lstat(url.c_str(), &st) != 0)
        return std::chrono::system_clock::now();
    return contentModificationDate(st);
}

// Sizes are what each copy occupies on disk: what removing one frees.
DuplicateFileGroup makeGroup(const Sha256::Digest& digest, std::vector<Path> urls, Int64 size, const Path& home)
{
    std::stable_sort(urls.begin(), urls.end(),
                     [](const Path& a, const Path& b) { return characterCount(a) < characterCount(b); });
    DuplicateFileGroup group;
    group.id = "dup-" + Sha256::hex(digest, 5);
    group.title = paths::lastComponent(urls.front());
    group.hashSummaryRef = itemtexts::kDuplicateSummary.ref({std::to_string(urls.size())});
    group.hashSummary = itemtexts::kDuplicateSummary.with(group.hashSummaryRef.args);
    group.eachSizeBytes = size;
    for (std::size_t i = 0; i < urls.size(); ++i) {
        DuplicateFileMember member;
        member.id = urls[i];
        member.url = urls[i];
        member.name = paths::lastComponent(urls[i]);
        member.folderName = paths::tildeAbbreviated(paths::parent(urls[i]), home);
        member.sizeBytes = size;
        member.modifiedDate = modificationDate(urls[i]);
        group.members.push_back(std::move(member));
    }
    return group;
}

} // namespace

const Candidates::Bucket* Candidates::add(const Path& url, const struct stat& st)
{
    if (!filesSeen_.insert({st.st_dev, st.st_ino}).second)
        return nullptr;
    const Int64 allocated = allocatedBytes(st);
    auto [it, inserted] = bucketOfSizes_.try_emplace({Int64(st.st_size), allocated}, buckets_.size());
    if (inserted)
        buckets_.push_back({Int64(st.st_size), allocated, {}});
    buckets_[it->second].urls.push_back(url);
    return &buckets_[it->second];
}

std::vector<DuplicateFileGroup> findGroups(const Candidates& candidates, const Path& home, ReadStats* stats)
{
    std::vector<DuplicateFileGroup> groups;
    std::vector<char> fingerprintBuffer(kFingerprintSpan);
    LockstepDigester digester;
    for (const auto& bucket : candidates.buckets()) {
        if (bucket.urls.size() < 2)
            continue; // a unique size costs no reads at all
        OrderedGroups<std::string> byFingerprint;
        for (const auto& url : bucket.urls)
            if (auto print = fingerprintInto(url, bucket.size, fingerprintBuffer.data(), stats))
                byFingerprint.add(*print, url);

        OrderedGroups<Sha256::Digest, DigestHash> byDigest;
        for (const auto& [print, urls] : byFingerprint.groups()) {
            if (urls.size() < 2)
                continue;
            const auto digests = digester.digest(urls, stats);
            for (std::size_t i = 0; i < urls.size(); ++i)
                if (digests[i])
                    byDigest.add(*digests[i], urls[i]);
        }
        for (const auto& [digest, urls] : byDigest.groups())
            if (urls.size() >= 2)
                groups.push_back(makeGroup(digest, urls, bucket.allocated, home));
    }
    std::stable_sort(groups.begin(), groups.end(), [](const DuplicateFileGroup& a, const DuplicateFileGroup& b) {
        return a.totalDuplicateCopiesBytes() > b.totalDuplicateCopiesBytes();
    });
    if (groups.size() > kGroupCap)
        groups.resize(kGroupCap);
    return groups;
}

} // namespace duplicates

std::optional<std::string> fastFileFingerprint(const Path& url, Int64 fileSize, duplicates::ReadStats* stats)
{
    std::vector<char> buffer(duplicates::kFingerprintSpan);
    return duplicates::fingerprintInto(url, fileSize, buffer.data(), stats);
}

#include "Services/LockstepDigest.h"

#include "Platform/FileReading.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace duplicates {
namespace {

// Files whose content has been equal so far, and the hash of that common prefix.
struct ContentClass {
    Sha256 sha;
    std::vector<std::size_t> slots;
};

} // namespace

std::vector<std::optional<Sha256::Digest>> LockstepDigester::digest(const std::vector<URL>& urls, ReadStats* stats)
{
    std::vector<std::optional<Sha256::Digest>> digests(urls.size());
    for (std::size_t start = 0; start < urls.size(); start += kLockstepBatch)
        digestBatch(urls.data() + start, std::min(kLockstepBatch, urls.size() - start), digests.data() + start, stats);
    return digests;
}

void LockstepDigester::digestBatch(const URL* urls, std::size_t count, std::optional<Sha256::Digest>* out,
                                   ReadStats* stats)
{
    if (buffers_.size() < count)
        buffers_.resize(count);
    std::vector<std::unique_ptr<ReadOnlyFile>> files(count);
    std::vector<ssize_t> lengths(count, 0);
    std::vector<ContentClass> live;
    live.push_back({Sha256(), {}});
    for (std::size_t slot = 0; slot < count; ++slot) {
        files[slot] = std::make_unique<ReadOnlyFile>(urls[slot]);
        if (!files[slot]->isOpen())
            continue;
        if (stats)
            ++stats->fullHashesStarted;
        files[slot]->adviseSequential();
        buffers_[slot].resize(kFullHashChunk);
        live.front().slots.push_back(slot);
    }

    while (!live.empty()) {
        for (auto& contentClass : live) {
            std::erase_if(contentClass.slots, [&](std::size_t slot) {
                lengths[slot] = files[slot]->readNext(buffers_[slot].data(), kFullHashChunk);
                if (lengths[slot] < 0) {
                    files[slot].reset(); // a failed read drops the file
                    return true;
                }
                if (stats)
                    stats->bytesRead += lengths[slot];
                return false;
            });
        }
        std::vector<ContentClass> next;
        for (auto& contentClass : live) {
            // Split by this chunk's content, keeping discovery order within each part.
            std::vector<std::vector<std::size_t>> parts;
            for (std::size_t slot : contentClass.slots) {
                auto same = std::find_if(parts.begin(), parts.end(), [&](const std::vector<std::size_t>& part) {
                    const std::size_t first = part.front();
                    return lengths[first] == lengths[slot] &&
                           std::memcmp(buffers_[first].data(), buffers_[slot].data(), std::size_t(lengths[slot])) == 0;
                });
                if (same == parts.end())
                    parts.push_back({slot});
                else
                    same->push_back(slot);
            }
            for (std::size_t i = 0; i < parts.size(); ++i) {
                // Every part continues from the common prefix; only the last may take it over.
                Sha256 sha = i + 1 == parts.size() ? std::move(contentClass.sha) : Sha256(contentClass.sha);
                const std::size_t first = parts[i].front();
                if (lengths[first] == 0) {
                    const Sha256::Digest digest = sha.finalize();
                    for (std::size_t slot : parts[i]) {
                        out[slot] = digest;
                        files[slot].reset();
                    }
                    continue;
                }
                sha.update(buffers_[first].data(), std::size_t(lengths[first]));
                next.push_back({std::move(sha), std::move(parts[i])});
            }
        }
        live = std::move(next);
    }
}

} // namespace duplicates

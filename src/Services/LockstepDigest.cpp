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

// One batch of files read side by side, chunk by chunk. Each round reads the next chunk
// of every live file, then splits each class by what it read.
class LockstepBatch {
  public:
    LockstepBatch(const URL* urls, std::size_t count, std::vector<std::vector<char>>& buffers, ReadStats* stats)
        : buffers_(buffers), files_(count), lengths_(count, 0), stats_(stats)
    {
        if (buffers_.size() < count)
            buffers_.resize(count);
        ContentClass all;
        for (std::size_t slot = 0; slot < count; ++slot)
            if (open(slot, urls[slot]))
                all.slots.push_back(slot);
        live_.push_back(std::move(all));
    }

    void digestInto(std::optional<Sha256::Digest>* out)
    {
        while (!live_.empty()) {
            for (auto& contentClass : live_)
                std::erase_if(contentClass.slots, [&](std::size_t slot) { return !readNextChunk(slot); });
            std::vector<ContentClass> next;
            for (auto& contentClass : live_)
                advance(std::move(contentClass), out, next);
            live_ = std::move(next);
        }
    }

  private:
    bool open(std::size_t slot, const URL& url)
    {
        auto file = ReadOnlyFile::open(url);
        if (!file)
            return false;
        files_[slot] = std::make_unique<ReadOnlyFile>(*std::move(file));
        if (stats_)
            ++stats_->fullHashesStarted;
        files_[slot]->adviseSequential();
        buffers_[slot].resize(kFullHashChunk);
        return true;
    }

    // False when the read failed: the file drops out.
    bool readNextChunk(std::size_t slot)
    {
        const auto length = files_[slot]->readNext(buffers_[slot].data(), kFullHashChunk);
        if (!length) {
            files_[slot].reset();
            return false;
        }
        lengths_[slot] = *length;
        if (stats_)
            stats_->bytesRead += Int64(lengths_[slot]);
        return true;
    }

    bool sameChunk(std::size_t a, std::size_t b) const
    {
        return lengths_[a] == lengths_[b] && std::memcmp(buffers_[a].data(), buffers_[b].data(), lengths_[b]) == 0;
    }

    // The class's slots split by this chunk's content, keeping discovery order within each part.
    std::vector<std::vector<std::size_t>> partsByChunk(const std::vector<std::size_t>& slots) const
    {
        std::vector<std::vector<std::size_t>> parts;
        for (std::size_t slot : slots) {
            auto same = std::find_if(parts.begin(), parts.end(), [&](const std::vector<std::size_t>& part) {
                return sameChunk(part.front(), slot);
            });
            if (same == parts.end())
                parts.push_back({slot});
            else
                same->push_back(slot);
        }
        return parts;
    }

    // A part at the end of its files is finished; every other part goes on with the
    // chunk added to its hash.
    void advance(ContentClass contentClass, std::optional<Sha256::Digest>* out, std::vector<ContentClass>& next)
    {
        std::vector<std::vector<std::size_t>> parts = partsByChunk(contentClass.slots);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            // Every part continues from the common prefix; only the last may take it over.
            Sha256 sha = i + 1 == parts.size() ? std::move(contentClass.sha) : Sha256(contentClass.sha);
            const std::size_t first = parts[i].front();
            if (lengths_[first] == 0) {
                const Sha256::Digest digest = sha.finalize();
                for (std::size_t slot : parts[i]) {
                    out[slot] = digest;
                    files_[slot].reset();
                }
                continue;
            }
            sha.update(buffers_[first].data(), lengths_[first]);
            next.push_back({std::move(sha), std::move(parts[i])});
        }
    }

    std::vector<std::vector<char>>& buffers_;
    std::vector<std::unique_ptr<ReadOnlyFile>> files_;
    std::vector<std::size_t> lengths_;
    std::vector<ContentClass> live_;
    ReadStats* stats_;
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
    LockstepBatch(urls, count, buffers_, stats).digestInto(out);
}

} // namespace duplicates

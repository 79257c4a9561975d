#include "Services/LockstepDigest.h"

#include "Platform/FileReading.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

namespace duplicates {
namespace {

// Files whose content has been equal so far, and the digest of that common prefix.
struct ContentClass {
    ContentDigest digest;
    std::vector<std::size_t> slots;
};

// One file of the batch: where it is read next, and what the file system keeps there.
struct Slot {
    std::unique_ptr<ReadOnlyFile> file;
    off_t position = 0;
    ReadOnlyFile::Region region; // the region holding `position`, once asked
    std::size_t length = 0;      // of this round's chunk; 0 at the end of the file
    bool isHole = false;         // this round's chunk is zeros the file system keeps as a hole
    std::optional<bool> allZero; // of this round's chunk, worked out when met with a hole
};

// One batch of files read side by side. Each round takes the next chunk of every live
// file, then splits each class by what it took. Holes are never read: where every file
// of a class has one, the class passes the whole hole in one step.
class LockstepBatch {
  public:
    LockstepBatch(const Path* urls, std::size_t count, std::vector<std::vector<char>>& buffers, ReadStats* stats)
        : buffers_(buffers), slots_(count), stats_(stats)
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
            std::vector<ContentClass> next;
            for (auto& contentClass : live_) {
                takeChunk(contentClass.slots);
                advance(std::move(contentClass), out, next);
            }
            live_ = std::move(next);
        }
    }

  private:
    bool open(std::size_t index, const Path& url)
    {
        auto file = ReadOnlyFile::open(url);
        if (!file)
            return false;
        Slot& slot = slots_[index];
        slot.file = std::make_unique<ReadOnlyFile>(*std::move(file));
        if (stats_)
            ++stats_->fullHashesStarted;
        slot.file->adviseSequential();
        buffers_[index].resize(kFullHashChunk);
        return true;
    }

    const ReadOnlyFile::Region& regionOf(Slot& slot)
    {
        if (slot.region.kind == ReadOnlyFile::Region::Kind::end || slot.position >= slot.region.until)
            slot.region = slot.file->regionAt(slot.position);
        return slot.region;
    }

    // The next chunk of every file of a class (all stand at one position): as far as the
    // nearest change between data and hole in any of them, and at most one read's worth
    // where any of them has data there. A file whose read fails drops out.
    void takeChunk(std::vector<std::size_t>& slots)
    {
        using Kind = ReadOnlyFile::Region::Kind;
        off_t step = std::numeric_limits<off_t>::max();
        bool anyData = false;
        for (std::size_t index : slots) {
            Slot& slot = slots_[index];
            const auto& region = regionOf(slot);
            if (region.kind == Kind::end)
                continue;
            step = std::min(step, region.until - slot.position);
            anyData = anyData || region.kind == Kind::data;
        }
        if (anyData)
            step = std::min(step, off_t(kFullHashChunk));
        std::erase_if(slots, [&](std::size_t index) {
            Slot& slot = slots_[index];
            slot.allZero.reset();
            slot.isHole = slot.region.kind == Kind::hole;
            if (slot.region.kind != Kind::data) {
                slot.length = slot.region.kind == Kind::hole ? std::size_t(step) : 0;
                return false;
            }
            const auto length = slot.file->readAt(buffers_[index].data(), std::size_t(step), slot.position);
            if (!length) {
                slot.file.reset();
                return true;
            }
            slot.length = *length;
            if (stats_)
                stats_->bytesRead += Int64(slot.length);
            return false;
        });
    }

    bool isAllZero(std::size_t index)
    {
        Slot& slot = slots_[index];
        if (slot.isHole)
            return true;
        if (!slot.allZero) {
            const char* data = buffers_[index].data();
            slot.allZero = slot.length == 0 || (data[0] == 0 && std::memcmp(data, data + 1, slot.length - 1) == 0);
        }
        return *slot.allZero;
    }

    bool sameChunk(std::size_t a, std::size_t b)
    {
        const Slot &first = slots_[a], &second = slots_[b];
        if (first.length != second.length)
            return false;
        if (first.isHole || second.isHole)
            return isAllZero(a) && isAllZero(b);
        return std::memcmp(buffers_[a].data(), buffers_[b].data(), first.length) == 0;
    }

    // The class's slots split by this chunk's content, keeping discovery order within each part.
    std::vector<std::vector<std::size_t>> partsByChunk(const std::vector<std::size_t>& slots)
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
    // chunk added to its digest.
    void advance(ContentClass contentClass, std::optional<Sha256::Digest>* out, std::vector<ContentClass>& next)
    {
        std::vector<std::vector<std::size_t>> parts = partsByChunk(contentClass.slots);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            // Every part continues from the common prefix; only the last may take it over.
            ContentDigest digest = i + 1 == parts.size() ? std::move(contentClass.digest) : contentClass.digest;
            const std::size_t first = parts[i].front();
            const std::size_t length = slots_[first].length;
            if (length == 0) {
                const Sha256::Digest done = digest.finalize();
                for (std::size_t slot : parts[i]) {
                    out[slot] = done;
                    slots_[slot].file.reset();
                }
                continue;
            }
            if (slots_[first].isHole)
                digest.updateZeros(length);
            else
                digest.update(buffers_[first].data(), length);
            for (std::size_t slot : parts[i])
                slots_[slot].position += off_t(length);
            next.push_back({std::move(digest), std::move(parts[i])});
        }
    }

    std::vector<std::vector<char>>& buffers_;
    std::vector<Slot> slots_;
    std::vector<ContentClass> live_;
    ReadStats* stats_;
};

} // namespace

std::vector<std::optional<Sha256::Digest>> LockstepDigester::digest(const std::vector<Path>& urls, ReadStats* stats)
{
    std::vector<std::optional<Sha256::Digest>> digests(urls.size());
    for (std::size_t start = 0; start < urls.size(); start += kLockstepBatch)
        digestBatch(urls.data() + start, std::min(kLockstepBatch, urls.size() - start), digests.data() + start, stats);
    return digests;
}

void LockstepDigester::digestBatch(const Path* urls, std::size_t count, std::optional<Sha256::Digest>* out,
                                   ReadStats* stats)
{
    LockstepBatch(urls, count, buffers_, stats).digestInto(out);
}

} // namespace duplicates

#include "Services/ContentDigest.h"

#include <algorithm>
#include <cstring>

namespace {

bool isAllZero(const char* data, std::size_t size)
{
    return size == 0 || (data[0] == 0 && std::memcmp(data, data + 1, size - 1) == 0);
}

void putNumber(Sha256& sha, std::uint64_t value)
{
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    sha.update(bytes, sizeof bytes);
}

} // namespace

void ContentDigest::update(const char* data, std::size_t size)
{
    if (partialLength_ > 0) {
        const std::size_t fill = std::min(size, kBlock - partialLength_);
        std::memcpy(partial_.data() + partialLength_, data, fill);
        partialLength_ += fill;
        data += fill;
        size -= fill;
        if (partialLength_ < kBlock)
            return;
        partialLength_ = 0;
        takeBlocks(partial_.data(), 1);
    }
    const std::size_t blocks = size / kBlock;
    takeBlocks(data, blocks);
    partialLength_ = size - blocks * kBlock;
    std::memcpy(partial_.data(), data + blocks * kBlock, partialLength_);
}

void ContentDigest::updateZeros(std::uint64_t count)
{
    if (partialLength_ > 0) {
        const std::size_t fill = std::size_t(std::min<std::uint64_t>(count, kBlock - partialLength_));
        std::memset(partial_.data() + partialLength_, 0, fill);
        partialLength_ += fill;
        count -= fill;
        if (partialLength_ < kBlock)
            return;
        partialLength_ = 0;
        takeBlocks(partial_.data(), 1);
    }
    extendRun(count / kBlock * kBlock);
    partialLength_ = std::size_t(count % kBlock);
    std::memset(partial_.data(), 0, partialLength_);
}

// Whole blocks: spans without a zero block go to the hash in one call.
void ContentDigest::takeBlocks(const char* data, std::size_t blocks)
{
    std::size_t spanStart = 0;
    for (std::size_t i = 0; i <= blocks; ++i) {
        const bool zero = i < blocks && isAllZero(data + i * kBlock, kBlock);
        if (i < blocks && !zero)
            continue;
        if (i > spanStart) {
            endRun();
            content_.update(data + spanStart * kBlock, (i - spanStart) * kBlock);
            taken_ += (i - spanStart) * kBlock;
        }
        if (zero)
            extendRun(kBlock);
        spanStart = i + 1;
    }
}

void ContentDigest::extendRun(std::uint64_t bytes)
{
    if (bytes == 0)
        return;
    if (runLength_ == 0)
        runStart_ = taken_;
    runLength_ += bytes;
    taken_ += bytes;
}

void ContentDigest::endRun()
{
    if (runLength_ == 0)
        return;
    putNumber(runs_, runStart_);
    putNumber(runs_, runLength_);
    ++runCount_;
    runLength_ = 0;
}

Sha256::Digest ContentDigest::finalize()
{
    endRun();
    content_.update(partial_.data(), partialLength_);
    if (runCount_ > 0) {
        // The runs, their number and the whole length close the stream, so content with
        // runs never reads like content without them.
        const Sha256::Digest runs = runs_.finalize();
        content_.update(runs.data(), runs.size());
        putNumber(content_, runCount_);
        putNumber(content_, taken_ + partialLength_);
    }
    return content_.finalize();
}

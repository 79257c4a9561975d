#include "Platform/PropertyList.h"

#include "Platform/FileReading.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <cstdint>
#include <vector>

namespace plist {
namespace {

// Info.plist files are a few KiB; anything far larger is not one.
constexpr std::size_t kMaxPlistBytes = 16u << 20;

std::optional<std::string> stringInXml(std::string_view data, std::string_view key)
{
    QXmlStreamReader xml(QByteArray::fromRawData(data.data(), qsizetype(data.size())));
    if (!xml.readNextStartElement() || xml.name() != u"plist")
        return std::nullopt;
    if (!xml.readNextStartElement() || xml.name() != u"dict")
        return std::nullopt;
    const QString wanted = QString::fromUtf8(key.data(), qsizetype(key.size()));
    bool keyMatched = false;
    // Children of the top-level dict alternate <key> and a value element.
    while (xml.readNextStartElement()) {
        if (xml.name() == u"key") {
            keyMatched = xml.readElementText() == wanted;
            continue;
        }
        if (keyMatched) {
            if (xml.name() != u"string")
                return std::nullopt;
            const QString value = xml.readElementText();
            if (xml.hasError())
                return std::nullopt;
            return value.toStdString();
        }
        xml.skipCurrentElement();
    }
    return std::nullopt;
}

// A binary property list: objects, an offset table and a 32-byte trailer, all big-endian.
class BinaryPlist {
  public:
    explicit BinaryPlist(std::string_view data) : data_(data) {}

    bool open()
    {
        if (data_.size() < 8 + 32 || data_.substr(0, 8) != "bplist00")
            return false;
        const std::size_t trailer = data_.size() - 32;
        offsetIntSize_ = std::uint8_t(data_[trailer + 6]);
        refSize_ = std::uint8_t(data_[trailer + 7]);
        std::uint64_t objectCount = 0, top = 0, tableOffset = 0;
        if (!readUInt(trailer + 8, 8, objectCount) || !readUInt(trailer + 16, 8, top) ||
            !readUInt(trailer + 24, 8, tableOffset))
            return false;
        if (offsetIntSize_ < 1 || offsetIntSize_ > 8 || refSize_ < 1 || refSize_ > 8)
            return false;
        if (objectCount == 0 || top >= objectCount || tableOffset < 8 || tableOffset > trailer)
            return false;
        if (objectCount > (trailer - tableOffset) / offsetIntSize_)
            return false; // the offset table would run into the trailer
        objectCount_ = objectCount;
        top_ = top;
        tableOffset_ = std::size_t(tableOffset);
        objectsEnd_ = tableOffset_;
        return true;
    }

    std::optional<std::string> topLevelString(std::string_view key) const
    {
        std::size_t offset = 0;
        if (!objectOffset(top_, offset))
            return std::nullopt;
        std::size_t count = 0, body = 0;
        std::uint8_t type = 0;
        if (!objectHeader(offset, type, count, body) || type != 0xD)
            return std::nullopt;
        if (count > (objectsEnd_ - body) / (2 * std::size_t(refSize_)))
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint64_t keyRef = 0;
            if (!readUInt(body + i * refSize_, refSize_, keyRef))
                return std::nullopt;
            const auto keyText = stringObject(keyRef);
            if (!keyText || *keyText != key)
                continue;
            std::uint64_t valueRef = 0;
            if (!readUInt(body + (count + i) * refSize_, refSize_, valueRef))
                return std::nullopt;
            return stringObject(valueRef);
        }
        return std::nullopt;
    }

  private:
    bool readUInt(std::size_t offset, std::size_t width, std::uint64_t& out) const
    {
        if (offset > data_.size() || width > data_.size() - offset)
            return false;
        out = 0;
        for (std::size_t i = 0; i < width; ++i)
            out = (out << 8) | std::uint8_t(data_[offset + i]);
        return true;
    }

    bool objectOffset(std::uint64_t ref, std::size_t& out) const
    {
        std::uint64_t offset = 0;
        if (ref >= objectCount_ || !readUInt(tableOffset_ + std::size_t(ref) * offsetIntSize_, offsetIntSize_, offset))
            return false;
        if (offset < 8 || offset >= objectsEnd_)
            return false;
        out = std::size_t(offset);
        return true;
    }

    // Marker byte: type in the high nibble, count in the low one, or 0xF and the count
    // as a following integer object.
    bool objectHeader(std::size_t offset, std::uint8_t& type, std::size_t& count, std::size_t& body) const
    {
        const auto marker = std::uint8_t(data_[offset]);
        type = marker >> 4;
        count = marker & 0x0F;
        body = offset + 1;
        if (count != 0x0F)
            return true;
        if (body >= objectsEnd_)
            return false;
        const auto intMarker = std::uint8_t(data_[body]);
        if ((intMarker >> 4) != 0x1 || (intMarker & 0x0F) > 3)
            return false;
        const std::size_t width = std::size_t(1) << (intMarker & 0x0F);
        std::uint64_t value = 0;
        if (!readUInt(body + 1, width, value) || value > objectsEnd_)
            return false;
        count = std::size_t(value);
        body += 1 + width;
        return body <= objectsEnd_;
    }

    std::optional<std::string> stringObject(std::uint64_t ref) const
    {
        std::size_t offset = 0, count = 0, body = 0;
        std::uint8_t type = 0;
        if (!objectOffset(ref, offset) || !objectHeader(offset, type, count, body) || body > objectsEnd_)
            return std::nullopt;
        const std::size_t room = objectsEnd_ - body;
        if (type == 0x5) { // ASCII
            if (count > room)
                return std::nullopt;
            return std::string(data_.substr(body, count));
        }
        if (type == 0x6) { // UTF-16 big-endian, count in code units
            if (count > room / 2)
                return std::nullopt;
            std::vector<char16_t> units(count);
            for (std::size_t i = 0; i < count; ++i)
                units[i] = char16_t((std::uint8_t(data_[body + 2 * i]) << 8) | std::uint8_t(data_[body + 2 * i + 1]));
            return QString::fromUtf16(units.data(), qsizetype(count)).toStdString();
        }
        return std::nullopt;
    }

    std::string_view data_;
    std::uint8_t offsetIntSize_ = 0;
    std::uint8_t refSize_ = 0;
    std::uint64_t objectCount_ = 0;
    std::uint64_t top_ = 0;
    std::size_t tableOffset_ = 0;
    std::size_t objectsEnd_ = 0;
};

} // namespace

std::optional<std::string> topLevelStringInData(std::string_view data, std::string_view key)
{
    BinaryPlist binary(data);
    if (binary.open())
        return binary.topLevelString(key);
    return stringInXml(data, key);
}

std::optional<std::string> topLevelString(const std::string& path, std::string_view key)
{
    const auto data = readSmallRegularFile(path, kMaxPlistBytes);
    if (!data)
        return std::nullopt;
    return topLevelStringInData(*data, key);
}

} // namespace plist

// The shared thumbnail cache's rules on a cache folder of the test: the names the file managers
// look for, which thumbnails count for a file as it is now, and how they are written.
#include "Platform/ThumbnailCache.h"
#include "Platform/FileUri.h"
#include "Platform/PngText.h"
#include "support/TempHome.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

// One transparent pixel, as any PNG writer makes it.
QByteArray tinyPng()
{
    return QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4890000000b4944415478"
                               "9c6360000200000500017a5eab3f0000000049454e44ae426082");
}

// A text chunk another writer could have made: compressed (zTXt) or international (iTXt).
QByteArray withChunk(const QByteArray& png, const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += type + data;
    // CRC-32 of type and data, bit by bit.
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : type + data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    QByteArray crcBytes(4, '\0');
    qToBigEndian<quint32>(crc ^ 0xFFFFFFFFu, crcBytes.data());
    return png.left(33) + chunk + crcBytes + png.mid(33); // after the signature and IHDR
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

} // namespace

TEST(FileUri, EscapesEveryByteTheWayFileManagersDo)
{
    EXPECT_EQ(fileUriOfPath("/home/a/Photos 2024/beach & sun (1)+[2]#3%4;5?6.jpg"),
              "file:///home/a/Photos%202024/beach%20&%20sun%20(1)+%5B2%5D%233%254%3B5%3F6.jpg");
    EXPECT_EQ(fileUriOfPath("/x/caf\xc3\xa9/\xff~!$'*,=:@.png"), "file:///x/caf%C3%A9/%FF~!$'*,=:@.png");
}

TEST(PngText, ReadsPlainCompressedAndInternationalStampsAndRejectsWhatIsNoPng)
{
    const QByteArray uriValue = "file:///home/a/very/long/path/of/a/photo.jpg";
    const QByteArray deflated = qCompress(uriValue).mid(4); // zlib stream without Qt's length prefix
    QByteArray png = withChunk(tinyPng(), "zTXt", QByteArray("Thumb::URI") + '\0' + '\0' + deflated);
    png = withChunk(png, "iTXt",
                    QByteArray("Thumb::Title") + '\0' + '\0' + '\0' + "de" + '\0' + "Titel" + '\0' + "Str\xc3\xa4nde");
    const auto text = pngtext::read(png);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->at("Thumb::URI"), uriValue.toStdString());
    EXPECT_EQ(text->at("Thumb::Title"), "Str\xc3\xa4nde");

    // Stamping replaces what was there and keeps the picture.
    const auto stamped = pngtext::withText(png, {{"Thumb::URI", "file:///b"}, {"Thumb::MTime", "7"}});
    ASSERT_TRUE(stamped);
    EXPECT_EQ(pngtext::read(*stamped)->at("Thumb::URI"), "file:///b");
    EXPECT_EQ(pngtext::read(*stamped)->at("Thumb::MTime"), "7");
    EXPECT_TRUE(stamped->contains(png.mid(png.indexOf("IDAT") - 4, 23)));

    EXPECT_FALSE(pngtext::read("GIF89a"));
    EXPECT_FALSE(pngtext::read(tinyPng().left(40))); // cut short
    EXPECT_FALSE(pngtext::withText("not a png", {{"a", "b"}}));
}

TEST(ThumbnailCache, CountsOnlyThumbnailsStampedForTheFileAsItIsNow)
{
    TempHome root;
    const std::string photo = root.file("photo.jpg", 100);
    const ThumbnailCache cache(root.at("thumbnails"), "quillmere-test");
    const auto key = ThumbnailCache::keyOf(photo);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->uri, "file://" + photo);
    EXPECT_EQ(key->size, 100);

    EXPECT_FALSE(cache.find(*key, ThumbnailFlavor::large));
    ASSERT_TRUE(cache.store(*key, ThumbnailFlavor::normal, tinyPng()));
    // A smaller picture only when there is nothing at the wanted size or above.
    EXPECT_EQ(cache.find(*key, ThumbnailFlavor::large)->flavor, ThumbnailFlavor::normal);
    ASSERT_TRUE(cache.store(*key, ThumbnailFlavor::xLarge, tinyPng()));
    EXPECT_EQ(cache.find(*key, ThumbnailFlavor::large)->flavor, ThumbnailFlavor::xLarge);

    // The file changed (time or size), or it is another file: nothing counts.
    for (ThumbnailKey other :
         {ThumbnailKey{key->uri, key->mtime + 1, key->size}, ThumbnailKey{key->uri, key->mtime, key->size + 1},
          ThumbnailKey{key->uri + "x", key->mtime, key->size}}) {
        EXPECT_FALSE(cache.find(other, ThumbnailFlavor::large)) << other.uri << " " << other.mtime;
        EXPECT_FALSE(cache.hasFailed(other));
    }
    ASSERT_TRUE(cache.recordFailure(*key));
    EXPECT_TRUE(cache.hasFailed(*key));
    EXPECT_FALSE(cache.hasFailed(ThumbnailKey{key->uri, key->mtime + 1, key->size}));
}

TEST(ThumbnailCache, WritesOwnerOnlyFilesInPlaceOfWhatWasThereWithoutFollowingLinks)
{
    TempHome root;
    const std::string photo = root.file("photo.jpg", 10);
    const std::string elsewhere = root.fileWithContent("elsewhere.txt", "keep me");
    const ThumbnailCache cache(root.at("thumbnails"), "quillmere-test");
    const ThumbnailKey key = *ThumbnailCache::keyOf(photo);
    // Someone planted a link where the thumbnail goes.
    root.mkdir("thumbnails/large");
    const std::string target = cache.pathOf(ThumbnailFlavor::large, key);
    ASSERT_EQ(::symlink(elsewhere.c_str(), target.c_str()), 0);

    ASSERT_TRUE(cache.store(key, ThumbnailFlavor::large, tinyPng()));
    EXPECT_EQ(readFileBytes(elsewhere), "keep me");
    struct stat st {};
    ASSERT_EQ(::lstat(target.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(namesIn(root.at("thumbnails/large")), std::vector<std::string>{key.fileName()});
    ASSERT_TRUE(cache.recordFailure(key));
    EXPECT_EQ(modeOf(cache.failurePathOf(key)), 0600u);
    EXPECT_EQ(modeOf(root.at("thumbnails/fail")), 0700u); // folders it makes are its owner's only
    EXPECT_EQ(cache.failurePathOf(key), root.at("thumbnails/fail/quillmere-test/" + key.fileName()));
}

TEST(ThumbnailCache, KeysOnlyRegularFiles)
{
    TempHome root;
    const std::string photo = root.file("photo.jpg", 10);
    const std::string fifo = root.at("pipe.jpg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path :
         {root.symlink("link.jpg", photo), root.mkdir("folder.jpg"), fifo, root.at("gone.jpg")})
        EXPECT_FALSE(ThumbnailCache::keyOf(path)) << path;
}

#include "Platform/PropertyList.h"
#include "support/PlistWriter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

const std::string kKey = "CFBundleIdentifier";

TEST(PropertyList, ReadsTheTopLevelStringFromXmlAndBinary)
{
    const plistfixture::Entries entries{
        {"CFBundleName", "Editor"}, {kKey, "com.example.a-rather-long.identifier"}, {"CFBundleDisplayName", "编辑器"}};
    for (const std::string& data : {plistfixture::xml(entries), plistfixture::binary(entries)}) {
        EXPECT_EQ(plist::topLevelStringInData(data, kKey), "com.example.a-rather-long.identifier");
        EXPECT_EQ(plist::topLevelStringInData(data, "CFBundleDisplayName"), "编辑器"); // UTF-16 in binary
        EXPECT_EQ(plist::topLevelStringInData(data, "Missing"), std::nullopt);
    }

    TempHome home;
    home.fileWithContent("Info.plist", plistfixture::binary(entries));
    EXPECT_EQ(plist::topLevelString(home.at("Info.plist"), kKey), "com.example.a-rather-long.identifier");
    EXPECT_EQ(plist::topLevelString(home.at("absent.plist"), kKey), std::nullopt);
}

TEST(PropertyList, XmlLooksOnlyAtTheTopLevelDictionaryAndStringValues)
{
    const std::string nested = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
  <key>CFBundleDocumentTypes</key>
  <array><dict><key>CFBundleIdentifier</key><string>com.nested.wrong</string></dict></array>
  <key>Inner</key><dict><key>CFBundleIdentifier</key><string>com.inner.wrong</string></dict>
  <key>CFBundleIdentifier</key><string>com.example.r&amp;d</string>
</dict></plist>)";
    EXPECT_EQ(plist::topLevelStringInData(nested, kKey), "com.example.r&d");

    const std::string notAString = R"(<plist><dict><key>CFBundleIdentifier</key><integer>7</integer></dict></plist>)";
    EXPECT_EQ(plist::topLevelStringInData(notAString, kKey), std::nullopt);
    EXPECT_EQ(plist::topLevelStringInData("<plist><array/></plist>", kKey), std::nullopt);
    EXPECT_EQ(plist::topLevelStringInData("not a property list", kKey), std::nullopt);
}

// The file comes from whatever lies in the Applications folder: a damaged or hostile
// binary plist must yield nothing or some string, never a read outside the data.
TEST(PropertyList, DamagedBinaryDataIsRejectedSafely)
{
    const std::string good = plistfixture::binary({{kKey, "com.example.app"}});
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_NE(plist::topLevelStringInData(good.substr(0, length), kKey), "com.example.app");
    for (std::size_t i = 8; i < good.size(); ++i) {
        for (const char value : {char(0x00), char(0x0F), char(0x7F), char(0xFF)}) {
            std::string damaged = good;
            damaged[i] = value;
            (void)plist::topLevelStringInData(damaged, kKey);
        }
    }
    // Offset table pointing past the end, and a dictionary claiming more entries than fit.
    std::string pastEnd = good;
    pastEnd[pastEnd.size() - 1] = char(0xF0);
    EXPECT_EQ(plist::topLevelStringInData(pastEnd, kKey), std::nullopt);
    std::string hugeDict = good;
    hugeDict[8] = char(0xDF);
    EXPECT_EQ(plist::topLevelStringInData(hugeDict, kKey), std::nullopt);
}

} // namespace

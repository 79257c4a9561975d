// Readers for what Linux app kinds leave on disk: launchers and Flatpak metadata, Snap
// metadata, the AppImage signature and Steam manifests. All of them untrusted input.
#include "Platform/AppMetadata.h"
#include "Platform/KeyFile.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::Pair;

TEST(KeyFile, ReadsGroupsLocalizedValuesAndTheLaunchedProgram)
{
    const auto entry = KeyFile::parse("# comment\n"
                                      "[Desktop Entry]\n"
                                      "Name=Krita\n"
                                      "Name[de]=Krita (de)\n"
                                      "Name[pt_BR]=Krita (pt_BR)\n"
                                      "Name=Second definition loses\n"
                                      "Comment=Line\\none\\sand\\ttab \\\\ done\n"
                                      "Exec=\"/home/ann/Applications/My App.AppImage\" %U\n"
                                      "[Desktop Action new]\n"
                                      "Name=New Window\n"
                                      "broken line without equals\n");
    EXPECT_EQ(entry.value("Desktop Entry", "Name"), "Krita");
    EXPECT_EQ(entry.localizedValue("Desktop Entry", "Name", "de_AT.UTF-8"), "Krita (de)");
    EXPECT_EQ(entry.localizedValue("Desktop Entry", "Name", "pt_BR"), "Krita (pt_BR)");
    EXPECT_EQ(entry.localizedValue("Desktop Entry", "Name", "fr_FR"), "Krita");
    EXPECT_EQ(entry.value("Desktop Entry", "Comment"), "Line\none and\ttab \\ done");
    EXPECT_EQ(entry.value("Desktop Action new", "Name"), "New Window");
    EXPECT_EQ(entry.value("Missing", "Name"), std::nullopt);
    EXPECT_EQ(launcherProgram(entry), "/home/ann/Applications/My App.AppImage");

    EXPECT_EQ(launcherProgram(KeyFile::parse("[Desktop Entry]\nTryExec=/opt/x/bin/x\nExec=env FOO=1 /opt/x/bin/x\n")),
              "/opt/x/bin/x");
    EXPECT_EQ(launcherProgram(KeyFile::parse("[Desktop Entry]\nExec=steam steam://rungameid/570\n")), "steam");
}

TEST(SnapYaml, ReadsTopLevelScalarsOnly)
{
    const auto meta = appmeta::parseSnapYaml("name: firefox\n"
                                             "version: '128.0-1'\n"
                                             "title: \"Firefox\"\n"
                                             "summary: Mozilla Firefox web browser\n"
                                             "apps:\n"
                                             "  firefox:\n"
                                             "    command: firefox.launcher\n"
                                             "# name: not-this\n");
    EXPECT_THAT(meta, ElementsAre(Pair("name", "firefox"), Pair("summary", "Mozilla Firefox web browser"),
                                  Pair("title", "Firefox"), Pair("version", "128.0-1")));
}

TEST(AppImage, IsKnownByItsSignatureInARealFileOnly)
{
    TempHome home;
    const std::string elf = std::string("\x7f"
                                        "ELF\x02\x01\x01\x00",
                                        8);
    home.fileWithContent("Downloads/Krita.AppImage", elf + std::string("AI\x02", 3) + std::string(100, '\0'));
    home.fileWithContent("Downloads/Old.AppImage", elf + std::string("AI\x01", 3));
    home.fileWithContent("Downloads/plain-elf", elf + std::string(20, '\0'));
    home.fileWithContent("Downloads/not-elf.AppImage", std::string("MZ\0\0\0\0\0\0AI\x02", 11));
    home.fileWithContent("Downloads/short", elf + "AI");
    home.symlink("Downloads/Linked.AppImage", home.at("Downloads/Krita.AppImage"));

    home.symlink("LinkedFolder", home.at("Downloads"));

    HomeReader reader(home.path());
    EXPECT_TRUE(appmeta::isAppImage(reader, home.at("Downloads/Krita.AppImage")));
    EXPECT_TRUE(appmeta::isAppImage(reader, home.at("Downloads/Old.AppImage")));
    for (const char* other :
         {"Downloads/plain-elf", "Downloads/not-elf.AppImage", "Downloads/short", "Downloads/Linked.AppImage",
          "LinkedFolder/Krita.AppImage", "Downloads/missing", "Downloads"})
        EXPECT_FALSE(appmeta::isAppImage(reader, home.at(other))) << other;
}

TEST(SteamManifest, ReadsTheTopLevelValuesAndStepsOverNestedBlocks)
{
    const auto manifest = appmeta::parseSteamManifest("\"AppState\"\n{\n"
                                                      "\t\"appid\"\t\t\"570\"\n"
                                                      "\t\"name\"\t\t\"Dota \\\"2\\\"\"\n"
                                                      "\t\"UserConfig\"\n\t{\n\t\t\"name\"\t\t\"nested\"\n\t}\n"
                                                      "\t// a comment\n"
                                                      "\t\"installdir\"\t\t\"dota 2 beta\"\n"
                                                      "\t\"SizeOnDisk\"\t\t\"35321453198\"\n"
                                                      "}\n\"trailing\" \"ignored\"\n");
    EXPECT_THAT(manifest, ElementsAre(Pair("SizeOnDisk", "35321453198"), Pair("appid", "570"),
                                      Pair("installdir", "dota 2 beta"), Pair("name", "Dota \"2\"")));
    EXPECT_TRUE(appmeta::parseSteamManifest("{ \"a\" \"b\" }").empty());
    EXPECT_TRUE(appmeta::parseSteamManifest("\"AppState\" { \"unterminated").empty());
}

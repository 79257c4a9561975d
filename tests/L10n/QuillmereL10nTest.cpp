#include "L10n/QuillmereL10n.h"
#include "Services/StorageEngine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const QuillmereL10n en(AppLanguage::en), ja(AppLanguage::ja), zhHant(AppLanguage::zhHant), ko(AppLanguage::ko),
    de(AppLanguage::de), fr(AppLanguage::fr), pt(AppLanguage::pt), zhHans(AppLanguage::zhHans);

const std::string kProfileItem = "Chrome 账号 [Work] 网页缓存 (Cache_Data)";
const std::string kCleanBanner = "清理完成 · 已安全清理 3 项缓存，为您腾出 1.50 GB 空间；1 项被系统占用或无权限";
const std::string kRestoreAllBanner = "已为您原路还原 2 项文件（共 300.0 MB）";
const std::string kRestoreOneBanner = "已将「Cache_Data」从废纸篓原路还原至 Default";

} // namespace

TEST(QuillmereL10n, SimplifiedChineseReturnsEveryInputByteForByte)
{
    // Not even valid UTF-8 is touched.
    for (std::string input : {std::string("浏览器多账号无损瘦身"), kProfileItem, kCleanBanner, kRestoreAllBanner,
                              std::string("飞书 WPS Codex \xff\xfe"), std::string()}) {
        EXPECT_EQ(zhHans.localizeSubItemName(input), input);
        EXPECT_EQ(zhHans.localizeBanner(input, 123456), input);
    }
    for (auto category : allCases<LargeFileCategory>())
        EXPECT_EQ(zhHans.localizeCategory(category), rawValue(category));
}

TEST(QuillmereL10n, TextsThatMatchNothingComeBackUnchanged)
{
    for (auto language : allCases<AppLanguage>()) {
        const QuillmereL10n l10n(language);
        EXPECT_EQ(l10n.localizeSubItemName("Spotify 离线缓存"), "Spotify 离线缓存");
    }
}

TEST(QuillmereL10n, SubItemNamesTakeTheFirstMatchingRow)
{
    // The on-device model row precedes the general Chrome rewrite.
    EXPECT_EQ(en.localizeSubItemName("Chrome 本地大模型 (OptGuide)"), "Chrome On-Device AI Model Cache (OptGuide)");
    // Every Codex item, whatever it is, gets the archive text.
    EXPECT_EQ(en.localizeSubItemName("Codex 插件缓存"), "Codex Historical Session Archive");
    // A profile keeps its own name, even one that looks like the text around it.
    EXPECT_EQ(en.localizeSubItemName(kProfileItem), "Chrome Profile [Work] Web Cache (Cache_Data)");
    EXPECT_EQ(en.localizeSubItemName("Chrome 账号 [网页缓存] 网页缓存 (x)"),
              "Chrome Profile [Web Cache] Web Cache (x)");
}

TEST(QuillmereL10n, CleanBannersShowTheFreedBytesInTheLanguage)
{
    EXPECT_EQ(pt.localizeBanner(kCleanBanner, Int64(1536) << 20),
              "Limpeza concluída · 1.50 GB liberados com segurança");
    EXPECT_EQ(en.localizeBanner(kCleanBanner, 0), "Clean Complete · Safely reclaimed 0 KB of disk space");
    EXPECT_EQ(QuillmereL10n(AppLanguage::ru).localizeBanner(kCleanBanner, 0),
              "Очистка завершена · Безопасно освобождено 0 KB");
}

// A clean that left items in place must say so in every language, not only in the engine's.
TEST(QuillmereL10n, CleanBannersKeepTheSkippedCount)
{
    const std::string banner =
        "清理完成 · 已安全清理 2 项大体积文件，为您腾出 1.0 MB 空间；3 项被系统占用或无权限，已保留未动";
    EXPECT_EQ(en.localizeBanner(banner, Int64(1) << 20),
              "Clean Complete · Safely reclaimed 1.0 MB of disk space · Left untouched (in use or no permission): 3");
    EXPECT_EQ(zhHant.localizeBanner(banner, Int64(1) << 20),
              "清理完成 · 已安全為您騰出 1.0 MB 磁碟空間；被系統占用或無權限而保留未動的項目：3");
}

// What went for good is never reported as safely reclaimed, wholly or in part.
TEST(QuillmereL10n, CleanBannersSayWhatWasDeletedForGood)
{
    const std::string allDeleted =
        "清理完成 · 已永久删除 2 项大体积文件，为您腾出 1.0 MB 空间；1 项被系统占用或无权限，已保留未动";
    EXPECT_EQ(en.localizeBanner(allDeleted, Int64(1) << 20),
              "Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed 1.0 MB · Left untouched "
              "(in use or no permission): 1");
    const std::string someDeleted = "清理完成 · 已安全清理 3 项大体积文件，为您腾出 1.0 MB 空间；1 "
                                    "项被系统占用或无权限，已保留未动；其中 2 项已永久删除，无法还原";
    EXPECT_EQ(en.localizeBanner(someDeleted, Int64(1) << 20),
              "Clean Complete · Safely reclaimed 1.0 MB of disk space · Left untouched (in use or no permission): 1 · "
              "Deleted for good, cannot be undone: 2");
    for (AppLanguage language : allCases<AppLanguage>()) {
        if (language == AppLanguage::zhHans)
            continue;
        EXPECT_EQ(QuillmereL10n(language).localizeBanner(allDeleted, 0).find("安全"), std::string::npos);
    }
}

// Nothing was cleaned: the banner must not claim the last clean's freed bytes.
TEST(QuillmereL10n, AnotherCleanRunningIsSaidAsSuch)
{
    const std::string banner = CleanRunner::kAnotherCleanRunningBanner;
    EXPECT_EQ(en.localizeBanner(banner, Int64(1) << 30), "Another clean or restore is running · Nothing was changed");
    EXPECT_EQ(zhHans.localizeBanner(banner, 0), banner);
}

TEST(QuillmereL10n, RestoreBannersShowWhatWasRestoredNotTheLastClean)
{
    EXPECT_EQ(pt.localizeBanner(kRestoreAllBanner, 5'000'000'000), "Itens restaurados ao local original (300.0 MB)");
    EXPECT_EQ(ja.localizeBanner(kRestoreOneBanner, 5'000'000'000), "選択項目を元の場所へ復元しました (Cache_Data)");
    // A restored item's own name may look like a restore-all total.
    EXPECT_EQ(en.localizeBanner("已将「报告（共 3 页）.pdf」从废纸篓原路还原至 Documents", 0),
              "Restored selected items back to their original locations (报告（共 3 页）.pdf)");
}

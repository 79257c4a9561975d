#pragma once
// Every visible text of the window, chosen by language. Fixed texts are callable tables
// (WindowTexts::onboardingTitle(language)); texts with a folder name or a count spliced in are
// functions that take those pieces. The window shows no literal of its own.

#include "L10n/AppLanguage.h"
#include "Models/StorageModels.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace WindowTexts {

inline constexpr std::string_view kProductName = "Quillmere";

#define QM_TEXT(name) extern const Text12 name;
#define QM_PLURAL(name)
#include "L10n/WindowTextTable.inc"
#undef QM_TEXT
#undef QM_PLURAL

// Folder grants; homeName and pickedName are last path components, shown as they are.
std::string homeGrantMessage(AppLanguage language, std::string_view homeName);
std::string partialGrantNotice(AppLanguage language, std::string_view pickedName, std::string_view homeName);
std::string outsideGrantNotice(AppLanguage language, std::string_view pickedName, std::string_view homeName);
std::string chooseHomeInstead(AppLanguage language, std::string_view homeName);
std::string onboardingPanelHint(AppLanguage language, std::string_view homeName);

// Workspaces (sidebar tabs, metric pods).
std::string_view title(CleanTrustWorkspace workspace, AppLanguage language);
std::string_view subtitle(CleanTrustWorkspace workspace, AppLanguage language);
// `movesToTrash`: whether a clean moves to the Trash now; the large-file action says which.
std::string primaryActionTitle(CleanTrustWorkspace workspace, int devSubTab, bool appSlimmingOnlyCache,
                               bool movesToTrash, AppLanguage language);

// Rows and badges with counts, in the plural form the count takes in the language.
std::string cardCacheCount(AppLanguage language, std::int64_t subItemCount);    // "1 cache", "3 caches"
std::string projectIdleDays(AppLanguage language, std::int64_t days);           // "Idle 45 days"
std::string duplicateCloneCount(AppLanguage language, std::int64_t cloneCount); // "SHA-256 · 3 clones"
std::string itemCount(AppLanguage language, std::int64_t count);                // "1 item", "3 items"

// "Cleaning Fast (3/10) · +1.2 GB"
std::string cleanOverlayTitle(AppLanguage language, std::int64_t processed, std::int64_t total,
                              std::int64_t freedSoFarBytes);
// "Move to Trash is off: the selected 1.2 GB will be deleted permanently. …"
std::string permanentDeleteMessage(AppLanguage language, std::int64_t bytes);
// "Clears its cache only. To remove the app, run: sudo snap remove firefox"
std::string uninstallCommandNote(AppLanguage language, std::string_view command);
// For an app a full uninstall removes through its own tool: the command it runs.
std::string toolUninstallNote(AppLanguage language, std::string_view command);
// For a system package a full uninstall asks PackageKit to remove.
std::string packageKitUninstallNote(AppLanguage language, std::string_view package);
// "Left behind by the removed package vlc · removed 2026-03-04" (the day when known).
std::string removedPackageNote(AppLanguage language, std::string_view package, std::string_view removedOn);
// "↺ Undo Restore (4)": the count stands alone, so it needs no plural form.
std::string undoRestoreButton(AppLanguage language, std::int64_t recordCount);

// A fixed text by its name ("onboardingTitle"), for views that look texts up by key; empty when
// there is no such text.
std::string_view fixedText(std::string_view name, AppLanguage language);

// Every fixed text by name, for completeness checks and for looking texts up by key.
const std::vector<std::pair<std::string_view, const Text12*>>& allText12();
// The count texts by name ("cardCacheCount", ...) and their message ids ("window.cardCacheCount").
const std::vector<std::pair<std::string_view, std::string_view>>& allPluralTexts();

} // namespace WindowTexts

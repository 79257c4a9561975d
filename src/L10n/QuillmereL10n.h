#pragma once
// Shows the engine's Simplified Chinese texts (scenario cards, cache item names, result
// banners) in the window's language. Texts are recognised by characteristic substrings, not
// by keys, so the engine stays free to word them; in Simplified Chinese every operation
// hands back its input unchanged.

#include "L10n/AppLanguage.h"
#include "Models/StorageModels.h"

#include <string>
#include <string_view>

class QuillmereL10n {
  public:
    explicit QuillmereL10n(AppLanguage language) : language_(language) {}

    AppLanguage language() const { return language_; }

    std::string localizeCardTitle(std::string_view title) const;
    std::string localizeCardPromise(std::string_view promise) const;
    std::string localizeCategory(LargeFileCategory category) const;
    std::string localizeSubItemName(std::string_view name) const;
    // A restore banner (one containing "原路还原") shows what was restored: the total that a
    // restore-all names, or the item's name for a single restore, never the last clean's size.
    // A clean banner shows lastFreedBytes.
    std::string localizeBanner(std::string_view banner, Int64 lastFreedBytes) const;
    // The kind of clean a restore-history record came from ("已核实纯缓存", ...).
    std::string localizeCleanLabel(std::string_view label) const;
    // A restore-history record's name: a cache item's name, or an app's with the leftover suffix.
    std::string localizeRecordName(std::string_view name) const;

    std::string_view rescanHeroTitle() const;
    std::string_view scanningNowTitle() const;
    std::string_view reclaimableLabel() const;
    std::string_view selectedToReclaimTitle() const;
    std::string_view smartCleanAllTitle() const;
    std::string_view undoRestoreTitle() const;

  private:
    AppLanguage language_;
};

// The large-file category names as a table (12-variant).
const Text12& categoryNameTable(LargeFileCategory category);

// The shared titles as tables, for callers that hold only a language.
namespace SharedTitles {
extern const Text12 rescanHeroTitle;
extern const Text12 scanningNowTitle;
extern const Text12 reclaimableLabel;
extern const Text12 selectedToReclaimTitle;
extern const Text12 smartCleanAllTitle;
extern const Text12 undoRestoreTitle;
} // namespace SharedTitles

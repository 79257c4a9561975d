#pragma once
// Shows the engine's Simplified Chinese texts that carry no message id (result banners, the
// names in the restore history, which outlive the scan that named them) in the window's
// language. Those texts are recognised by characteristic substrings; in Simplified Chinese
// every operation hands back its input unchanged. The catalogue's own texts are rendered
// from their message ids (MessageRenderer.h).

#include "L10n/AppLanguage.h"
#include "Models/StorageModels.h"

#include <string>
#include <string_view>

class QuillmereL10n {
  public:
    explicit QuillmereL10n(AppLanguage language) : language_(language) {}

    AppLanguage language() const { return language_; }

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

#pragma once
// The large-file categories and the titles the window and the command line share, in the
// twelve languages. Texts the engine names by message id are said by MessageRenderer.h.

#include "L10n/AppLanguage.h"
#include "Models/StorageModels.h"

#include <string>
#include <string_view>

class QuillmereL10n {
  public:
    explicit QuillmereL10n(AppLanguage language) : language_(language) {}

    AppLanguage language() const { return language_; }

    std::string localizeCategory(LargeFileCategory category) const;

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

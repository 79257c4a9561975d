#include "L10n/QuillmereL10n.h"

#include <array>

namespace {

// ---------------------------------------------------------------- large-file categories

const std::array<Text12, 5> kCategoryNames{{
    {"category.allFiles"},
    {"category.installersArchives"},
    {"category.videosMedia"},
    {"category.modelsDatabases"},
    {"category.otherLargeFiles"},
}};

} // namespace

const Text12& categoryNameTable(LargeFileCategory category)
{
    return kCategoryNames[static_cast<std::size_t>(category)];
}

std::string QuillmereL10n::localizeCategory(LargeFileCategory category) const
{
    return std::string(categoryNameTable(category)(language_));
}

namespace SharedTitles {
const Text12 rescanHeroTitle{"shared.rescanHeroTitle"};
const Text12 scanningNowTitle{"shared.scanningNowTitle"};
const Text12 reclaimableLabel{"shared.reclaimableLabel"};
const Text12 selectedToReclaimTitle{"shared.selectedToReclaimTitle"};
const Text12 smartCleanAllTitle{"shared.smartCleanAllTitle"};
const Text12 undoRestoreTitle{"shared.undoRestoreTitle"};
} // namespace SharedTitles

std::string_view QuillmereL10n::rescanHeroTitle() const { return SharedTitles::rescanHeroTitle(language_); }
std::string_view QuillmereL10n::scanningNowTitle() const { return SharedTitles::scanningNowTitle(language_); }
std::string_view QuillmereL10n::reclaimableLabel() const { return SharedTitles::reclaimableLabel(language_); }
std::string_view QuillmereL10n::selectedToReclaimTitle() const
{
    return SharedTitles::selectedToReclaimTitle(language_);
}
std::string_view QuillmereL10n::smartCleanAllTitle() const { return SharedTitles::smartCleanAllTitle(language_); }
std::string_view QuillmereL10n::undoRestoreTitle() const { return SharedTitles::undoRestoreTitle(language_); }

#include "Services/ItemTexts.h"

#include <vector>

namespace itemtexts {

TextRef folderLabelRef(std::string_view label)
{
    for (const EngineText& text : kFolderLabels)
        if (text.text == label)
            return text.ref();
    return {};
}

TextRef largeFilePlace(std::string_view label, std::string_view folder)
{
    TextRef place = kLargeFilePlace.ref({std::string(label), std::string(folder)});
    if (TextRef labelRef = folderLabelRef(label); !labelRef.empty())
        place.argTexts = {std::move(labelRef)};
    return place;
}

std::span<const EngineText> allTexts()
{
    static const auto texts = [] {
        std::vector<EngineText> all{kProjectIdleBadge, kProjectActiveBadge, kProjectIdleReason, kProjectActiveReason,
                                    kInstallerBadge,   kInstallerReason,    kArchiveBadge,      kArchiveReason,
                                    kVideoBadge,       kVideoReason,        kModelBadge,        kModelReason,
                                    kOtherBadge,       kOtherReason,        kLargeFilePlace,    kDuplicateSummary};
        all.insert(all.end(), std::begin(kFolderLabels), std::end(kFolderLabels));
        return all;
    }();
    return texts;
}

} // namespace itemtexts

#include "LargeFileListModel.h"
#include "L10n/MessageRenderer.h"

#include "L10n/QuillmereL10n.h"
#include "QtText.h"
#include "ReclaimableText.h"
#include "RowDates.h"

std::vector<QByteArray> LargeFileListModel::roleNameList() const
{
    return {"name", "path", "category", "verification", "size", "modified", "isVideo", "selected"};
}

QVariant LargeFileListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const LargeFileItem& file = *rows_[index.row()].record;
    switch (role - this->role(0)) {
    case Name:
        return qt(file.name);
    case Path:
        return qt(renderMessageOr(file.displayPathRef, file.displayPath, language()));
    case Category:
        return qt(QuillmereL10n(language()).localizeCategory(file.category));
    case Verification:
        return qt(renderMessageOr(file.badgeRef, file.verificationBadge, language()));
    case Size:
        return sizeAndFreesText(file.sizeBytes, file.reclaimableBytes, language());
    case Modified:
        return dayText(file.modifiedDate);
    case IsVideo:
        return file.category == LargeFileCategory::videoMedia;
    case Selected:
        return rows_[index.row()].mark;
    }
    return {};
}

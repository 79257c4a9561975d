#include "CleanRecordListModel.h"

#include "L10n/QuillmereL10n.h"
#include "Models/Paths.h"
#include "QtText.h"
#include "RowDates.h"

std::vector<QByteArray> CleanRecordListModel::roleNameList() const
{
    return {"name", "label", "size", "cleanedAt", "place"};
}

QVariant CleanRecordListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CleanHistoryRecord& record = rows_[index.row()];
    const QuillmereL10n l10n(language());
    switch (role - this->role(0)) {
    case Name:
        return qt(l10n.localizeRecordName(record.name));
    case Label:
        return qt(l10n.localizeCleanLabel(record.categoryLabel));
    case Size:
        return bytesText(record.sizeBytes, language());
    case CleanedAt:
        return timeText(record.cleanedAt);
    case Place:
        // Shown only: the record keeps the path's bytes.
        return QString::fromUtf8(paths::tildeAbbreviated(paths::parent(record.originalPath), home_));
    }
    return {};
}

#include "CleanRecordListModel.h"

#include "L10n/MessageRenderer.h"
#include "Models/Paths.h"
#include "QtText.h"
#include "RowDates.h"
#include "Services/CleanTexts.h"

std::vector<QByteArray> CleanRecordListModel::roleNameList() const
{
    return {"name", "label", "size", "cleanedAt", "place"};
}

QVariant CleanRecordListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CleanHistoryRecord& record = rows_[index.row()];
    switch (role - this->role(0)) {
    case Name:
        return qt(renderMessageOr(record.nameRef, record.name, language()));
    case Label:
        return qt(renderMessageOr(CleanTexts::cleanLabelRef(record.categoryLabel), record.categoryLabel, language()));
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

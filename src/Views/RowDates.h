#pragma once
// Dates in rows: the calendar day, written the same way in every language.

#include "Models/StorageModels.h"

#include <QDateTime>
#include <QString>

#include <chrono>

inline QString dayText(Date date)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(date.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd"));
}

inline QString timeText(Date date)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(date.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm"));
}

#include "CacheListModels.h"

#include "L10n/MessageRenderer.h"
#include "L10n/WindowTexts.h"
#include "QtText.h"
#include "ReclaimableText.h"
#include "Theme/WindowIcons.h"

#include <QColor>
#include <QStringList>

#include <algorithm>

bool RuleCardListModel::isProtectedByDefault(const SafeCacheRuleCard& card)
{
    return !card.subItems.empty() && std::none_of(card.subItems.begin(), card.subItems.end(),
                                                  [](const CacheSubItem& item) { return item.isSafeDefault; });
}

std::vector<QByteArray> RuleCardListModel::roleNameList() const
{
    return {"title", "promise",    "symbol", "accent", "size", "selected", "partial", "protectedByDefault",
            "badge", "badgeSymbol"};
}

QVariant RuleCardListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const SafeCacheRuleCard& card = *rows_[index.row()].record;
    const CardMark& mark = rows_[index.row()].mark;
    switch (role - this->role(0)) {
    case Title:
        return qt(renderMessageOr(card.titleRef, card.title, language()));
    case Promise:
        return qt(renderMessageOr(card.promiseRef, card.protectionPromise, language()));
    case Symbol:
        return qt(card.symbolName);
    case Accent:
        return QColor(qt(card.accentHex));
    case Size:
        return bytesText(card.totalScannedBytes(), language());
    case Selected: // toggling selects a card whose selection holds no bytes
        return mark.selectedBytes > 0;
    case Partial:
        return mark.selectedBytes > 0 && !mark.allSelected;
    case ProtectedByDefault:
        return isProtectedByDefault(card);
    case Badge:
        return isProtectedByDefault(card)
                   ? qt(WindowTexts::protectedOptionalBadge(language()))
                   : qt(WindowTexts::cardCacheCount(language(), static_cast<std::int64_t>(card.subItems.size())));
    case BadgeSymbol:
        return qt(isProtectedByDefault(card) ? WindowIcons::protectedBadge : WindowIcons::cacheCountBadge);
    }
    return {};
}

std::vector<QByteArray> CacheSubItemListModel::roleNameList() const
{
    return {"name",         "note", "size",           "safetyLevel", "verification",
            "lastModified", "path", "contentPreview", "selected",    "safeDefault"};
}

QVariant CacheSubItemListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CacheSubItem& item = rows_[index.row()].record;
    switch (role - this->role(0)) {
    case Name:
        return qt(renderMessageOr(item.nameRef, item.name, language()));
    case Note:
        return qt(renderMessageOr(item.noteRef, item.note, language()));
    case Size:
        return sizeAndFreesText(item.sizeBytes, item.reclaimableBytes, language());
    case SafetyLevel:
        return qt(renderMessageOr(item.safetyLevelRef, item.safetyLevel, language()));
    case Verification:
        return qt(renderMessageOr(item.verificationDetailRef, item.verificationDetail, language()));
    case LastModified:
        return qt(renderMessageOr(item.lastModifiedRef, item.lastModifiedText, language()));
    case Path:
        return qt(item.url);
    case ContentPreview: {
        QStringList lines;
        for (const auto& line : item.contentPreview)
            lines.append(qt(line));
        return lines;
    }
    case Selected:
        return rows_[index.row()].mark;
    case SafeDefault:
        return item.isSafeDefault;
    }
    return {};
}

#include "Services/CleanTexts.h"

#include "Models/DiskFormat.h"

#include <array>

namespace CleanTexts {

namespace {

constexpr EngineText kTrashed{"banner.clean.trashed", "清理完成 · 已安全清理 %1 项%2，为您腾出 %3 空间"};
constexpr EngineText kDeleted{"banner.clean.deleted", "清理完成 · 已永久删除 %1 项%2，为您腾出 %3 空间"};
// No "；" inside: it starts the parts that follow.
constexpr EngineText kMeasured{"banner.clean.measured", "（实测腾出 %1，预估 %2）"};
constexpr EngineText kMeasuredShared{"banner.clean.measuredShared",
                                     "（实测腾出 %1，预估 %2，少于预估：部分空间与快照或其他副本共享）"};
constexpr EngineText kSkipped{"banner.clean.skipped", "；%1 项被系统占用或无权限，已保留未动"};
constexpr EngineText kSomeDeleted{"banner.clean.someDeleted", "；其中 %1 项已永久删除，无法还原"};
constexpr EngineText kAnotherClean{"banner.anotherClean", "另一项清理或还原正在进行中，本次未做任何改动"};
constexpr EngineText kRestoredOne{"banner.restore.one", "已将「%2」从废纸篓原路还原至 %1"};
constexpr EngineText kRestoredAll{"banner.restore.all", "已为您原路还原 %1 项文件（共 %2）"};
constexpr EngineText kAppLeftovers{"record.appLeftovers", "%1 缓存残留"};
constexpr EngineText kAppData{"record.appData", "%1 设置与数据"};
constexpr EngineText kAppLaunchers{"record.appLaunchers", "%1 启动项与图标"};

constexpr std::array kLabels{
    EngineText{"clean.label.safeCaches", "已核实纯缓存"},     EngineText{"clean.label.projectBloats", "闲置工程依赖"},
    EngineText{"clean.label.duplicates", "重复文件克隆副本"}, EngineText{"clean.label.largeFiles", "大体积文件"},
    EngineText{"clean.label.appUninstall", "应用及残留文件"}, EngineText{"clean.label.appCaches", "应用关联缓存"},
    EngineText{"clean.label.everything", "全盘已核验安全项"},
};

constexpr std::array kTexts{kTrashed,     kDeleted,      kMeasured,    kMeasuredShared, kSkipped,
                            kSomeDeleted, kAnotherClean, kRestoredOne, kRestoredAll,    kAppLeftovers,
                            kAppData,     kAppLaunchers, kLabels[0],   kLabels[1],      kLabels[2],
                            kLabels[3],   kLabels[4],    kLabels[5],   kLabels[6]};

const EngineText* textOf(std::string_view id)
{
    for (const EngineText& text : kTexts)
        if (text.id == id)
            return &text;
    return nullptr;
}

} // namespace

std::vector<TextRef> cleanBanner(const CleanOutcome& outcome)
{
    const bool allDeleted = outcome.deleted > 0 && outcome.trashed == 0;
    std::vector<TextRef> parts{
        (allDeleted ? kDeleted : kTrashed)
            .ref({std::to_string(outcome.cleaned), outcome.label, DiskFormat::bytes(outcome.freedBytes)})};
    if (outcome.measuredBytes)
        parts.push_back(
            (outcome.freedLessThanEstimated ? kMeasuredShared : kMeasured)
                .ref({DiskFormat::bytes(*outcome.measuredBytes), DiskFormat::bytes(outcome.estimatedBytes)}));
    if (outcome.skipped > 0)
        parts.push_back(kSkipped.ref({std::to_string(outcome.skipped)}));
    if (outcome.deleted > 0 && !allDeleted)
        parts.push_back(kSomeDeleted.ref({std::to_string(outcome.deleted)}));
    return parts;
}

std::vector<TextRef> anotherCleanRunning() { return {kAnotherClean.ref()}; }

std::vector<TextRef> restoredOne(std::string_view name, const TextRef& nameRef, std::string_view intoFolder)
{
    TextRef part = kRestoredOne.ref({std::string(intoFolder), std::string(name)});
    if (!nameRef.empty())
        part.argTexts = {{}, nameRef};
    return {std::move(part)};
}

std::vector<TextRef> restoredAll(int count, Int64 bytes)
{
    return {kRestoredAll.ref({std::to_string(count), DiskFormat::bytes(bytes)})};
}

std::string engineText(const std::vector<TextRef>& parts)
{
    // The engine's own words name an item as it was recorded (args, not argTexts).
    std::string text;
    for (const TextRef& part : parts)
        if (const EngineText* wording = textOf(part.id))
            text += wording->with(part.args);
    return text;
}

TextRef appLeftoversName(std::string_view app) { return kAppLeftovers.ref({std::string(app)}); }
TextRef appDataName(std::string_view app) { return kAppData.ref({std::string(app)}); }
TextRef appLaunchersName(std::string_view app) { return kAppLaunchers.ref({std::string(app)}); }

TextRef cleanLabel(std::string_view labelId)
{
    const EngineText* label = textOf(labelId);
    return label ? label->ref() : TextRef{};
}

TextRef cleanLabelRef(std::string_view label)
{
    for (const EngineText& text : kLabels)
        if (text.text == label)
            return text.ref();
    return {};
}

std::span<const EngineText> allTexts() { return kTexts; }

} // namespace CleanTexts

#pragma once
// The one item the inspector shows: a copy of a record from one of the engine's lists.

#include "Models/StorageModels.h"

#include <string>
#include <variant>

class MacInspectedItem {
  public:
    enum class Kind { safeCard, projectBloat, duplicateGroup, largeFile, installedApp };
    using Payload =
        std::variant<SafeCacheRuleCard, ProjectBloatItem, DuplicateFileGroup, LargeFileItem, InstalledAppItem>;

    explicit MacInspectedItem(Payload payload) : payload_(std::move(payload)) {}

    static MacInspectedItem safeCard(SafeCacheRuleCard card) { return MacInspectedItem(std::move(card)); }
    static MacInspectedItem projectBloat(ProjectBloatItem item) { return MacInspectedItem(std::move(item)); }
    static MacInspectedItem duplicateGroup(DuplicateFileGroup group) { return MacInspectedItem(std::move(group)); }
    static MacInspectedItem largeFile(LargeFileItem file) { return MacInspectedItem(std::move(file)); }
    static MacInspectedItem installedApp(InstalledAppItem app) { return MacInspectedItem(std::move(app)); }

    Kind kind() const { return static_cast<Kind>(payload_.index()); }
    const Payload& payload() const { return payload_; }
    // The record's id, whichever case it is.
    const std::string& id() const
    {
        return std::visit([](const auto& record) -> const std::string& { return record.id; }, payload_);
    }
    template <typename Record> const Record* as() const { return std::get_if<Record>(&payload_); }

    bool operator==(const MacInspectedItem&) const = default;

  private:
    Payload payload_;
};

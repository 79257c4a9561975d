#pragma once
// The one item the inspector shows: a copy of a record from one of the engine's lists.

#include "Models/StorageModels.h"

#include <string>
#include <variant>

class InspectedItem {
  public:
    enum class Kind { safeCard, projectBloat, duplicateGroup, largeFile, installedApp };
    using Payload =
        std::variant<SafeCacheRuleCard, ProjectBloatItem, DuplicateFileGroup, LargeFileItem, InstalledAppItem>;

    explicit InspectedItem(Payload payload) : payload_(std::move(payload)) {}

    static InspectedItem safeCard(SafeCacheRuleCard card) { return InspectedItem(std::move(card)); }
    static InspectedItem projectBloat(ProjectBloatItem item) { return InspectedItem(std::move(item)); }
    static InspectedItem duplicateGroup(DuplicateFileGroup group) { return InspectedItem(std::move(group)); }
    static InspectedItem largeFile(LargeFileItem file) { return InspectedItem(std::move(file)); }
    static InspectedItem installedApp(InstalledAppItem app) { return InspectedItem(std::move(app)); }

    Kind kind() const { return static_cast<Kind>(payload_.index()); }
    const Payload& payload() const { return payload_; }
    // The record's id, whichever case it is.
    const std::string& id() const
    {
        return std::visit([](const auto& record) -> const std::string& { return record.id; }, payload_);
    }
    template <typename Record> const Record* as() const { return std::get_if<Record>(&payload_); }

    bool operator==(const InspectedItem&) const = default;

  private:
    Payload payload_;
};

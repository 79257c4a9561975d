#pragma once
// The one item the inspector shows: a copy of a record from one of the engine's lists.

#include "Models/StorageModels.h"
#include "WindowLists.h"

#include <string>
#include <variant>

class InspectedItem {
  public:
    // In the order of the lists the records come from.
    using Payload =
        std::variant<SafeCacheRuleCard, ProjectBloatItem, DuplicateFileGroup, LargeFileItem, InstalledAppItem>;

    explicit InspectedItem(Payload payload) : payload_(std::move(payload)) {}

    // The list the record comes from.
    ShownList list() const { return ShownList(payload_.index()); }
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

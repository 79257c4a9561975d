#pragma once
// Records are found by their id, never by position: lists are republished whole.

#include <algorithm>
#include <string>

// The first record of `list` with this id, or list.end().
template <typename List> auto findById(List& list, const std::string& id)
{
    return std::find_if(list.begin(), list.end(), [&](const auto& record) { return record.id == id; });
}

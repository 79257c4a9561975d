#pragma once

#include <functional>
#include <iterator>
#include <type_traits>
#include <vector>

// One field (or any projection) of every element, in order: a list as one of its columns,
// so a test compares the whole column at once.
template <typename Range, typename Projection> auto fieldOf(const Range& range, Projection projection)
{
    using Value = std::remove_cvref_t<std::invoke_result_t<Projection&, decltype(*std::begin(range))>>;
    std::vector<Value> out;
    for (const auto& element : range)
        out.push_back(std::invoke(projection, element));
    return out;
}

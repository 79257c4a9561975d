#pragma once
// The sum of a figure over every element of a list (bytes, counts).

#include "Models/Basics.h"

template <typename List, typename Fn> Int64 sumOver(const List& list, Fn bytesOf)
{
    Int64 sum = 0;
    for (const auto& element : list)
        sum += bytesOf(element);
    return sum;
}

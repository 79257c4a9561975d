#pragma once
// How much stands at a place: what a clean reports as left behind, and what a Trash
// entry holds.

#include "Platform/FileOperations.h"

#include <climits>
#include <cstdint>

struct TreeTally {
    std::int64_t entries = 0; // the item itself and everything below it, of any kind
    std::int64_t bytes = 0;   // allocated bytes of its regular files, a file with several names once
    // What removing it all would free, as far as its regular files go: each file none of
    // whose names lie outside it (a cache file hard-linked to a document elsewhere frees
    // nothing, within the walked levels).
    std::int64_t ownBytes = 0;
    // `bytes` again, of what lies at most `nearLevel` levels below it (when asked for).
    std::int64_t nearBytes = 0;
};

// Walks what stands at the place (the item itself included) without following links,
// at most `maxLevel` levels below it. Nothing there: zero.
TreeTally tallyTree(const fileops::Place& place, int maxLevel = INT_MAX);
// The same, for a caller that has just taken the place's own attributes.
TreeTally tallyTree(const fileops::Place& place, const struct stat& itself, int maxLevel = INT_MAX);
// Also counts nearBytes in the same walk, for a caller that needs two depths (nearLevel <= maxLevel).
TreeTally tallyTree(const fileops::Place& place, const struct stat& itself, int nearLevel, int maxLevel);

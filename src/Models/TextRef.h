#pragma once
// A text named by a message id and the pieces that vary in it (names, sizes, counts,
// paths), so the window and the command line can say it in any language. Records keep
// the engine's own Simplified Chinese wording beside it; that is what files and --json hold.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TextRef {
    std::string id;                // empty: no message; the record's own text is shown
    std::vector<std::string> args; // %1, %2, …, shown as they are
    // Where one is given, argument i is this message said in the same language instead
    // (a restored item's name inside a banner).
    std::vector<TextRef> argTexts = {};

    bool empty() const { return id.empty(); }
    bool operator==(const TextRef&) const = default;
};

// A text of the engine's fixed tables: its message id and its Simplified Chinese wording.
struct EngineText {
    std::string_view id;
    std::string_view text;

    TextRef ref(std::vector<std::string> args = {}) const { return {std::string(id), std::move(args)}; }
    // The engine's wording with %1, %2, … replaced by `args`, as they are.
    std::string with(const std::vector<std::string>& args) const;
};

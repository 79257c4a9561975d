#pragma once
// The command line's sentences, from the translation catalogues in the language cli::language()
// chose. Arguments (sizes, counts, paths, names, errno texts) go where the text puts %1, %2, …;
// they are placed once and never read for placeholders themselves, so a path holding "%1"
// stays as it is.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace cli {

std::string say(std::string_view id, std::initializer_list<std::string_view> args = {});
// A count text: the form `count` takes in the language, %n the count, %1, … the arguments.
std::string sayCount(std::string_view id, std::int64_t count, std::initializer_list<std::string_view> args = {});
// Why an owned path (the lock, the history) was refused, in the chosen language.
std::string refusal(int error);

} // namespace cli

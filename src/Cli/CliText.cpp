#include "Cli/CliText.h"

#include "Cli/CliLanguage.h"
#include "L10n/BidiIsolation.h"
#include "L10n/Catalogues.h"
#include "Platform/OwnedPath.h"

#include <cstring>
#include <vector>

namespace cli {

namespace {

std::string withCliArguments(std::string_view text, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size() + 32);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
            // In Arabic a size or a path keeps its own left-to-right order inside the sentence.
            out += isolatedFigure(values[std::size_t(next - '1')], language());
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

} // namespace

std::string say(std::string_view id, std::initializer_list<std::string_view> args)
{
    return withCliArguments(Catalogues::text(id, language()), args);
}

std::string sayCount(std::string_view id, std::int64_t count, std::initializer_list<std::string_view> args)
{
    return withCliArguments(Catalogues::plural(id, language(), count), args);
}

std::string refusal(int error)
{
    switch (error) {
    case owned::kOtherOwner:
        return say("cli.refusal.otherOwner");
    case owned::kWritableByOthers:
        return say("cli.refusal.writableByOthers");
    case owned::kUnsafeParent:
        return say("cli.refusal.unsafeParent");
    default:
        return std::strerror(error);
    }
}

} // namespace cli

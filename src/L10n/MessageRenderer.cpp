#include "L10n/MessageRenderer.h"

#include "L10n/BidiIsolation.h"

#include <algorithm>
#include <unordered_map>

namespace {

#define QM_MESSAGE(id) MessageEntry{id, Text12{id}},
const MessageEntry kMessages[] = {
#include "L10n/CatalogueTextTable.inc"
};
#undef QM_MESSAGE

const Text12* find(std::string_view id)
{
    static const auto index = [] {
        std::unordered_map<std::string_view, const Text12*> byId;
        for (const MessageEntry& entry : kMessages)
            byId.emplace(entry.id, &entry.text);
        return byId;
    }();
    const auto found = index.find(id);
    return found == index.end() ? nullptr : found->second;
}

std::string argument(const TextRef& ref, std::size_t index, AppLanguage language)
{
    if (index < ref.argTexts.size() && !ref.argTexts[index].empty())
        return renderMessageOr(ref.argTexts[index], ref.args[index], language);
    return ref.args[index];
}

} // namespace

std::optional<std::string> renderMessage(const TextRef& ref, AppLanguage language)
{
    const Text12* message = find(ref.id);
    if (!message)
        return std::nullopt;
    const std::string_view text = (*message)(language);
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t placed = 0; // the highest argument number the text uses
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9') {
            const auto number = static_cast<std::size_t>(next - '0');
            placed = std::max(placed, number);
            if (number <= ref.args.size())
                out += isolatedFigure(argument(ref, number - 1, language), language);
            ++at;
        } else {
            out += text[at];
        }
    }
    if (placed < ref.args.size()) {
        out += " (";
        for (std::size_t i = placed; i < ref.args.size(); ++i)
            out.append(i > placed ? " · " : "").append(isolatedFigure(argument(ref, i, language), language));
        out += ")";
    }
    return out;
}

std::string renderMessageOr(const TextRef& ref, std::string_view ownText, AppLanguage language)
{
    if (ref.empty())
        return std::string(ownText);
    return renderMessage(ref, language).value_or(std::string(ownText));
}

std::string renderMessages(std::span<const TextRef> parts, AppLanguage language)
{
    std::string text;
    for (const TextRef& part : parts)
        text += renderMessage(part, language).value_or(std::string());
    return text;
}

std::string renderCardCategory(CleanCategoryFilter category, AppLanguage language)
{
    static constexpr std::string_view kIds[] = {"cache.category.all", "cache.category.browserOffice",
                                                "cache.category.aiAndDev", "cache.category.sandboxContainers",
                                                "cache.category.systemTemp"};
    return renderMessageOr({std::string(kIds[std::size_t(category)]), {}}, rawValue(category), language);
}

std::string renderLeftoverRule(std::string_view rule, AppLanguage language)
{
    static constexpr std::pair<std::string_view, std::string_view> kFields[] = {
        {"Package: ", "app.leftoverRule.package"},
        {"Exec: ", "app.leftoverRule.program"},
        {"StartupWMClass: ", "app.leftoverRule.windowClass"}};
    for (const auto& [field, id] : kFields)
        if (rule.starts_with(field))
            return renderMessageOr({std::string(id), {std::string(rule.substr(field.size()))}}, rule, language);
    if (rule.ends_with(".desktop"))
        return renderMessageOr({"app.leftoverRule.launcher", {std::string(rule)}}, rule, language);
    return std::string(rule);
}

std::span<const MessageEntry> allMessages() { return kMessages; }

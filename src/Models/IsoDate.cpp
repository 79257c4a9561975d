#include "Models/IsoDate.h"

#include <cstdio>
#include <ctime>

std::string isoDate(Date date)
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(date);
    const std::time_t t = std::chrono::system_clock::to_time_t(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return buffer;
}

std::string isoDateMilliseconds(Date date)
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(date);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(date - seconds).count();
    std::string text = isoDate(date);
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", int(millis));
    return text.insert(text.size() - 1, fraction);
}

std::optional<Date> parseIsoDate(std::string_view text)
{
    std::tm utc{};
    int millis = 0;
    int consumed = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &utc.tm_year, &utc.tm_mon, &utc.tm_mday, &utc.tm_hour,
                    &utc.tm_min, &utc.tm_sec, &consumed) != 6 ||
        consumed != 19)
        return std::nullopt;
    std::string_view rest = text.substr(19);
    if (rest.size() == 5 && rest[0] == '.') {
        for (const char c : rest.substr(1, 3)) {
            if (c < '0' || c > '9')
                return std::nullopt;
            millis = millis * 10 + (c - '0');
        }
        rest.remove_prefix(4);
    }
    if (rest != "Z")
        return std::nullopt;
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    const std::time_t seconds = timegm(&utc);
    return std::chrono::system_clock::from_time_t(seconds) + std::chrono::milliseconds(millis);
}

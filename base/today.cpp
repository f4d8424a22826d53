#include "base/today.h"

#include <cstdio>
#include <ctime>

namespace corrolab {

std::chrono::year_month_day LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return std::chrono::year(local.tm_year + 1900) / (local.tm_mon + 1) / local.tm_mday;
}

std::string IsoDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<std::chrono::year_month_day> ParseIsoDate(const std::string& text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char rest = 0;
    if (text.size() != 10
        || std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &rest) != 3)
        return std::nullopt;
    const std::chrono::year_month_day date {
        std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok())
        return std::nullopt;
    return date;
}

} // namespace corrolab

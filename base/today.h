#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace corrolab {

// Today's date in the local time zone: the one "today" of the command line.
std::chrono::year_month_day LocalToday();

// "2039-06-08"
std::string IsoDate(std::chrono::year_month_day date);
// A date typed as YYYY-MM-DD; std::nullopt when it is not a valid date.
std::optional<std::chrono::year_month_day> ParseIsoDate(const std::string& text);

} // namespace corrolab

#pragma once

#include <chrono>

namespace corrolab {

// Today's date in the local time zone: the one "today" of the command line.
std::chrono::year_month_day LocalToday();

} // namespace corrolab

#pragma once

#include <span>
#include <string_view>

namespace corrolab {

// The built-in element records: 109 comma-separated records of 22 fields each,
// in ascending atomic number from Hydrogen (1) to Meitnerium (109).
// A field without a value holds "--".
std::span<const std::string_view> ElementRecords();

} // namespace corrolab

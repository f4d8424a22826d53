#pragma once

#include <string>
#include <string_view>

namespace corrolab {

// What the status line tells when the value box holds more than a number: the
// read keeps its leading number and ignores the rest ("70,5" under a decimal-comma
// habit, "12abc"), so the user sees which number was converted: "read as 70",
// "read as 0" for a text without a leading number. Empty when the text is just a
// number (blanks around it allowed) or empty.
std::string ReadAsNote(std::string_view valueText);

} // namespace corrolab

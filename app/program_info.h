#pragma once

#include "datafiles/data_folders.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The program's version, as `corrolab --version` and Help > About give it.
std::string_view ProgramVersion();

// The licence the program is offered under, by its SPDX name.
inline constexpr std::string_view kProgramLicence = "GPL-3.0-or-later";

// What Help > About shows: the program and its version, its licence, and the
// data files in use with the folders searched for them.
std::string AboutText(const std::vector<DataFolder>& folders);

// The line a printed or exported report ends with: the program, its version and
// licence, and the day ("Corrolab 1.0.0 (GPL-3.0-or-later), 2026-12-09").
std::string ReportFooter(std::chrono::year_month_day day);

} // namespace corrolab

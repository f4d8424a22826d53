#pragma once

#include "currency/http_get.h"
#include "datafiles/data_folders.h"

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// Where the ECB publishes the day's euro reference rates.
inline constexpr const char* kEcbDailyRatesUrl
    = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

extern const char* const kRatesHelp;

struct RatesCommandSettings
{
    // Where the rates file in use is found; the new one goes to the user's folder.
    std::vector<DataFolder> folders;
    std::optional<std::chrono::year_month_day> today; // the system's date when empty
    HttpLimits limits;
    std::filesystem::path fetchProgram; // the downloader `rates update` runs
};

// `corrolab rates import FILE` and `corrolab rates update [--url URL]` with the
// arguments after "rates": writes a new rates file into the user's data folder
// and prints what changed. Returns 0 done, 1 failed (the rates file in use is
// then untouched), 2 wrong usage.
int RunRatesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    const RatesCommandSettings& settings);

} // namespace corrolab

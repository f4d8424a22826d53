#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corrolab {

// The euro reference rates of one day as the European Central Bank publishes
// them: units of each currency per 1 euro.
struct EcbRates
{
    std::chrono::year_month_day date;
    std::map<std::string, double> perEuro; // by ISO code ("USD")
    // Codes listed without a usable rate ("JPY: rate missing").
    std::vector<std::string> rejected;
};

struct EcbError
{
    std::string message;
};

using EcbResult = std::variant<EcbRates, EcbError>;

// Larger files are refused unread: the ECB's largest history file is a few MB.
inline constexpr std::size_t kLargestEcbFile = 32 * 1024 * 1024;

// The daily or 90-day XML (<Cube time="YYYY-MM-DD"><Cube currency="USD" rate="1.04"/>):
// the newest day it holds.
EcbResult ParseEcbXml(std::string_view xml);

// The CSV of eurofxref.zip ("Date, USD, JPY, ..." then one line of rates) or of the
// history: the newest line.
EcbResult ParseEcbCsv(std::string_view csv);

// The XML or CSV inside a zip such as eurofxref.zip.
EcbResult ParseEcbZip(std::string_view zip);

// Any of the three, told apart by their content.
EcbResult ParseEcbData(std::string_view data);

} // namespace corrolab

#pragma once

#include "currency/ecb_rates.h"
#include "currency/rates_reader.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// What an import changes, by the names the program lists.
struct RatesChanges
{
    std::vector<std::string> updated; // rates taken from the ECB's
    std::vector<std::string> kept; // not published by the ECB: previous rates kept
    std::vector<std::string> added; // new to the rates file
    std::vector<std::string> rejected; // listed by the ECB without a usable rate
};

struct RatesImport
{
    std::string content; // the new rates file
    RatesFile file; // the new file as the program reads it
    RatesChanges changes;
};

struct RatesImportError
{
    std::string message;
};

// Builds the new rates file from the ECB's rates and the file in use: rates per
// US Dollar, the legacy euro currencies from the euro rate, the currencies the
// ECB does not publish kept. Fails when the file in use has a shifted line (its
// currencies after it would be lost), when the ECB's rates are dated after today,
// lack the US Dollar or the euro rate cannot be formed, or when the new file read
// back would list fewer currencies than the file in use.
std::variant<RatesImport, RatesImportError> BuildRatesImport(
    const EcbRates& ecb, const RatesFile& current, std::chrono::year_month_day today);

// The same from the bytes of an ECB file (XML, CSV or zip).
std::variant<RatesImport, RatesImportError> ImportEcbData(
    std::string_view ecbData, const RatesFile& current, std::chrono::year_month_day today);

// "Updated 19 currencies, kept 30, added 0." and the lines naming them.
std::string DescribeChanges(const RatesChanges& changes);

// Checks a new rates file against the one it replaces: every currency the old one
// listed is listed, no line is shifted, every rate is usable. The reason when not.
std::optional<std::string> NewRatesProblem(const RatesFile& fresh, const RatesFile& current);

} // namespace corrolab

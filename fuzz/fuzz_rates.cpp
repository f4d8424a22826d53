// Fuzzes the exchange-rates file: its reading, its storage in the unit table's
// currency row and conversions between the currencies it lists. The input is the
// content of a rates file.

#include "app/conversion.h"
#include "base/lenient_number.h"
#include "base/unit_table.h"
#include "currency/rates_reader.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab::fuzz {
namespace {

constexpr size_t kHeaderFields = 5;
constexpr int kNeighbourCategory = kCurrencyCategory - 1;
// A unit name no field of a rates file can give: a field holds no comma unless
// quoted, and a quoted one holds no quote.
constexpr std::string_view kNeighbourName = "\",neighbour";

// A field that is a plain positive decimal such as "1.60" or "16300": a rate the
// reader must accept.
bool IsPlainDecimal(std::string_view field)
{
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    size_t digits = 0;
    size_t points = 0;
    for (char c : field) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

void CheckParse(
    std::string_view content, const std::vector<std::string>& fields, const RatesFile& file)
{
    FUZZ_CHECK(file.caption == (fields.size() > kHeaderFields ? fields[kHeaderFields] : ""));
    FUZZ_CHECK(file.currencies.size() <= static_cast<size_t>(kMaxCurrencies));
    FUZZ_CHECK(fields.size() <= content.size() + 1);

    // Name/rate pairs follow the caption until an empty name; the first ones are kept.
    size_t listed = 0;
    for (size_t i = kHeaderFields + 1; i < fields.size() && !fields[i].empty(); i += 2)
        ++listed;
    // A shifted file (a name that reads as a number) keeps only the pairs before
    // the line that shifts; any other file keeps every listed pair.
    const size_t kept = std::min(listed, static_cast<size_t>(kMaxCurrencies));
    if (file.misalignedLine) {
        FUZZ_CHECK(*file.misalignedLine >= 1);
        FUZZ_CHECK(file.currencies.size() <= kept);
    } else {
        FUZZ_CHECK(file.currencies.size() == kept);
    }

    for (size_t k = 0; k < file.currencies.size(); ++k) {
        const CurrencyRate& currency = file.currencies[k];
        const size_t nameField = kHeaderFields + 1 + 2 * k;
        FUZZ_CHECK(!currency.name.empty());
        FUZZ_CHECK(currency.name.size() <= kMaxCurrencyNameLength);
        FUZZ_CHECK(currency.name == fields[nameField].substr(0, kMaxCurrencyNameLength));
        const std::string_view rateField
            = nameField + 1 < fields.size() ? std::string_view(fields[nameField + 1]) : "";
        if (currency.rate) {
            FUZZ_CHECK(std::isfinite(*currency.rate) && *currency.rate > 0);
            // A usable rate is the number its field shows.
            const std::optional<double> typed = LenientValue(rateField);
            FUZZ_CHECK(typed && *typed == *currency.rate);
        } else if (IsPlainDecimal(rateField)) {
            const std::optional<double> typed = LenientValue(rateField);
            FUZZ_CHECK(!typed || *typed == 0);
        }
    }
}

// The currency row as StoreCurrencies must leave it.
void CheckStored(const UnitTable& table, const RatesFile& file)
{
    const size_t n = file.currencies.size();
    FUZZ_CHECK(table.Name(0, kCurrencyCategory).empty());
    for (int unit = 1; unit <= UnitTable::kLastUnit; ++unit) {
        const std::string& stored = table.Name(unit, kCurrencyCategory);
        const double factor = table.Factor(unit, kCurrencyCategory);
        if (static_cast<size_t>(unit) > n) {
            FUZZ_CHECK(stored.empty() && factor == 0);
            continue;
        }
        const CurrencyRate& currency = file.currencies[static_cast<size_t>(unit) - 1];
        FUZZ_CHECK(stored == CurrencyKey(currency.name));
        FUZZ_CHECK(stored.size() == currency.name.size());
        for (size_t i = 0; i < stored.size(); ++i) {
            const char c = currency.name[i];
            FUZZ_CHECK(stored[i] == (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
        }
        if (currency.rate)
            FUZZ_CHECK(factor == *currency.rate);
        else
            FUZZ_CHECK(std::isnan(factor));
    }
    // The rows around it are not touched.
    FUZZ_CHECK(table.Name(1, kNeighbourCategory) == kNeighbourName);
    FUZZ_CHECK(table.Factor(1, kNeighbourCategory) == 2.0);
}

// The rate a listed name converts with: that of the first currency with its key.
std::optional<double> RateOfListed(const RatesFile& file, const std::string& name)
{
    const std::string key = CurrencyKey(name);
    for (const CurrencyRate& currency : file.currencies)
        if (CurrencyKey(currency.name) == key)
            return currency.rate;
    FUZZ_CHECK(false);
    return std::nullopt;
}

// Converts between two listed names: the ratio once, then "1" and the caption's
// text as typed values; the result box is shown for the caption's text. (Each
// lookup scans the whole unit table, so one pair per input keeps the runs fast.)
void CheckConversion(
    const UnitTable& table, const RatesFile& file, const std::string& from, const std::string& to)
{
    const Conversion conversion = Conversion::FromUnitTable(table, from, to);
    const std::string shown = conversion.Format(file.caption, false);
    FUZZ_CHECK(!ShowsNonFinite(shown));
    FUZZ_CHECK(conversion.resolved() == conversion.reason().empty());

    const std::optional<double> fromRate = RateOfListed(file, from);
    const std::optional<double> toRate = RateOfListed(file, to);
    if (!fromRate || !toRate) {
        // An unusable rate converts to nothing, in either direction.
        FUZZ_CHECK(!conversion.resolved() && shown.empty());
        return;
    }
    const float expectedRatio = static_cast<float>(*toRate / *fromRate);
    if (!std::isfinite(expectedRatio)) {
        FUZZ_CHECK(!conversion.resolved() && shown.empty());
        return;
    }
    FUZZ_CHECK(conversion.resolved());
    // 1 converts to the single-precision ratio itself.
    const std::optional<double> one = conversion.Apply("1", false).number;
    FUZZ_CHECK(one && *one == static_cast<double>(expectedRatio));
    const double exact = *toRate / *fromRate;
    const double ratioError
        = exact == 0 ? 0 : std::fabs((static_cast<double>(expectedRatio) - exact) / exact);
    FUZZ_CHECK(std::isfinite(ratioError) && ratioError >= 0);
    if (std::fabs(expectedRatio) >= std::numeric_limits<float>::min())
        FUZZ_CHECK(ratioError <= 0x1p-24 * (1 + 1e-9));

    for (const std::string_view value : {std::string_view("1"), std::string_view(file.caption)}) {
        const std::optional<double> result = conversion.Apply(value, false).number;
        const std::optional<double> number = LenientValue(value);
        const double expected = number ? *number * static_cast<double>(expectedRatio) : 0.0;
        if (number && std::isfinite(expected))
            FUZZ_CHECK(result && *result == expected);
        else
            FUZZ_CHECK(!result);
    }
    const std::optional<double> typed = conversion.Apply(file.caption, false).number;
    if (typed) {
        FUZZ_CHECK(shown == ResultText(*typed, false, ratioError));
        FUZZ_CHECK(!shown.empty());
    } else {
        FUZZ_CHECK(shown.empty());
    }
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corrolab;
    using namespace corrolab::fuzz;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = RatesFields(content);
    const RatesFile file = ParseRatesFile(content);
    CheckParse(content, fields, file);

    // What the row held before must go, whatever it was.
    static UnitTable table;
    for (int unit = 0; unit <= UnitTable::kLastUnit; ++unit)
        table.Store(unit, kCurrencyCategory, "JUNK", 1.0);
    table.Store(1, kNeighbourCategory, std::string(kNeighbourName), 2.0);
    StoreCurrencies(table, file);
    CheckStored(table, file);

    // One pair of the listed currencies, chosen by the input.
    const size_t n = file.currencies.size();
    if (n > 0) {
        const size_t from = size % n;
        const size_t to = (size / n + data[0]) % n;
        CheckConversion(table, file, file.currencies[from].name, file.currencies[to].name);
    }
    return 0;
}

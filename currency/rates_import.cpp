#include "currency/rates_import.h"

#include <array>
#include <charconv>
#include <cmath>
#include <set>

namespace corrolab {

namespace {

struct PublishedCurrency
{
    const char* code;
    const char* name; // as the program lists it
};

// The currencies the program lists that the ECB publishes against the euro.
constexpr std::array<PublishedCurrency, 18> kPublished {{
    {"AUD", "Australian Dollar"},
    {"CAD", "Canadian Dollar"},
    {"DKK", "Danish Kroner"},
    {"HKD", "Hong Kong Dollar"},
    {"INR", "Indian Rupee"},
    {"IDR", "Indonesian Rupiah"},
    {"JPY", "Japanese Yen"},
    {"NZD", "New Zealand"},
    {"NOK", "Norwegian Kroner"},
    {"PHP", "Philippines Peso"},
    {"GBP", "Pound Sterling"},
    {"ZAR", "South African Rand"},
    {"SGD", "Singapore Dollar"},
    {"SEK", "Swedish Krona"},
    {"CHF", "Swiss Franc"},
    {"THB", "Thailand Baht"},
    {"TRY", "Turkish Lyre"},
    {"USD", "US Dollar"},
}};

struct LegacyCurrency
{
    const char* name;
    double perEuro; // the irrevocable conversion rate
};

// The currencies the euro replaced, at their fixed rates to the euro.
constexpr std::array<LegacyCurrency, 11> kLegacy {{
    {"Austrian Schilling", 13.7603},
    {"Belgium Franc", 40.3399},
    {"Cyprus Pound", 0.585274},
    {"Deutsche Mark", 1.95583},
    {"Finland Markka", 5.94573},
    {"French Franc", 6.55957},
    {"Greek Drachma", 340.750},
    {"Holland Guilder", 2.20371},
    {"Irish Pound", 0.787564},
    {"Italian Lira", 1936.27},
    {"Spanish Peseta", 166.386},
}};

constexpr const char* kEuro = "Euro";

std::string RateText(double rate)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), rate, std::chars_format::general, 10);
    return std::string(buffer.data(), result.ptr);
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text)
        if (c != '"' && c != '\n' && c != '\r')
            quoted += c;
    return quoted + "\"";
}

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined.empty() ? "none" : joined;
}

// The rates per US Dollar the ECB's rates give, by the program's names.
std::vector<CurrencyRate> FreshRates(const EcbRates& ecb, double dollarsPerEuro)
{
    std::vector<CurrencyRate> rates;
    for (const PublishedCurrency& currency : kPublished) {
        const auto found = ecb.perEuro.find(currency.code);
        if (found != ecb.perEuro.end())
            rates.push_back({currency.name, found->second / dollarsPerEuro});
    }
    const double eurosPerDollar = 1 / dollarsPerEuro;
    rates.push_back({kEuro, eurosPerDollar});
    for (const LegacyCurrency& legacy : kLegacy)
        rates.push_back({legacy.name, legacy.perEuro * eurosPerDollar});
    return rates;
}

std::string RatesFileText(const std::vector<CurrencyRate>& currencies, const RatesChanges& changes,
    std::chrono::year_month_day date)
{
    const std::string day = DayMonthYear(date);
    std::string text;
    text += Quoted("Corrolab exchange rates: euro reference rates of the European Central Bank of "
                + day + ", converted to US Dollar")
        + "\n";
    text += Quoted("Reference currency: US Dollar = 1; each rate is the number of units of that "
                   "currency per 1 US Dollar")
        + "\n";
    text += Quoted("Not published by the ECB, previous rates kept: " + JoinNames(changes.kept))
        + "\n";
    text += Quoted("Legacy euro-area currencies: the Euro rate times their irrevocable euro "
                   "conversion rates, so conversions among them are exact")
        + "\n";
    text += Quoted("Edit with any text editor; keep one quoted name and one rate per line, a point "
                   "as decimal separator; an empty name ends the list")
        + "\n";
    text += Quoted("ECB " + day + " Rates") + "\n";
    for (const CurrencyRate& currency : currencies)
        text += Quoted(currency.name) + "," + (currency.rate ? RateText(*currency.rate) : "0")
            + "\n";
    return text;
}

bool SameRate(double written, double meant)
{
    return std::fabs(written - meant) <= 1e-8 * std::fabs(meant);
}

} // namespace

std::optional<std::string> NewRatesProblem(const RatesFile& fresh, const RatesFile& current)
{
    if (fresh.misalignedLine)
        return "the new rates file reads wrong from line " + std::to_string(*fresh.misalignedLine);
    for (const CurrencyRate& old : current.currencies) {
        const CurrencyRate* found = nullptr;
        for (const CurrencyRate& now : fresh.currencies)
            if (now.name == old.name)
                found = &now;
        if (found == nullptr)
            return "the new rates file would not list " + old.name;
        if (old.rate && !found->rate)
            return "the new rates file would have no usable rate for " + old.name;
    }
    return std::nullopt;
}

std::variant<RatesImport, RatesImportError> BuildRatesImport(
    const EcbRates& ecb, const RatesFile& current, std::chrono::year_month_day today)
{
    if (std::chrono::sys_days(ecb.date) > std::chrono::sys_days(today))
        return RatesImportError {"The ECB rates are dated " + DayMonthYear(ecb.date)
            + ", after today (" + DayMonthYear(today)
            + "). Check the computer's date or the file; nothing was changed."};
    if (current.misalignedLine)
        return RatesImportError {"The rates file in use does not read right from line "
            + std::to_string(*current.misalignedLine)
            + " (a rate with a decimal comma?). Mend that line first, so that no currency after "
              "it is lost; nothing was changed."};
    const auto dollar = ecb.perEuro.find("USD");
    if (dollar == ecb.perEuro.end())
        return RatesImportError {"The ECB file has no usable US Dollar rate, so no rate can be "
                                 "converted; nothing was changed."};

    RatesImport import;
    import.changes.rejected = ecb.rejected;
    const std::vector<CurrencyRate> fresh = FreshRates(ecb, dollar->second);
    const auto freshRate = [&](const std::string& name) -> const CurrencyRate* {
        for (const CurrencyRate& rate : fresh)
            if (rate.name == name)
                return &rate;
        return nullptr;
    };

    std::vector<CurrencyRate> currencies;
    std::set<std::string> listed;
    for (const CurrencyRate& old : current.currencies) {
        if (!listed.insert(old.name).second)
            continue;
        if (const CurrencyRate* rate = freshRate(old.name)) {
            currencies.push_back(*rate);
            import.changes.updated.push_back(old.name);
        } else {
            currencies.push_back(old);
            import.changes.kept.push_back(old.name);
        }
    }
    for (const CurrencyRate& rate : fresh)
        if (listed.insert(rate.name).second) {
            currencies.push_back(rate);
            import.changes.added.push_back(rate.name);
        }
    if (currencies.size() > static_cast<size_t>(kMaxCurrencies))
        return RatesImportError {"The new rates file would hold more than "
            + std::to_string(kMaxCurrencies) + " currencies; nothing was changed."};

    import.content = RatesFileText(currencies, import.changes, ecb.date);
    import.file = ParseRatesFile(import.content);
    if (const auto problem = NewRatesProblem(import.file, current))
        return RatesImportError {"The import was stopped: " + *problem + "; nothing was changed."};
    for (size_t i = 0; i < currencies.size(); ++i) {
        const CurrencyRate& written = import.file.currencies.at(i);
        if (written.name != currencies[i].name
            || (currencies[i].rate
                && (!written.rate || !SameRate(*written.rate, *currencies[i].rate))))
            return RatesImportError {"The import was stopped: the rate of " + currencies[i].name
                + " does not read back as written; nothing was changed."};
    }
    return import;
}

std::variant<RatesImport, RatesImportError> ImportEcbData(
    std::string_view ecbData, const RatesFile& current, std::chrono::year_month_day today)
{
    const EcbResult ecb = ParseEcbData(ecbData);
    if (const auto* error = std::get_if<EcbError>(&ecb))
        return RatesImportError {error->message + " Nothing was changed."};
    return BuildRatesImport(std::get<EcbRates>(ecb), current, today);
}

std::string DescribeChanges(const RatesChanges& changes)
{
    std::string text = "Updated " + std::to_string(changes.updated.size()) + " currencies, kept "
        + std::to_string(changes.kept.size()) + ", added " + std::to_string(changes.added.size())
        + ".\n";
    text += "Updated: " + JoinNames(changes.updated) + "\n";
    text += "Kept (not published by the ECB): " + JoinNames(changes.kept) + "\n";
    text += "Added: " + JoinNames(changes.added) + "\n";
    if (!changes.rejected.empty())
        text += "Not usable in the ECB file, previous rates kept: " + JoinNames(changes.rejected)
            + "\n";
    return text;
}

} // namespace corrolab

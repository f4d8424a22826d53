#include "corrosion/rates_reader.h"

#include "app/program_files.h"
#include "app/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

namespace corrolab {

namespace {

// Moves past one separator: a comma, or a line break (CR LF counts once).
size_t SkipSeparator(std::string_view content, size_t pos)
{
    if (pos >= content.size())
        return pos;
    if (content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

std::optional<double> PlainRate(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (!std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

} // namespace

std::vector<std::string> RatesFields(std::string_view content)
{
    std::vector<std::string> fields;
    size_t pos = 0;
    while (pos < content.size()) {
        while (pos < content.size() && IsBlank(content[pos]))
            ++pos;
        std::string field;
        if (pos < content.size() && content[pos] == '"') {
            const size_t close = content.find('"', pos + 1);
            const size_t end = close == std::string_view::npos ? content.size() : close;
            field = content.substr(pos + 1, end - pos - 1);
            pos = end == content.size() ? end : end + 1;
            // Anything between the closing quote and the separator is ignored.
            while (pos < content.size() && content[pos] != ',' && !IsLineBreak(content[pos]))
                ++pos;
        } else {
            const size_t start = pos;
            while (pos < content.size() && content[pos] != ',' && !IsLineBreak(content[pos]))
                ++pos;
            field = Trimmed(content.substr(start, pos - start));
        }
        fields.push_back(std::move(field));
        pos = SkipSeparator(content, pos);
    }
    return fields;
}

RatesFile ParseRatesFile(std::string_view content)
{
    constexpr size_t kHeaderFields = 5;
    RatesFile file;
    const std::vector<std::string> fields = RatesFields(content);
    if (fields.size() > kHeaderFields)
        file.caption = fields[kHeaderFields];
    for (size_t i = kHeaderFields + 1; i < fields.size(); i += 2) {
        if (fields[i].empty())
            break;
        if (file.currencies.size() == static_cast<size_t>(kMaxCurrencies))
            continue;
        const std::optional<double> rate
            = i + 1 < fields.size() ? PlainRate(fields[i + 1]) : std::nullopt;
        file.currencies.push_back({fields[i].substr(0, kMaxCurrencyNameLength), rate});
    }
    return file;
}

int AgeInDays(std::chrono::year_month_day fileDate, std::chrono::year_month_day today)
{
    const auto days = (std::chrono::sys_days(today) - std::chrono::sys_days(fileDate)).count();
    return static_cast<int>(days < 0 ? -days : days);
}

std::optional<std::filesystem::path> FindRatesFile(const std::filesystem::path& folder)
{
    return FindFileIgnoringCase(folder, kRatesFileName);
}

std::optional<std::string> ReadRatesFile(const std::filesystem::path& path)
{
    // Read in pieces: a device or a pipe tells no size, and a regular file may
    // grow while it is read. Only what the file holds is ever allocated.
    constexpr size_t kPiece = 16 * 1024;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content;
    while (content.size() < kMaxRatesFileBytes) {
        const size_t start = content.size();
        const size_t wanted = std::min(kPiece, kMaxRatesFileBytes - start);
        content.resize(start + wanted);
        in.read(content.data() + start, static_cast<std::streamsize>(wanted));
        const auto got = static_cast<size_t>(in.gcount());
        content.resize(start + got);
        if (got < wanted)
            break;
    }
    return content;
}

std::string MonthRatesCaption(std::chrono::year_month_day date)
{
    static constexpr std::array<const char*, 12> kMonths
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const unsigned month = static_cast<unsigned>(date.month());
    const char* name = month >= 1 && month <= 12 ? kMonths[month - 1] : "---";
    return std::string(name) + " " + std::to_string(static_cast<int>(date.year())) + " Rates";
}

std::string CurrencyKey(std::string_view name)
{
    return AsciiCapitals(name);
}

std::string OldRatesQuestion(int ageDays)
{
    return "Exchange rates in 'Currency.txt' file are " + std::to_string(ageDays)
        + " days old.\nContact author for an update OR edit the 'Currency.txt' file.";
}

std::string NewerRatesOffer(const std::filesystem::path& programFolder)
{
    return "The latest version of the file will be opened in your Internet Browser. Please save "
           "it as 'Currency.txt' in the folder "
        + programFolder.string();
}

void StoreCurrencies(UnitTable& table, const RatesFile& file)
{
    table.ClearCategory(kCurrencyCategory);
    int column = 0;
    for (const CurrencyRate& currency : file.currencies) {
        ++column;
        const double factor = currency.rate.value_or(std::numeric_limits<double>::quiet_NaN());
        table.Store(column, kCurrencyCategory, CurrencyKey(currency.name), factor);
    }
}

} // namespace corrolab

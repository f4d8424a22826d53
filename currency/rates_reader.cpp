#include "currency/rates_reader.h"

#include "base/text.h"
#include "datafiles/program_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
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

namespace {

struct Field
{
    std::string text;
    int line = 1; // the line the field starts on
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int LineBreaksIn(std::string_view text)
{
    int breaks = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++breaks;
    return breaks;
}

std::vector<Field> FieldsWithLines(std::string_view content)
{
    if (content.starts_with(kByteOrderMark))
        content.remove_prefix(kByteOrderMark.size());
    std::vector<Field> fields;
    size_t pos = 0;
    int line = 1;
    while (pos < content.size()) {
        while (pos < content.size() && IsBlank(content[pos]))
            ++pos;
        const size_t fieldStart = pos;
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
        fields.push_back({std::move(field), line});
        const size_t next = SkipSeparator(content, pos);
        line += LineBreaksIn(content.substr(fieldStart, next - fieldStart));
        pos = next;
    }
    return fields;
}

// A name field that holds a number: the tail of a rate split at a decimal comma.
bool ReadsAsNumber(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::vector<std::string> RatesFields(std::string_view content)
{
    std::vector<std::string> fields;
    for (Field& field : FieldsWithLines(content))
        fields.push_back(std::move(field.text));
    return fields;
}

RatesFile ParseRatesFile(std::string_view content)
{
    constexpr size_t kHeaderFields = 5;
    RatesFile file;
    const std::vector<Field> fields = FieldsWithLines(content);
    if (fields.size() > kHeaderFields)
        file.caption = fields[kHeaderFields].text;
    std::vector<int> nameLines;
    for (size_t i = kHeaderFields + 1; i < fields.size(); i += 2) {
        if (fields[i].text.empty())
            break;
        if (ReadsAsNumber(fields[i].text)) {
            file.misalignedLine = fields[i].line;
            while (!nameLines.empty() && nameLines.back() == fields[i].line) {
                nameLines.pop_back();
                file.currencies.pop_back();
            }
            break;
        }
        if (file.currencies.size() == static_cast<size_t>(kMaxCurrencies))
            continue;
        const std::optional<double> rate
            = i + 1 < fields.size() ? PlainRate(fields[i + 1].text) : std::nullopt;
        file.currencies.push_back({fields[i].text.substr(0, kMaxCurrencyNameLength), rate});
        nameLines.push_back(fields[i].line);
    }
    return file;
}

std::string MisalignedRatesMessage(const std::filesystem::path& file, int line)
{
    return "Line " + std::to_string(line) + " of the rates file " + file.string()
        + " does not hold one name and one rate (a rate written with a decimal comma?).\n"
          "The currencies from that line on are not loaded. Write rates with a decimal point, "
          "for example \"Euro\",0.965.";
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
    return ReadFileUpTo(path, kMaxRatesFileBytes);
}

std::string MonthRatesCaption(std::chrono::year_month_day date)
{
    static constexpr std::array<const char*, 12> kMonths
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const unsigned month = static_cast<unsigned>(date.month());
    const char* name = month >= 1 && month <= 12 ? kMonths[month - 1] : "---";
    return std::string(name) + " " + std::to_string(static_cast<int>(date.year())) + " Rates";
}

namespace {

constexpr std::array<const char*, 12> kMonthNames
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::optional<unsigned> MonthNumber(std::string_view word)
{
    if (word.size() < 3)
        return std::nullopt;
    for (unsigned m = 0; m < kMonthNames.size(); ++m) {
        const std::string_view name = kMonthNames[m];
        if (AsciiCapitals(word.substr(0, 3)) == AsciiCapitals(name))
            return m + 1;
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view word)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (IsBlank(text[pos]) || text[pos] == ','))
            ++pos;
        const size_t start = pos;
        while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != ',')
            ++pos;
        if (pos > start)
            words.push_back(text.substr(start, pos - start));
    }
    return words;
}

std::optional<std::chrono::year_month_day> IsoDate(std::string_view word)
{
    if (word.size() != 10 || word[4] != '-' || word[7] != '-')
        return std::nullopt;
    const auto y = WholeNumber(word.substr(0, 4));
    const auto m = WholeNumber(word.substr(5, 2));
    const auto d = WholeNumber(word.substr(8, 2));
    if (!y || !m || !d || *m < 1 || *d < 1)
        return std::nullopt;
    const std::chrono::year_month_day date {std::chrono::year(*y),
        std::chrono::month(static_cast<unsigned>(*m)), std::chrono::day(static_cast<unsigned>(*d))};
    return date.ok() ? std::optional(date) : std::nullopt;
}

} // namespace

std::optional<std::chrono::year_month_day> CaptionDate(std::string_view caption)
{
    const std::vector<std::string_view> words = Words(caption);
    for (size_t i = 0; i < words.size(); ++i) {
        if (const auto iso = IsoDate(words[i]))
            return iso;
        if (i + 2 >= words.size())
            continue;
        const auto d = WholeNumber(words[i]);
        const auto m = MonthNumber(words[i + 1]);
        const auto y = WholeNumber(words[i + 2]);
        if (!d || !m || !y || *d < 1 || *d > 31 || words[i + 2].size() != 4)
            continue;
        const std::chrono::year_month_day date {std::chrono::year(*y), std::chrono::month(*m),
            std::chrono::day(static_cast<unsigned>(*d))};
        if (date.ok())
            return date;
    }
    return std::nullopt;
}

std::optional<std::chrono::year_month_day> RatesDate(
    std::string_view caption, std::optional<std::chrono::year_month_day> fileDate)
{
    if (const auto date = CaptionDate(caption))
        return date;
    return fileDate;
}

std::string DayMonthYear(std::chrono::year_month_day date)
{
    const unsigned month = static_cast<unsigned>(date.month());
    const char* name = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "---";
    return std::to_string(static_cast<unsigned>(date.day())) + " " + name + " "
        + std::to_string(static_cast<int>(date.year()));
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

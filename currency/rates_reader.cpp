#include "currency/rates_reader.h"

#include "base/text.h"
#include "datafiles/program_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iconv.h>
#include <limits>

namespace corrolab {

namespace {

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
    int line = 1; // the line the field stands on
    bool unclosed = false; // a quote that the line does not close
    bool decimalComma = false; // on a line separated by semicolons or tabs
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text of a UTF-16 file (Notepad's "Unicode") as UTF-8; a unit that is no
// character becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string text;
    iconv_t converter = ::iconv_open("UTF-8", bigEndian ? "UTF-16BE" : "UTF-16LE");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string out(bytes.size() / 2 * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft >= 2) {
        char* to = out.data();
        size_t outLeft = out.size();
        const size_t done = ::iconv(converter, &in, &inLeft, &to, &outLeft);
        text.append(out.data(), static_cast<size_t>(to - out.data()));
        if (done != static_cast<size_t>(-1) || errno != EILSEQ)
            break;
        text += "\xEF\xBF\xBD";
        in += 2;
        inLeft -= 2;
    }
    ::iconv_close(converter);
    return text;
}

// The content as UTF-8 text: a UTF-8 byte-order mark skipped, UTF-16 with its
// byte-order mark converted.
std::string TextOf(std::string_view content)
{
    if (content.starts_with("\xFF\xFE"))
        return Utf8FromUtf16(content.substr(2), false);
    if (content.starts_with("\xFE\xFF"))
        return Utf8FromUtf16(content.substr(2), true);
    if (content.starts_with(kByteOrderMark))
        content.remove_prefix(kByteOrderMark.size());
    return std::string(content);
}

size_t LineEnd(std::string_view content, size_t pos)
{
    while (pos < content.size() && !IsLineBreak(content[pos]))
        ++pos;
    return pos;
}

// The separator of the line from `pos`: a semicolon or a tab where editors and
// spreadsheets write them, else a comma. A tab separates only when every comma
// outside quotes stands between digits (a decimal comma); on semicolon and tab
// lines a comma is a decimal comma.
char LineSeparator(std::string_view content, size_t pos)
{
    const auto digit = [&](size_t at) {
        return at < content.size() && content[at] >= '0' && content[at] <= '9';
    };
    bool quoted = false;
    bool tab = false;
    bool listComma = false;
    const size_t start = pos;
    for (const size_t end = LineEnd(content, pos); pos < end; ++pos) {
        const char c = content[pos];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == ';')
            return ';';
        else if (c == '\t')
            tab = true;
        else if (c == ',' && !(pos > start && digit(pos - 1) && digit(pos + 1)))
            listComma = true;
    }
    return tab && !listComma ? '\t' : ',';
}

std::vector<Field> FieldsWithLines(std::string_view content)
{
    std::vector<Field> fields;
    size_t pos = 0;
    int line = 1;
    char separator = LineSeparator(content, 0);
    while (pos < content.size()) {
        const auto blank = [&](char c) { return c == ' ' || (c == '\t' && separator != '\t'); };
        while (pos < content.size() && blank(content[pos]))
            ++pos;
        Field field;
        field.line = line;
        field.decimalComma = separator != ',';
        const auto atEnd = [&](size_t at) {
            return at >= content.size() || content[at] == separator || IsLineBreak(content[at]);
        };
        if (pos < content.size() && content[pos] == '"') {
            const size_t end = LineEnd(content, pos + 1);
            const size_t close = content.substr(0, end).find('"', pos + 1);
            field.unclosed = close == std::string_view::npos;
            const size_t stop = field.unclosed ? end : close;
            field.text = content.substr(pos + 1, stop - pos - 1);
            pos = field.unclosed ? end : close + 1;
            // Anything between the closing quote and the separator is ignored.
            while (!atEnd(pos))
                ++pos;
        } else {
            const size_t start = pos;
            while (!atEnd(pos))
                ++pos;
            field.text = Trimmed(content.substr(start, pos - start));
        }
        fields.push_back(std::move(field));
        if (pos >= content.size())
            break;
        if (content[pos] == separator) {
            ++pos;
            continue;
        }
        // A line break: CR LF counts once.
        pos += content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n' ? 2 : 1;
        ++line;
        separator = LineSeparator(content, pos);
    }
    return fields;
}

std::optional<double> FieldRate(const Field& field)
{
    if (!field.decimalComma)
        return PlainRate(field.text);
    std::string text = field.text;
    std::ranges::replace(text, ',', '.');
    return PlainRate(text);
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
    for (Field& field : FieldsWithLines(TextOf(content)))
        fields.push_back(std::move(field.text));
    return fields;
}

RatesFile ParseRatesFile(std::string_view content)
{
    constexpr size_t kHeaderFields = 5;
    RatesFile file;
    const std::vector<Field> fields = FieldsWithLines(TextOf(content));
    std::vector<int> nameLines;
    // Stops before the line: the currencies read from it are left out too.
    const auto stopAt = [&](int line, std::string reason) {
        file.stop = RatesStop {line, std::move(reason)};
        while (!nameLines.empty() && nameLines.back() == line) {
            nameLines.pop_back();
            file.currencies.pop_back();
        }
    };
    if (fields.size() > kHeaderFields)
        file.caption = fields[kHeaderFields].text;
    for (size_t i = 0; i <= kHeaderFields && i < fields.size(); ++i)
        if (fields[i].unclosed) {
            stopAt(fields[i].line, "a quote is not closed");
            return file;
        }
    for (size_t i = kHeaderFields + 1; i < fields.size(); i += 2) {
        const Field& name = fields[i];
        if (name.unclosed || (i + 1 < fields.size() && fields[i + 1].unclosed)) {
            stopAt(name.unclosed ? name.line : fields[i + 1].line, "a quote is not closed");
            break;
        }
        if (name.text.empty()) {
            const bool more = std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                fields.end(), [](const Field& later) { return !later.text.empty(); });
            if (more)
                stopAt(name.line, "an empty name ends the list, yet entries follow it");
            break;
        }
        if (ReadsAsNumber(name.text)) {
            file.misalignedLine = name.line;
            stopAt(name.line,
                "it does not hold one name and one rate (a rate written with a decimal comma? "
                "write \"Euro\",0.965)");
            break;
        }
        if (file.currencies.size() == static_cast<size_t>(kMaxCurrencies)) {
            stopAt(name.line,
                "more than " + std::to_string(kMaxCurrencies)
                    + " currencies: the rest are not read");
            break;
        }
        const std::optional<double> rate
            = i + 1 < fields.size() ? FieldRate(fields[i + 1]) : std::nullopt;
        file.currencies.push_back({name.text.substr(0, kMaxCurrencyNameLength), rate});
        nameLines.push_back(name.line);
    }
    return file;
}

std::string RatesStopNote(const std::filesystem::path& file, const RatesFile& rates)
{
    if (!rates.stop)
        return "";
    const size_t count = rates.currencies.size();
    const std::string used = count == 0 ? "no currency is used"
        : count == 1                    ? "the 1 currency before it is used"
                     : "the " + std::to_string(count) + " currencies before it are used";
    return OneLine(file.filename().string(), 200) + " line " + std::to_string(rates.stop->line)
        + ": " + rates.stop->reason + "; " + used;
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

std::optional<RatesFile> ReadRatesFrom(const std::filesystem::path& path)
{
    const std::optional<std::string> content = ReadRatesFile(path);
    if (!content)
        return std::nullopt;
    return ParseRatesFile(*content);
}

std::optional<RatesInUse> ReadRatesInUse(const std::vector<DataFolder>& folders)
{
    const std::optional<FoundDataFile> found = FindDataFile(folders, kRatesFileName);
    if (!found)
        return std::nullopt;
    std::optional<RatesFile> rates = ReadRatesFrom(found->file);
    if (!rates)
        return std::nullopt;
    return RatesInUse {*found, std::move(*rates)};
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

std::optional<std::chrono::year_month_day> CaptionMonthEnd(std::string_view caption)
{
    // A month as an abbreviation or in full: "Marks 2025" names no month.
    static constexpr std::array<std::string_view, 12> kFullNames = {"JANUARY", "FEBRUARY", "MARCH",
        "APRIL", "MAY", "JUNE", "JULY", "AUGUST", "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    const std::vector<std::string_view> words = Words(caption);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        const auto m = MonthNumber(words[i]);
        if (m && words[i].size() != 3 && AsciiCapitals(words[i]) != kFullNames[*m - 1])
            continue;
        const auto y = WholeNumber(words[i + 1]);
        if (!m || !y || words[i + 1].size() != 4)
            continue;
        const std::chrono::year_month_day_last last {
            std::chrono::year(*y) / std::chrono::month(*m) / std::chrono::last};
        if (last.ok())
            return std::chrono::year_month_day(last);
    }
    return std::nullopt;
}

std::optional<std::chrono::year_month_day> RatesDate(
    std::string_view caption, std::optional<std::chrono::year_month_day> fileDate)
{
    if (const auto date = CaptionDate(caption))
        return date;
    // "Jan 2025 Rates" are no newer than the month's last day, whenever the file
    // was copied.
    if (const auto monthEnd = CaptionMonthEnd(caption))
        return monthEnd;
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

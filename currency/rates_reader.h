#pragma once

#include "base/unit_table.h"
#include "datafiles/data_folders.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The row of the unit table that holds the currencies.
inline constexpr int kCurrencyCategory = 34;
// Currencies held at most; further entries of the file are read and ignored.
inline constexpr int kMaxCurrencies = 100;
// Longer names are cut to this length: no currency's name comes near it, and a
// runaway field of a damaged file must not reach the lists whole.
inline constexpr size_t kMaxCurrencyNameLength = 64;
// Rates older (or newer) than this many days are reported once per run.
inline constexpr int kRatesAgeLimitDays = 30;
inline constexpr std::string_view kRatesFileName = "Currency.txt";
struct CurrencyRate
{
    std::string name; // as written in the file
    std::optional<double> rate; // units per reference unit; empty when unusable
};

struct RatesStop
{
    int line = 0;
    std::string reason;
};

struct RatesFile
{
    std::string caption;
    std::vector<CurrencyRate> currencies;
    // The line where the entries stop pairing a name with a rate (a rate typed
    // with a decimal comma splits into two fields and shifts all that follow);
    // the currencies from that line on are left out.
    std::optional<int> misalignedLine;
    // Where reading stopped before the entries the file holds were all read (a
    // shifted line, an empty name with entries after it, the 101st currency, a
    // quote that is not closed), and why; the currencies before it are used.
    std::optional<RatesStop> stop;
};

// Splits the rates file into fields: commas (or a line's semicolons or tabs) and
// line breaks separate fields, a field may be a quoted text (which may hold
// commas), blanks around a field are ignored. A quote that the line does not
// close runs to the end of the line.
std::vector<std::string> RatesFields(std::string_view content);

// Reads a rates file: five header fields, the caption, then name/rate pairs until
// an empty name or the end; at most kMaxCurrencies are kept. A rate that is not a
// plain positive finite number is kept as unusable, so that it converts to nothing.
// A UTF-8 byte-order mark at the start is skipped; UTF-16 with its byte-order mark
// is read as text. A line holding a semicolon (or, without a comma, a tab) is
// separated by it, and a comma in its rate is a decimal comma. A name that reads
// as a number marks a shifted file: reading stops before the line it stands on;
// so does a quote that the line does not close. Each stop is in `stop`.
RatesFile ParseRatesFile(std::string_view content);

// The note telling where reading the rates file stopped and why, the same in the
// windows and on the command line: "Currency.txt line 12: ...; the 11
// currencies before it are used". Empty when the file was read to its end.
std::string RatesStopNote(const std::filesystem::path& file, const RatesFile& rates);

// The date a caption names, such as "ECB 22 Jan 2025 Rates" or "Rates of
// 2025-01-22"; std::nullopt when it names none (a month alone is no date).
std::optional<std::chrono::year_month_day> CaptionDate(std::string_view caption);

// The last day of the month a caption names without a day ("Jan 2025 Rates":
// 31 Jan 2025); std::nullopt when it names no month and year.
std::optional<std::chrono::year_month_day> CaptionMonthEnd(std::string_view caption);

// The date the rates are of: the caption's date when it names one, else the last
// day of the month it names, else the file's modification date.
std::optional<std::chrono::year_month_day> RatesDate(
    std::string_view caption, std::optional<std::chrono::year_month_day> fileDate);

// Day, month abbreviation and year as an import writes them: "22 Jan 2025".
std::string DayMonthYear(std::chrono::year_month_day date);

// Whole days between two dates, as an absolute value.
int AgeInDays(std::chrono::year_month_day fileDate, std::chrono::year_month_day today);

// The rates file in a folder, whatever the letter case of its name.
std::optional<std::filesystem::path> FindRatesFile(const std::filesystem::path& folder);

// The most of a rates file that is read: a device or a runaway file (/dev/zero)
// must not stall the program.
inline constexpr size_t kMaxRatesFileBytes = 16 * 1024 * 1024;

// The content of a rates file, read at once and closed: the file is never written
// or kept open. Reading stops after kMaxRatesFileBytes. std::nullopt when it
// cannot be opened.
std::optional<std::string> ReadRatesFile(const std::filesystem::path& path);

// A named rates file read and parsed; std::nullopt when it cannot be opened.
std::optional<RatesFile> ReadRatesFrom(const std::filesystem::path& path);

// The rates file in use: the first of the data folders that holds one, read and
// parsed. The one road by which the windows, the command line and an import take
// the rates in use. std::nullopt when no folder holds a readable one.
struct RatesInUse
{
    FoundDataFile found;
    RatesFile rates;
};
std::optional<RatesInUse> ReadRatesInUse(const std::vector<DataFolder>& folders);

// "Dec 2026 Rates": the caption shown when the file gives none (English month
// abbreviations whatever the locale).
std::string MonthRatesCaption(std::chrono::year_month_day date);

// The texts of the old-rates question and of the offer of a newer file.
std::string OldRatesQuestion(int ageDays);
std::string NewerRatesOffer(const std::filesystem::path& programFolder);

// The key a currency name is stored under in the unit table: its ASCII letters
// in capitals.
std::string CurrencyKey(std::string_view name);

// Puts the currencies into the unit table's currency row, names in capitals,
// replacing what the row held. An unusable rate is stored so that it converts
// to nothing in either direction.
void StoreCurrencies(UnitTable& table, const RatesFile& file);

// What the main window keeps of the rates between loads.
struct RatesState
{
    std::string caption;
    bool warned = false;
    // Whether the last load found and read a rates file.
    bool loaded = false;
    // Whether a shifted file has been reported in this run.
    bool misalignmentTold = false;
};

// Asked once the ECB's page has been opened for a newer file.
inline constexpr std::string_view kImportSavedRatesQuestion
    = "When you have saved the ECB's rates from the page (eurofxref-daily.xml, eurofxref.csv "
      "or eurofxref.zip), import them now?";

// The caption shown when no rates file could be read.
inline constexpr std::string_view kNoRatesFileCaption = "No rates file";

} // namespace corrolab

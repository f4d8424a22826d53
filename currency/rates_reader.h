#pragma once

#include "base/unit_table.h"

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
// Where a newer rates file can be saved from.
inline constexpr std::string_view kLatestRatesAddress
    = "https://www.ecb.europa.eu/stats/policy_and_exchange_rates/euro_reference_exchange_rates/"
      "html/"
      "index.en.html";

struct CurrencyRate
{
    std::string name; // as written in the file
    std::optional<double> rate; // units per reference unit; empty when unusable
};

struct RatesFile
{
    std::string caption;
    std::vector<CurrencyRate> currencies;
    // The line where the entries stop pairing a name with a rate (a rate typed
    // with a decimal comma splits into two fields and shifts all that follow);
    // the currencies from that line on are left out.
    std::optional<int> misalignedLine;
};

// Splits the rates file into fields: commas and line breaks separate fields, a
// field may be a quoted text (which may hold commas), blanks around a field are
// ignored. A quote that never closes runs to the end of the text.
std::vector<std::string> RatesFields(std::string_view content);

// Reads a rates file: five header fields, the caption, then name/rate pairs until
// an empty name or the end; at most kMaxCurrencies are kept. A rate that is not a
// plain positive finite number is kept as unusable, so that it converts to nothing.
// A UTF-8 byte-order mark at the start is skipped. A name that reads as a number
// marks a shifted file: reading stops before the line it stands on.
RatesFile ParseRatesFile(std::string_view content);

// The message telling the user which line of the rates file is wrong.
std::string MisalignedRatesMessage(const std::filesystem::path& file, int line);

// The date a caption names, such as "ECB 22 Jan 2025 Rates" or "Rates of
// 2025-01-22"; std::nullopt when it names none (a month alone is no date).
std::optional<std::chrono::year_month_day> CaptionDate(std::string_view caption);

// The date the rates are of: the caption's date when it names one, else the
// file's modification date.
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

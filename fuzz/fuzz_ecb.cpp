// Fuzzes the reader of the ECB's files and the import on what it reads. The
// input is an ECB file as a user might save it: the daily or 90-day XML, the CSV
// or a zip holding either; ParseEcbData tells them apart by their content. The
// same bytes are also fed to the streaming reader in pieces chosen by the input.

#include "base/text.h"
#include "currency/ecb_rates.h"
#include "currency/rates_import.h"
#include "fuzz/fuzz_check.h"

#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab::fuzz {
namespace {

using namespace std::chrono;

constexpr year_month_day kToday {year(2026), month(12), day(8)};

// A message quotes what the file holds on one line of bounded length.
void CheckMessage(const std::string& message)
{
    FUZZ_CHECK(!message.empty());
    FUZZ_CHECK(message.size() <= 2 * kOneLineLimit);
    for (const char c : message)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
}

void CheckRates(const EcbRates& rates)
{
    FUZZ_CHECK(rates.date.ok());
    for (const auto& [code, rate] : rates.perEuro) {
        FUZZ_CHECK(code.size() == 3);
        for (const char c : code)
            FUZZ_CHECK(c >= 'A' && c <= 'Z');
        FUZZ_CHECK(std::isfinite(rate) && rate > 0);
    }
    for (const std::string& rejected : rates.rejected)
        CheckMessage(rejected);
}

bool SameResult(const EcbResult& a, const EcbResult& b)
{
    if (a.index() != b.index())
        return false;
    if (const auto* error = std::get_if<EcbError>(&a))
        return error->message == std::get<EcbError>(b).message;
    const auto& x = std::get<EcbRates>(a);
    const auto& y = std::get<EcbRates>(b);
    return x.date == y.date && x.perEuro == y.perEuro && x.rejected == y.rejected;
}

// The rates file in use for the import: two currencies the ECB publishes, one
// it does not.
const RatesFile& Current()
{
    static const RatesFile file = ParseRatesFile(
        "\"a\",\"b\",\"c\",\"d\",\"e\",\"Jan 2025 Rates\"\n\"US Dollar\",1\n\"Euro\",0.96\n"
        "\"Japanese Yen\",156\n\"Bahraini Dinar\",0.376\n");
    return file;
}

void CheckImport(std::string_view data, const EcbResult& read)
{
    const auto import = ImportEcbData(data, Current(), kToday);
    if (const auto* error = std::get_if<RatesImportError>(&import)) {
        CheckMessage(error->message);
        FUZZ_CHECK(error->message.find("othing was changed") != std::string::npos);
        return;
    }
    // Only a day of rates that the reader accepted is imported.
    FUZZ_CHECK(std::holds_alternative<EcbRates>(read));
    const RatesImport& done = std::get<RatesImport>(import);
    const EcbRates& ecb = std::get<EcbRates>(read);
    FUZZ_CHECK(sys_days(ecb.date) <= sys_days(kToday));
    FUZZ_CHECK(sys_days(ecb.date) >= sys_days(year_month_day {year(1999), January, day(4)}));
    FUZZ_CHECK(ecb.perEuro.contains("USD"));
    // The new file reads back whole: every currency in use is in it, with a rate.
    const RatesFile written = ParseRatesFile(done.content);
    FUZZ_CHECK(!written.stop);
    FUZZ_CHECK(written.currencies.size() == done.file.currencies.size());
    for (const CurrencyRate& old : Current().currencies) {
        bool found = false;
        for (const CurrencyRate& now : written.currencies)
            if (now.name == old.name) {
                found = true;
                FUZZ_CHECK(now.rate && std::isfinite(*now.rate) && *now.rate > 0);
                // Within the band around the rate in use.
                FUZZ_CHECK(*now.rate / *old.rate <= 1e6 * (1 + 1e-9));
                FUZZ_CHECK(*now.rate / *old.rate >= 1e-6 * (1 - 1e-9));
            }
        FUZZ_CHECK(found);
    }
    const std::string described = DescribeChanges(done.changes);
    for (const char c : described)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corrolab;
    using namespace corrolab::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const EcbResult read = ParseEcbData(bytes);
    if (const auto* error = std::get_if<EcbError>(&read))
        CheckMessage(error->message);
    else
        CheckRates(std::get<EcbRates>(read));

    // Fed in pieces, the XML and the CSV read the same as whole.
    std::string_view text = bytes;
    const bool plainText = !text.starts_with("PK") && !text.starts_with("\xFF\xFE")
        && !text.starts_with("\xFE\xFF") && !text.starts_with("\x1F\x8B");
    if (plainText && size > 0) {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        const size_t first = text.find_first_not_of(" \t\r\n");
        if (first != std::string_view::npos) {
            const bool xml = text[first] == '<';
            EcbStreamReader reader(xml);
            const size_t piece = 1 + data[0] % 61;
            for (size_t at = 0; at < text.size(); at += piece)
                reader.Feed(text.substr(at, piece));
            const EcbResult streamed = reader.Finish();
            FUZZ_CHECK(SameResult(streamed, xml ? ParseEcbXml(text) : ParseEcbCsv(text)));
        }
    }
    CheckImport(bytes, read);
    return 0;
}

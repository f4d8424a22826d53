// Fuzzes the lenient number read and the number display texts.
//
// Input layout: bytes 0-7 are a double (native byte order), byte 8 the decimals
// (0..12), byte 9 the field width (0..23); bit 0 of byte 10 picks a tolerance of
// single precision for FormatFixed (half of it is the result box's ratio error);
// the rest is a text read with LenientValue. Missing header bytes read as 0. Every
// display function is run on the double from the header and on the value read
// from the text.

#include "app/conversion.h"
#include "base/lenient_number.h"
#include "base/number_format.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace corrolab::fuzz {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kNoFractionAbove = 9007199254740992.0; // 2^53
constexpr double kSinglePrecision = 2.4e-7; // the result box's tolerance
constexpr std::string_view kScientificMark = " x E";
constexpr size_t npos = std::string_view::npos;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool HasExponentLetter(std::string_view text)
{
    return text.find_first_of("eE") != std::string_view::npos;
}

// Two reads agree: both refused, or both the same value (0 and -0 count as equal).
bool SameRead(std::optional<double> a, std::optional<double> b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

// The C library's reading of the leading number, for texts where it reads the
// same numbers: leading blanks, then a sign, a digit or a point, and no
// hexadecimal, infinity or not-a-number form. Empty when it does not apply.
std::optional<std::optional<double>> ReferenceRead(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && std::string_view(" \t\r\n").find(text[start]) != npos)
        ++start;
    const std::string rest(text.substr(start));
    if (rest.empty() || std::string_view("+-.0123456789").find(rest[0]) == npos)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    const bool overflow = errno == ERANGE && std::fabs(value) == HUGE_VAL;
    const std::string_view read(rest.c_str(), static_cast<size_t>(end - rest.c_str()));
    if (read.find_first_of("xXiInN") != npos)
        return std::nullopt;
    if (read.empty())
        return std::optional<double>(0.0);
    return overflow ? std::optional<double>() : std::optional<double>(value);
}

void CheckLenientValue(std::string_view text)
{
    const std::optional<double> value = LenientValue(text);
    if (value)
        FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(LenientValueOrZero(text) == value.value_or(0.0));
    if (const auto reference = ReferenceRead(text))
        FUZZ_CHECK(SameRead(value, *reference));

    // Blanks before the number and a letter after it change nothing.
    FUZZ_CHECK(SameRead(LenientValue(" \t" + std::string(text)), value));
    FUZZ_CHECK(SameRead(LenientValue(std::string(text) + "x"), value));
    // A minus sign before an unsigned number negates it.
    if (!text.empty() && (IsDigit(text.front()) || text.front() == '.')) {
        const std::optional<double> negated = LenientValue("-" + std::string(text));
        FUZZ_CHECK(negated.has_value() == value.has_value());
        if (value)
            FUZZ_CHECK(*negated == -*value);
    }
}

void CheckLeadingZeroCount(double x)
{
    const int n = LeadingZeroCount(x);
    if (x == 0 || !std::isfinite(x)) {
        FUZZ_CHECK(n == 0);
        return;
    }
    const double magnitude = std::fabs(x);
    FUZZ_CHECK(n >= 0 && n <= 324);
    FUZZ_CHECK((n == 0) == (magnitude >= 1));
    if (magnitude < 1) {
        // 0.0012 has three zeros: -floor(log10(0.0012)) = 3; a power of ten may land
        // either side of the logarithm's rounding.
        const double expected = -std::floor(std::log10(magnitude));
        FUZZ_CHECK(std::fabs(n - expected) <= 1);
    }
}

void CheckTruncateDecimals(double x, int d, double tolerance)
{
    const double t = TruncateDecimals(x, d, tolerance);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(std::isnan(x) ? std::isnan(t) : t == x);
        return;
    }
    const double scale = std::pow(10.0, d);
    const double scaled = x * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kNoFractionAbove) {
        FUZZ_CHECK(t == x);
        return;
    }
    FUZZ_CHECK(std::isfinite(t));
    const double step = 1 / scale;
    const double slack = 8 * kEpsilon * (std::fabs(x) + step);
    const double allowance = std::max(4 * kEpsilon, tolerance);
    // Cut towards minus infinity, by less than one step...
    FUZZ_CHECK(x - t < step + slack);
    // ...and never above x, except by the allowance for representation error.
    FUZZ_CHECK(t - x <= allowance * (std::fabs(scaled) + 2) * step + slack);
    // The cut value is a whole number of steps.
    const double steps = t * scale;
    FUZZ_CHECK(
        std::fabs(steps - std::round(steps)) <= 4 * kEpsilon * std::max(1.0, std::fabs(steps)));
}

void CheckNumberText(double x)
{
    const std::string text = NumberText(x);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(text.size() >= 2);
    FUZZ_CHECK(text[0] == (std::signbit(x) && x != 0 ? '-' : ' '));
    FUZZ_CHECK(!HasExponentLetter(text) && !ShowsNonFinite(text));
    FUZZ_CHECK(text.compare(1, 2, "0.") != 0);
    const std::optional<double> back = LenientValue(text);
    FUZZ_CHECK(back && *back == x);
}

void CheckPlainText(double x)
{
    const std::string text = PlainText(x);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(!text.empty() && text[0] != ' ');
    FUZZ_CHECK(!HasExponentLetter(text) && !ShowsNonFinite(text));
    const std::optional<double> back = LenientValue(text);
    // 15 significant digits: within half a unit of the 15th digit.
    FUZZ_CHECK(back && std::fabs(*back - x) <= 6e-15 * std::fabs(x) + kSmallest);
}

void CheckScientific(double x)
{
    const std::string text = FormatScientific(x);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    // [-]D.DDD x E(+|-)DD[D]
    const size_t mark = text.find(kScientificMark);
    FUZZ_CHECK(mark != std::string::npos);
    const std::string_view mantissa = std::string_view(text).substr(0, mark);
    const std::string_view exponent = std::string_view(text).substr(mark + kScientificMark.size());
    const size_t sign = mantissa.starts_with('-') ? 1 : 0;
    FUZZ_CHECK(sign == (std::signbit(x) ? 1u : 0u));
    FUZZ_CHECK(mantissa.size() == sign + 5 && IsDigit(mantissa[sign]) && mantissa[sign + 1] == '.'
        && IsDigit(mantissa[sign + 2]) && IsDigit(mantissa[sign + 3])
        && IsDigit(mantissa[sign + 4]));
    FUZZ_CHECK(x == 0 || mantissa[sign] != '0');
    FUZZ_CHECK(exponent.size() >= 3 && exponent.size() <= 4);
    FUZZ_CHECK(exponent[0] == '+' || exponent[0] == '-');
    for (size_t i = 1; i < exponent.size(); ++i)
        FUZZ_CHECK(IsDigit(exponent[i]));

    const std::optional<double> back
        = LenientValue(std::string(mantissa) + "e" + std::string(exponent));
    if (!back) {
        // Only a value rounded up past the largest double reads back too large.
        FUZZ_CHECK(std::fabs(x) > 1.79e308);
        return;
    }
    FUZZ_CHECK(std::fabs(*back - x) <= 5.0001e-4 * std::fabs(x) + kSmallest);
}

// The checks shared by FormatFixed and the result box on a fixed-point text.
void CheckFixedCharacters(std::string_view text)
{
    FUZZ_CHECK(!HasExponentLetter(text) && !ShowsNonFinite(text));
    size_t points = 0;
    for (char c : text) {
        FUZZ_CHECK(c == ' ' || c == '-' || c == '.' || IsDigit(c));
        points += c == '.' ? 1 : 0;
    }
    FUZZ_CHECK(points == 1);
}

void CheckFormatFixed(double x, int width, int d, double tolerance)
{
    double cut = x;
    const std::string text = FormatFixed(cut, width, d, tolerance);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(!text.empty() && !ShowsNonFinite(text));
    const double scale = std::pow(10.0, d);
    if (!std::isfinite(x * scale)) {
        // The documented fallback: the scientific form, x left as it was.
        FUZZ_CHECK(text == FormatScientific(x));
        FUZZ_CHECK(cut == x);
        return;
    }
    FUZZ_CHECK(text.find(kScientificMark) == std::string::npos);
    CheckFixedCharacters(text);
    FUZZ_CHECK(text.size() >= static_cast<size_t>(width));
    FUZZ_CHECK(cut == TruncateDecimals(x, d, tolerance));

    // The text reads back as exactly the cut value it claims to show.
    const std::optional<double> back = LenientValue(text);
    FUZZ_CHECK(back && *back == cut);
    if (std::fabs(x * scale) < kNoFractionAbove) {
        const size_t decimals = text.size() - text.find('.') - 1;
        FUZZ_CHECK(decimals == static_cast<size_t>(d));
        const double step = 1 / scale;
        const double slack = 8 * kEpsilon * (std::fabs(x) + step);
        const double allowance = std::max(4 * kEpsilon, tolerance);
        FUZZ_CHECK(*back <= x + allowance * (std::fabs(x * scale) + 2) * step + slack);
        FUZZ_CHECK(x - *back < step + slack);
    }
}

void CheckResultText(double x, double ratioError)
{
    const std::string scientific = ResultText(x, true, ratioError);
    FUZZ_CHECK(scientific == FormatScientific(x));
    const std::string text = ResultText(x, false, ratioError);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(text.empty());
        return;
    }
    FUZZ_CHECK(!text.empty() && !ShowsNonFinite(text));
    if (text.find(kScientificMark) != std::string::npos) {
        FUZZ_CHECK(text == scientific);
        return;
    }
    CheckFixedCharacters(text);
    // Three significant decimals: within a thousandth of the value.
    const std::optional<double> back = LenientValue(text);
    FUZZ_CHECK(back && std::fabs(*back - x) <= 1.001e-3 * std::fabs(x));
}

void CheckValue(double x, int width, int d, double tolerance)
{
    CheckLeadingZeroCount(x);
    CheckTruncateDecimals(x, d, tolerance);
    CheckNumberText(x);
    CheckPlainText(x);
    CheckScientific(x);
    CheckFormatFixed(x, width, d, tolerance);
    CheckResultText(x, tolerance / 2);
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corrolab::fuzz;
    constexpr size_t kHeader = 11;
    uint8_t header[kHeader] = {};
    if (size > 0)
        std::memcpy(header, data, std::min(size, kHeader));
    double x = 0;
    std::memcpy(&x, header, sizeof x);
    const int d = header[8] % 13;
    const int width = header[9] % 24;
    const double tolerance = (header[10] & 1) != 0 ? kSinglePrecision : 0.0;
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::string_view text = size > kHeader ? all.substr(kHeader) : std::string_view();

    CheckLenientValue(all);
    CheckLenientValue(text);
    CheckValue(x, width, d, tolerance);
    if (const std::optional<double> read = corrolab::LenientValue(text))
        CheckValue(*read, width, d, tolerance);
    return 0;
}

#include "base/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace corrolab {

namespace {

// 10^d, or infinity when it is beyond the double range: std::pow's own values,
// worked out once for the exponents a double can reach.
double PowerOfTen(int d)
{
    constexpr int kRange = 400; // beyond 10^308 is infinity, below 10^-324 zero
    static const std::array<double, 2 * kRange + 1> powers = [] {
        std::array<double, 2 * kRange + 1> table {};
        for (int k = -kRange; k <= kRange; ++k)
            table[static_cast<size_t>(k + kRange)] = std::pow(10.0, k);
        return table;
    }();
    if (d < -kRange || d > kRange)
        return std::pow(10.0, d);
    return powers[static_cast<size_t>(d + kRange)];
}

// |x| * 10^n without overflowing the power on the way (for subnormal x).
double ScaledUp(double magnitude, int n)
{
    return n > 300 ? magnitude * 1e300 * PowerOfTen(n - 300) : magnitude * PowerOfTen(n);
}

// Largest magnitude at which a double still holds a fractional part.
constexpr double kNoFractionAbove = 9007199254740992.0; // 2^53

// A double has at most 309 integer digits and at most 1074 significant decimals.
using DigitBuffer = std::array<char, 1500>;

// Shortest text of |value| in plain decimals that reads back as the same double,
// written into `buffer`; no allocation. The digits are the shortest that
// round-trip (never more than 17 significant ones), and a large value shows zeros
// after them: 1e30 is "1000000000000000000000000000000", not the binary value's
// exact "1000000000000000019884624838656".
std::string_view ShortestFixed(double value, DigitBuffer& buffer)
{
    // "d.ddde+XX" in the tail of the buffer, expanded into plain decimals at its head.
    constexpr size_t kScientificRoom = 32;
    char* const scientific = buffer.data() + buffer.size() - kScientificRoom;
    const auto written = std::to_chars(
        scientific, scientific + kScientificRoom, std::fabs(value), std::chars_format::scientific);
    const std::string_view text(scientific, static_cast<size_t>(written.ptr - scientific));
    const size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(
        text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    std::array<char, 20> digits {};
    size_t count = 0;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits[count++] = text[i];

    char* out = buffer.data();
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy_n(digits.data(), count, out);
    } else {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        out = std::copy_n(digits.data(), std::min(count, integerDigits), out);
        if (count > integerDigits) {
            *out++ = '.';
            out = std::copy_n(digits.data() + integerDigits, count - integerDigits, out);
        } else {
            out = std::fill_n(out, integerDigits - count, '0');
        }
    }
    return {buffer.data(), static_cast<size_t>(out - buffer.data())};
}

std::string ShortestFixed(double value)
{
    DigitBuffer buffer;
    return std::string(ShortestFixed(value, buffer));
}

// FormatFixed's text of a value already truncated to d decimals, worked out on
// the integer x * 10^d where that has at most 15 digits: a double tells every
// decimal of 15 significant digits from the others, so the digits of that
// integer are the shortest text of the value. Written into `text`; its length,
// 0 where the integer has more digits.
using FewDigits = std::array<char, 64>;
// `scale` is PowerOfTen(d).
size_t FewDigitsText(double x, int width, int d, double scale, FewDigits& text)
{
    constexpr double kFifteenDigits = 1e15;
    // 10^d for d up to 15, which a double and a 64-bit integer both hold exactly.
    constexpr std::array<std::uint64_t, 16> kUnits {1, 10, 100, 1000, 10000, 100000, 1000000,
        10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000,
        100000000000000, 1000000000000000};
    if (d < 0 || d > 15 || !(std::fabs(x * scale) < kFifteenDigits))
        return 0;
    const auto scaled = static_cast<std::uint64_t>(std::llround(std::fabs(x * scale)));
    if (scaled >= static_cast<std::uint64_t>(kFifteenDigits))
        return 0;
    const std::uint64_t unit = kUnits[static_cast<size_t>(d)];
    const std::uint64_t integerPart = scaled / unit;
    const std::uint64_t fraction = scaled % unit;
    char integerDigits[20];
    // The integer part's text is its digits, "0" for none; a value below 1 shows
    // no 0 before the point.
    const int integerCount = static_cast<int>(
        std::to_chars(integerDigits, integerDigits + sizeof integerDigits, integerPart).ptr
        - integerDigits);
    int padding = width - 1 - integerCount;
    const bool belowOne = integerPart == 0 && scaled != 0;
    if (belowOne)
        padding += 1;
    // Blanks, sign, integer digits, point and decimals: at most 12 + 1 + 15 + 1 + 15.
    const size_t blanks = static_cast<size_t>(std::clamp(padding, 0, 12));
    if (blanks != static_cast<size_t>(std::max(padding, 0)))
        return 0;
    char* out = std::fill_n(text.data(), blanks, ' ');
    *out++ = std::signbit(x) && x != 0 ? '-' : ' ';
    if (!belowOne)
        out = std::copy_n(integerDigits, integerCount, out);
    *out++ = '.';
    if (d > 0) {
        char decimals[20];
        const int count = fraction == 0
            ? 0
            : static_cast<int>(
                std::to_chars(decimals, decimals + sizeof decimals, fraction).ptr - decimals);
        out = std::fill_n(out, d - count, '0');
        out = std::copy_n(decimals, count, out);
    }
    return static_cast<size_t>(out - text.data());
}

} // namespace

int LeadingZeroCount(double x)
{
    if (x == 0 || !std::isfinite(x))
        return 0;
    const double magnitude = std::fabs(x);
    int n = 0;
    // 10^n overflows before n reaches 400, and the smallest subnormal needs 324.
    while (n < 400 && ScaledUp(magnitude, n) < 1)
        ++n;
    return n;
}

namespace {

// TruncateDecimals with `scale` = PowerOfTen(d).
double TruncateScaled(double x, double scale, double tolerance)
{
    if (!std::isfinite(x))
        return x;
    const double scaled = x * scale;
    if (!std::isfinite(scale) || !std::isfinite(scaled) || std::fabs(scaled) >= kNoFractionAbove)
        return x;
    double whole = std::floor(scaled);
    // 0.29 * 100 is 28.999999999999996: a scaled value within a few units of the
    // last place of the next integer is that integer.
    const double next = whole + 1;
    const double allowance = std::max(4 * std::numeric_limits<double>::epsilon(), tolerance);
    if (scaled != whole && next - scaled <= allowance * std::max(1.0, std::fabs(next)))
        whole = next;
    return whole / scale;
}

} // namespace

double TruncateDecimals(double x, int d, double tolerance)
{
    return TruncateScaled(x, PowerOfTen(d), tolerance);
}

std::string NumberText(double value)
{
    if (!std::isfinite(value))
        return {};
    DigitBuffer buffer;
    std::string_view digits = ShortestFixed(value, buffer);
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.')
        digits.remove_prefix(1);
    std::string text;
    text.reserve(digits.size() + 1);
    text += std::signbit(value) && value != 0 ? '-' : ' ';
    text += digits;
    return text;
}

std::string FormatFixed(double& x, int width, int d, double tolerance)
{
    if (!std::isfinite(x))
        return {};
    const double scale = PowerOfTen(d);
    if (!std::isfinite(x * scale))
        return FormatScientific(x);

    x = TruncateScaled(x, scale, tolerance);
    FewDigits few;
    if (const size_t length = FewDigitsText(x, width, d, scale, few))
        return std::string(few.data(), length);
    const double integerPart = std::floor(std::fabs(x));
    // The small guard keeps a fraction such as 0.29 from counting as 0.28999; it
    // stays below the last shown decimal so that it never adds a digit of its own.
    const double guard = std::min(1e-9, 0.5 * PowerOfTen(-d));
    const double fraction = TruncateDecimals((std::fabs(x) - integerPart) + guard, d);

    DigitBuffer buffer;
    // The number text of the integer part is a blank and its digits.
    int padding = width - 1 - static_cast<int>(ShortestFixed(integerPart, buffer).size());
    if (integerPart == 0 && fraction != 0)
        padding += 1;

    // The number's text as NumberText gives it (a sign or a blank, then the
    // digits without the 0 before the point), completed to exactly d decimals
    // counted on the text itself.
    std::string_view digits = ShortestFixed(x, buffer);
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.')
        digits.remove_prefix(1);
    const size_t point = digits.find('.');
    const int shown
        = point == std::string_view::npos ? 0 : static_cast<int>(digits.size() - point - 1);
    const size_t zeros = static_cast<size_t>(std::max(d - shown, 0));
    const size_t blanks = static_cast<size_t>(std::max(padding, 0));
    std::string text;
    text.reserve(blanks + 2 + digits.size() + zeros);
    text.append(blanks, ' ');
    text += std::signbit(x) && x != 0 ? '-' : ' ';
    text += digits;
    if (point == std::string_view::npos)
        text += '.';
    text.append(zeros, '0');
    return text;
}

std::string FormatScientific(double x)
{
    if (!std::isfinite(x))
        return {};
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::scientific, 3);
    const std::string text(buffer.data(), result.ptr); // "-1.500e+03"
    const size_t e = text.find('e');
    std::string scientific = text.substr(0, e);
    scientific += " x E";
    scientific += text[e + 1];
    if (text.size() - (e + 2) < 2)
        scientific += '0';
    scientific.append(text, e + 2);
    return scientific;
}

std::string PlainText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    // Round to 15 significant digits first, so that 98 + 1.6 shows as 99.6.
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(buffer.data(), result.ptr, rounded);
    std::string text = std::signbit(rounded) ? "-" : "";
    text += ShortestFixed(rounded);
    return text;
}

} // namespace corrolab

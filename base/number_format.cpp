#include "base/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace corrolab {

namespace {

// 10^d, or infinity when it is beyond the double range.
double PowerOfTen(int d)
{
    return std::pow(10.0, d);
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

int DecimalsShown(const std::string& text)
{
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
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

double TruncateDecimals(double x, int d, double tolerance)
{
    if (!std::isfinite(x))
        return x;
    const double scale = PowerOfTen(d);
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
    if (!std::isfinite(x * PowerOfTen(d)))
        return FormatScientific(x);

    x = TruncateDecimals(x, d, tolerance);
    const double integerPart = std::floor(std::fabs(x));
    // The small guard keeps a fraction such as 0.29 from counting as 0.28999; it
    // stays below the last shown decimal so that it never adds a digit of its own.
    const double guard = std::min(1e-9, 0.5 * std::pow(10.0, -d));
    const double fraction = TruncateDecimals((std::fabs(x) - integerPart) + guard, d);

    DigitBuffer buffer;
    // The number text of the integer part is a blank and its digits.
    int padding = width - 1 - static_cast<int>(ShortestFixed(integerPart, buffer).size());
    if (integerPart == 0 && fraction != 0)
        padding += 1;

    // The decimals are counted on the text itself, so that the zeros appended
    // always complete what the text shows to exactly d decimals.
    std::string number = NumberText(x);
    if (number.find('.') == std::string::npos)
        number += '.';
    const int missing = d - DecimalsShown(number);
    if (missing > 0)
        number.append(static_cast<size_t>(missing), '0');
    return std::string(static_cast<size_t>(std::max(padding, 0)), ' ') + number;
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

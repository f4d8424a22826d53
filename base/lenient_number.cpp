#include "base/lenient_number.h"

#include "base/text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace corrolab {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of `text` that forms a decimal number, or 0.
size_t LeadingNumberLength(std::string_view text)
{
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-'))
            ++exp;
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp]))
                ++exp;
            pos = exp;
        }
    }
    return pos;
}

// Decimal exponent of the first significant digit of an unsigned number text
// ("123.4" gives 2, "0.001" gives -3, "5e400" gives 400). Only its sign matters.
long long DecimalMagnitude(std::string_view number)
{
    long long magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    size_t pos = 0;
    for (; pos < number.size() && number[pos] != 'e' && number[pos] != 'E'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenSignificant) {
            if (c != '0') {
                seenSignificant = true;
                magnitude = seenPoint ? magnitude - 1 : 0;
            } else if (seenPoint) {
                --magnitude;
            }
        } else if (!seenPoint) {
            ++magnitude;
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (pos < number.size()) {
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-'))
            negativeExponent = number[pos++] == '-';
        for (; pos < number.size() && exponent < 1'000'000'000; ++pos)
            exponent = exponent * 10 + (number[pos] - '0');
    }
    return magnitude + (negativeExponent ? -exponent : exponent);
}

} // namespace

std::optional<double> LenientValue(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && (IsBlank(text[start]) || IsLineBreak(text[start])))
        ++start;
    text.remove_prefix(start);
    const size_t length = LeadingNumberLength(text);
    if (length == 0)
        return 0.0;

    std::string_view number = text.substr(0, length);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(
        number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value unset; tell overflow from underflow by the
        // decimal exponent of the text.
        if (DecimalMagnitude(number) >= 0)
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string_view LeadingNumberText(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    text.remove_prefix(start);
    return text.substr(0, LeadingNumberLength(text));
}

double LenientValueOrZero(std::string_view text)
{
    return LenientValue(text).value_or(0.0);
}

} // namespace corrolab

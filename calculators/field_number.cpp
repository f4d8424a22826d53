#include "calculators/field_number.h"

#include <charconv>
#include <cmath>

namespace corrolab {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "the area" -> "The area"
std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

} // namespace

std::optional<double> StrictNumber(std::string_view text)
{
    std::string number(Trim(text));
    if (number.find('.') == std::string::npos)
        if (const size_t comma = number.find(','); comma != std::string::npos)
            number[comma] = '.';
    if (!number.empty() && number.front() == '+')
        number.erase(0, 1);
    if (number.empty())
        return std::nullopt;
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Checked<double> FieldNumber(
    std::string_view text, const std::string& field, const std::string& what, bool positive)
{
    if (Trim(text).empty())
        return InputError {field, "Enter " + what + "."};
    const auto value = StrictNumber(text);
    if (!value)
        return InputError {field, "'" + std::string(Trim(text)) + "' is not a number."};
    if (positive && *value <= 0)
        return InputError {field, Capitalised(what) + " must be above 0."};
    return *value;
}

Checked<double> FieldNumberNotNegative(
    std::string_view text, const std::string& field, const std::string& what)
{
    const Checked<double> value = FieldNumber(text, field, what, false);
    if (value && *value < 0)
        return InputError {field, Capitalised(what) + " must not be negative."};
    return value;
}

std::string ResultNumber(double value, int digits)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return {};
    char buffer[64];
    const double magnitude = std::fabs(value);
    std::to_chars_result written;
    if (magnitude >= 1e-3 && magnitude < 1e6) {
        const int digitsBeforePoint = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
        const int decimals = std::max(0, digits - digitsBeforePoint);
        written = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    } else {
        written = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    }
    return std::string(buffer, written.ptr);
}

} // namespace corrolab

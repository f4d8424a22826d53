#include "catalogue/whole_number_text.h"

#include "base/text.h"

#include <array>
#include <limits>

namespace corrolab {

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
constexpr int kLargestRoman = 3999;

struct RomanStep
{
    int value;
    const char* letters;
};
constexpr std::array<RomanStep, 13> kRomanSteps {
    {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};

std::string_view WithoutBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return std::numeric_limits<int>::max();
}

std::string RomanOf(int value)
{
    std::string text;
    for (const RomanStep& step : kRomanSteps)
        for (; value >= step.value; value -= step.value)
            text += step.letters;
    return text;
}

std::string Capitals(std::string_view text)
{
    std::string capitals(text);
    for (char& c : capitals)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return capitals;
}

Refusal OutOfRange()
{
    return {"the number is out of range (beyond 9223372036854775807 either way)"};
}

OrRefusal<std::int64_t> ReadRoman(std::string_view text)
{
    // Read greedily, then demand that the value writes back as the same numeral,
    // which turns away "IIII", "IC" and "MMMM".
    const std::string numeral = Capitals(text);
    int value = 0;
    size_t at = 0;
    for (const RomanStep& step : kRomanSteps) {
        const std::string_view letters = step.letters;
        while (numeral.compare(at, letters.size(), letters) == 0 && value <= kLargestRoman) {
            value += step.value;
            at += letters.size();
        }
    }
    if (at == numeral.size() && value > kLargestRoman)
        return Refusal {"Roman numerals run from 1 to 3999"};
    if (at != numeral.size() || value == 0 || RomanOf(value) != numeral)
        return Refusal {Quoted(text) + " is not a Roman numeral"};
    return value;
}

OrRefusal<std::int64_t> ReadInBase(std::string_view text, const UnitDefinition& format)
{
    const bool negative = text.front() == '-';
    std::string_view digits = text;
    if (text.front() == '-' || text.front() == '+')
        digits.remove_prefix(1);
    if (digits.empty())
        return Refusal {Quoted(text) + " is not a whole number"};
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = static_cast<std::uint64_t>(kLargest);
    for (const char c : digits) {
        if (c == '.' || c == ',')
            return Refusal {
                Message("number formats convert whole numbers only, not ", Quoted(text))};
        const int digit = DigitValue(c);
        if (digit >= format.radix)
            return Refusal {
                Message(Quoted(std::string_view(&c, 1)), " is not a digit of ", format.name)};
        const auto base = static_cast<std::uint64_t>(format.radix);
        if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / base)
            return OutOfRange();
        magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

} // namespace

OrRefusal<std::int64_t> ReadWholeNumber(std::string_view text, const UnitDefinition& format)
{
    const std::string_view typed = WithoutBlanks(text);
    if (typed.empty())
        return Refusal {"type a whole number to convert"};
    if (format.radix == 0)
        return ReadRoman(typed);
    return ReadInBase(typed, format);
}

OrRefusal<std::string> WriteWholeNumber(std::int64_t value, const UnitDefinition& format)
{
    if (format.radix == 0) {
        if (value < 1 || value > kLargestRoman)
            return Refusal {
                std::to_string(value) + " has no Roman numeral (they run from 1 to 3999)"};
        return RomanOf(static_cast<int>(value));
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // The magnitude as unsigned, so that the most negative value has one too.
    std::uint64_t magnitude
        = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string reversed;
    do {
        reversed += kDigits[magnitude % static_cast<std::uint64_t>(format.radix)];
        magnitude /= static_cast<std::uint64_t>(format.radix);
    } while (magnitude > 0);
    if (value < 0)
        reversed += '-';
    return std::string(reversed.rbegin(), reversed.rend());
}

} // namespace corrolab

#include "app/read_note.h"

#include "app/lenient_number.h"

namespace corrolab {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string ReadAsNote(std::string_view valueText)
{
    const std::string_view text = Trimmed(valueText);
    const std::string_view number = LeadingNumberText(text);
    if (text.empty() || number.size() == text.size())
        return {};
    return "read as " + (number.empty() ? std::string("0") : std::string(number));
}

} // namespace corrolab

#include "app/read_note.h"

#include "base/lenient_number.h"
#include "base/text.h"

namespace corrolab {

std::string ReadAsNote(std::string_view valueText)
{
    const std::string_view text = TrimmedWhiteSpace(valueText);
    const std::string_view number = LeadingNumberText(text);
    if (text.empty() || number.size() == text.size())
        return {};
    return "read as " + (number.empty() ? std::string("0") : std::string(number));
}

} // namespace corrolab

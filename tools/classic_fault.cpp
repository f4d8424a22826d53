#include "tools/classic_fault.h"

#include "base/lenient_number.h"
#include "base/number_format.h"

#include <cmath>

namespace corrolab {

namespace {

bool ReadsZero(const std::string& text)
{
    const auto value = LenientValue(text);
    return !value || *value == 0;
}

} // namespace

std::optional<RowFault> FindClassicFault(
    std::span<const ComponentTexts> rows, std::span<const std::string> symbols)
{
    if (CalculateMaterial(rows).results)
        return std::nullopt;
    const auto fault = [&](size_t i, const char* field, const std::string& value) {
        return RowFault {
            static_cast<int>(i), i < symbols.size() ? symbols[i] : std::string(), field, value};
    };
    double total = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto p = LenientValue(rows[i].percentage);
        if (!p)
            return fault(i, "percentage", rows[i].percentage);
        total += *p;
    }
    if (total == 0 || !std::isfinite(total))
        return RowFault {-1, {}, "total", PlainText(total)};
    for (size_t i = 0; i < rows.size(); ++i) {
        if (ReadsZero(rows[i].valence))
            return fault(i, "valence", rows[i].valence);
        if (!LenientValue(rows[i].atomicWeight))
            return fault(i, "atomic weight", rows[i].atomicWeight);
        if (ReadsZero(rows[i].density))
            return fault(i, "density", rows[i].density);
    }
    return RowFault {-1, {}, "total", {}};
}

} // namespace corrolab

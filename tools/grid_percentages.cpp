#include "tools/grid_percentages.h"

#include "base/lenient_number.h"
#include "base/number_format.h"

namespace corrolab {

std::optional<std::string> LastRowPercentage(std::span<const std::string> percentages, int edited)
{
    const int last = static_cast<int>(percentages.size()) - 1;
    if (edited < 0 || edited >= last)
        return std::nullopt;
    double above = 0;
    for (int i = 0; i < last; ++i)
        above += LenientValueOrZero(percentages[static_cast<size_t>(i)]);
    const double rest = 100 - above;
    if (last > 1 && !(rest >= 0))
        return std::nullopt;
    return PlainText(rest);
}

} // namespace corrolab

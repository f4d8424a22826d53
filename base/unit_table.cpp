#include "base/unit_table.h"

namespace corrolab {

bool UnitTable::Inside(int unit, int category)
{
    return unit >= 0 && unit <= kLastUnit && category >= 0 && category <= kLastCategory;
}

bool UnitTable::Store(int unit, int category, std::string name, double factor)
{
    if (!Inside(unit, category))
        return false;
    names_[category][unit] = std::move(name);
    factors_[category][unit] = factor;
    return true;
}

const std::string& UnitTable::Name(int unit, int category) const
{
    static const std::string empty;
    return Inside(unit, category) ? names_[category][unit] : empty;
}

double UnitTable::Factor(int unit, int category) const
{
    return Inside(unit, category) ? factors_[category][unit] : 0.0;
}

void UnitTable::ClearCategory(int category)
{
    for (int unit = 0; unit <= kLastUnit; ++unit)
        Store(unit, category, {}, 0.0);
}

} // namespace corrolab

#include "tools/periodic_layout.h"

#include <algorithm>
#include <array>

namespace corrolab {

namespace {

constexpr int kLanthanum = 57;
constexpr int kLutetium = 71;
constexpr int kActinium = 89;
constexpr int kLawrencium = 103;
constexpr int kSeriesColumn = 3;

// The first element of each period and the element that closes it.
struct Period
{
    int first;
    int last;
};
constexpr std::array<Period, 7> kPeriods {
    {{1, 2}, {3, 10}, {11, 18}, {19, 36}, {37, 54}, {55, 86}, {87, 118}}};

// The column of element z within period p (1-based), z not in the f-block rows.
int ColumnInPeriod(int z, int period)
{
    const Period p = kPeriods[static_cast<size_t>(period - 1)];
    const int offset = z - p.first; // 0-based position in the period
    if (period == 1)
        return offset == 0 ? 1 : kTableColumns;
    if (period <= 3)
        return offset < 2 ? offset + 1 : offset + 11; // groups 1-2, then 13-18
    if (period <= 5)
        return offset + 1;
    // Periods 6 and 7: the fourteen series elements after group 3 sit below.
    return offset < 2 ? offset + 1 : offset - 14 + 1;
}

} // namespace

std::optional<TableCell> CellOf(int z)
{
    if (z < 1 || z > kLastPlacedElement)
        return std::nullopt;
    if (z >= kLanthanum && z <= kLutetium)
        return TableCell {kLanthanideRow, kSeriesColumn + z - kLanthanum};
    if (z >= kActinium && z <= kLawrencium)
        return TableCell {kActinideRow, kSeriesColumn + z - kActinium};
    for (int period = 1; period <= 7; ++period)
        if (z <= kPeriods[static_cast<size_t>(period - 1)].last)
            return TableCell {period, ColumnInPeriod(z, period)};
    return std::nullopt;
}

int ElementAt(int row, int column)
{
    if (row < 1 || row > kTableRows || column < 1 || column > kTableColumns)
        return 0;
    // Few enough places to search them all.
    for (int z = 1; z <= kLastPlacedElement; ++z)
        if (CellOf(z) == TableCell {row, column})
            return z;
    return 0;
}

int SeriesStartAt(int row, int column)
{
    if (column != kSeriesColumn)
        return 0;
    if (row == 6)
        return kLanthanum;
    if (row == 7)
        return kActinium;
    return 0;
}

int StepFrom(int z, TableStep step, int lastHeld)
{
    const std::optional<TableCell> start = CellOf(z);
    if (!start)
        return z;
    const int dRow = step == TableStep::Up ? -1 : step == TableStep::Down ? 1 : 0;
    const int dColumn = step == TableStep::Left ? -1 : step == TableStep::Right ? 1 : 0;
    TableCell cell = *start;
    while (true) {
        cell.row += dRow;
        cell.column += dColumn;
        if (cell.row < 1 || cell.row > kTableRows || cell.column < 1 || cell.column > kTableColumns)
            return z;
        const int found = ElementAt(cell.row, cell.column);
        if (found != 0 && found <= lastHeld)
            return found;
    }
}

ElementFamily FamilyOf(int z)
{
    using F = ElementFamily;
    const auto in = [z](std::initializer_list<int> list) {
        return std::find(list.begin(), list.end(), z) != list.end();
    };
    if (z >= kLanthanum && z <= kLutetium)
        return F::Lanthanide;
    if (z >= kActinium && z <= kLawrencium)
        return F::Actinide;
    if (in({3, 11, 19, 37, 55, 87}))
        return F::AlkaliMetal;
    if (in({4, 12, 20, 38, 56, 88}))
        return F::AlkalineEarthMetal;
    if (in({2, 10, 18, 36, 54, 86, 118}))
        return F::NobleGas;
    if (in({9, 17, 35, 53, 85, 117}))
        return F::Halogen;
    if (in({5, 14, 32, 33, 51, 52}))
        return F::Metalloid;
    if (in({1, 6, 7, 8, 15, 16, 34}))
        return F::Nonmetal;
    if (in({13, 31, 49, 50, 81, 82, 83, 84, 113, 114, 115, 116}))
        return F::PostTransitionMetal;
    return F::TransitionMetal;
}

std::string_view FamilyName(ElementFamily family)
{
    switch (family) {
    case ElementFamily::AlkaliMetal:
        return "Alkali metal";
    case ElementFamily::AlkalineEarthMetal:
        return "Alkaline earth metal";
    case ElementFamily::TransitionMetal:
        return "Transition metal";
    case ElementFamily::PostTransitionMetal:
        return "Post-transition metal";
    case ElementFamily::Metalloid:
        return "Metalloid";
    case ElementFamily::Nonmetal:
        return "Nonmetal";
    case ElementFamily::Halogen:
        return "Halogen";
    case ElementFamily::NobleGas:
        return "Noble gas";
    case ElementFamily::Lanthanide:
        return "Lanthanide";
    case ElementFamily::Actinide:
        return "Actinide";
    }
    return "";
}

} // namespace corrolab

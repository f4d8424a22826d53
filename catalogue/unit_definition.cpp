#include "catalogue/unit_definition.h"

#include <charconv>

namespace corrolab {

namespace {

// Ten significant digits, the same in every locale.
std::string Number(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
    return std::string(text, end.ptr);
}

std::string ScaledText(const UnitDefinition& unit, std::string_view coherentUnit)
{
    const std::string symbol = coherentUnit.empty() ? CoherentUnitSymbol(unit.amount.dimension)
                                                    : std::string(coherentUnit);
    std::string text(unit.meaning.empty() ? unit.name : unit.meaning);
    text += " = " + Number(unit.amount.factor);
    if (!symbol.empty())
        text += " " + symbol;
    return text;
}

} // namespace

std::string DefinitionText(const UnitDefinition& unit, std::string_view coherentUnit)
{
    switch (unit.kind) {
    case UnitKind::Scaled:
        return ScaledText(unit, coherentUnit);
    case UnitKind::Temperature:
    case UnitKind::NumberFormat:
    case UnitKind::Currency:
        break;
    }
    return std::string(unit.meaning);
}

} // namespace corrolab

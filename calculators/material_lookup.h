#pragma once

#include "base/checked.h"
#include "calculators/rate_units.h"

#include <string>

namespace corrolab {

// How a material is named: a pure metal's symbol, an alloy of the catalogue, or a
// composition such as "70Cu 30Zn".
enum class MaterialKind { Metal, Alloy, Composition };

// The equivalent weight and density the Material Properties window would hand
// back for the material, or why it has none.
Checked<CalculatorMaterial> LookUpMaterial(MaterialKind kind, const std::string& text);

} // namespace corrolab

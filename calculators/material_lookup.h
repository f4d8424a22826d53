#pragma once

#include "base/checked.h"
#include "calculators/rate_units.h"
#include "tools/hand_back_method.h"

#include <string>

namespace corrolab {

// How a material is named: a pure metal's symbol, an alloy of the catalogue, or a
// composition such as "70Cu 30Zn".
enum class MaterialKind { Metal, Alloy, Composition };

// The equivalent weight and density the Material Properties window would hand
// back for the material by the method (the classic figures or ASTM G102's), or
// why it has none.
Checked<CalculatorMaterial> LookUpMaterial(
    MaterialKind kind, const std::string& text, HandBackMethod method = HandBackMethod::Classic);

} // namespace corrolab

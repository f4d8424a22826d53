#pragma once

#include "alloys/material_figures.h"
#include "base/checked.h"
#include "calculators/rate_units.h"
#include "tools/hand_back_method.h"

#include <string>

namespace corrolab {

// The material a calculator works with, from the figures the Material
// Properties window would hand back by the method: the classic equivalent
// weight with a coupon's density (the handbook's, else the element's or the
// volume-additive mean), or ASTM G102's figures. Refused with the reason when
// the method gives none.
Checked<CalculatorMaterial> CalculatorMaterialOf(
    const MaterialFigures& figures, HandBackMethod method);

// The same for a named metal, catalogue alloy or composition.
Checked<CalculatorMaterial> LookUpMaterial(
    MaterialKind kind, const std::string& text, HandBackMethod method = HandBackMethod::Classic);

} // namespace corrolab

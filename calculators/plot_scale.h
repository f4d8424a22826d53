#pragma once

#include "calculators/severity.h"

namespace corrolab {

// Where a rate (mm/year) sits on a severity band drawn as four equal parts, from
// 0 at the left to 1 at the right: linear inside each category, the severe part
// reaching to four times its lower edge; faster rates sit at the right end.
double BandPosition(double millimetresPerYear, Attack attack);

// A round step (1, 2 or 5 times a power of ten) that divides `range` into at most
// `maxSteps` parts; 1 for a range that is not above 0.
double RoundStep(double range, int maxSteps);

} // namespace corrolab

#pragma once

#include "base/number_format.h"

namespace corrolab {

// Fills the texts the tools window shows for a material's equivalent weight,
// density and ratio (4 decimals, " 27.9200") from its figures. Both the classic
// and the ASTM G102 results hold them under the same names.
template <class Results> void FillFigureTexts(Results& results)
{
    double ew = results.equivalentWeight;
    double density = results.density;
    double ratio = results.ratio;
    results.equivalentWeightText = FormatFixed(ew, 1, 4);
    results.densityText = FormatFixed(density, 1, 4);
    results.ratioText = FormatFixed(ratio, 1, 4);
}

} // namespace corrolab

#include "corrosion/material_values.h"

#include "base/lenient_number.h"
#include "base/number_format.h"

#include <limits>

namespace corrolab {

namespace {

double FrameValue(const std::string& text)
{
    return LenientValue(text).value_or(std::numeric_limits<double>::infinity());
}

} // namespace

FrameMaterial ReadFrame(const FrameTexts& frame)
{
    return {FrameValue(frame.equivalentWeight), FrameValue(frame.density), FrameValue(frame.ratio)};
}

HandBack HandBackTexts(
    const std::string& equivalentWeight, const std::string& density, const std::string& ratio)
{
    double e = LenientValueOrZero(equivalentWeight);
    double d = LenientValueOrZero(density);
    const double r = LenientValueOrZero(ratio);
    HandBack handBack {e, d, {}, d != 0 && e != 0};
    handBack.frame.density = FormatFixed(d, 1, 3);
    handBack.frame.equivalentWeight = FormatFixed(e, 1, 3);
    handBack.frame.ratio = PlainText(r);
    return handBack;
}

} // namespace corrolab

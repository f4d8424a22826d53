#include "corrosion/material_values.h"

#include "base/lenient_number.h"
#include "base/number_format.h"
#include "base/text.h"

#include <cmath>
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

std::string UserFrameRatio(const std::string& equivalentWeight, const std::string& density)
{
    const auto e = LenientValue(equivalentWeight);
    const auto d = LenientValue(density);
    double ratio = e && d ? *e / *d : 0;
    if (!e || !d || !(*e > 0) || !(*d > 0) || !std::isfinite(ratio))
        return {};
    return std::string(Trimmed(FormatFixed(ratio, 1, 4)));
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

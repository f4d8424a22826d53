#pragma once

#include <string>

namespace corrolab {

// The texts of the corrosion-rate frame: equivalent weight (g), density (g/cm^3)
// and their ratio, as the boxes show them.
struct FrameTexts
{
    std::string equivalentWeight;
    std::string density;
    std::string ratio;
};

// The frame as the main window opens: iron, in the form the tools window's
// hand-back writes (3 decimals).
inline const FrameTexts kStartFrame {" 27.920", " 7.860", "3.5526"};

// What the corrosion-rate units read from the frame: the equivalent weight and the
// ratio. A number too large for a double reads as infinity, which no conversion
// accepts.
struct FrameMaterial
{
    double equivalentWeight;
    double density;
    double ratio;
};
FrameMaterial ReadFrame(const FrameTexts& frame);

// The name the frame shows once the user has typed its equivalent weight or density.
inline constexpr const char* kUserMaterialName = "User's material";

// The ratio text for an equivalent weight and a density the user typed into the
// frame: EW / density with 4 decimals ("6.6667"); empty when either does not read
// as a finite number above 0, so that no penetration unit converts.
std::string UserFrameRatio(const std::string& equivalentWeight, const std::string& density);

// The frame texts the tools window hands back for its result texts: equivalent
// weight and density with 3 decimals, the ratio as plain decimals. Empty when
// the density or the equivalent weight reads as 0 (not calculated).
struct HandBack
{
    double equivalentWeight;
    double density;
    FrameTexts frame;
    bool calculated; // false when density or equivalent weight reads 0
};
HandBack HandBackTexts(
    const std::string& equivalentWeight, const std::string& density, const std::string& ratio);

} // namespace corrolab

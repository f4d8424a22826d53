#pragma once

#include <string>

namespace corrolab {

class Form2;

// Renders each window in its start state to a PNG in `folder`
// (corrolab-main.png, corrolab-material.png, corrolab-dictionary.png), and a few
// states worth reviewing (an alloy, a material that cannot be calculated).
bool SaveScreenshots(Form2& window, const std::string& folder);

// The periodic table (by family, and as a heat map of density) and the alloy
// browser (all alloys, and those with at least 2 % molybdenum).
bool SaveBrowserScreenshots(Form2& window, const std::string& folder);

} // namespace corrolab

#pragma once

namespace corrolab {

// The material of the main window's corrosion-rate frame, as last read or handed
// back by the tools window.
struct MaterialValues
{
    double density = 0; // g/cm^3
    double equivalentWeight = 0; // g
};

} // namespace corrolab

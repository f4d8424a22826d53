#pragma once

// The units that the catalogue's names are built from, as amounts in coherent
// SI units. Where a name has more than one meaning in use, the one chosen here
// is the one a US engineer reads (short ton, US gallon, International Table
// calorie and Btu, mechanical horsepower, year of 365.25 days).

#include "catalogue/quantity.h"
#include "corrosion/corrosion_rate_units.h"

#include <numbers>

namespace corrolab::symbols {

// Base and supplementary units.
inline constexpr Quantity m {1, Dimension::Of(Dimension::kLength)};
inline constexpr Quantity kg {1, Dimension::Of(Dimension::kMass)};
inline constexpr Quantity s {1, Dimension::Of(Dimension::kTime)};
inline constexpr Quantity amp {1, Dimension::Of(Dimension::kCurrent)};
inline constexpr Quantity K {1, Dimension::Of(Dimension::kTemperature)};
inline constexpr Quantity cd {1, Dimension::Of(Dimension::kLuminousIntensity)};
inline constexpr Quantity rad {1, Dimension::Of(Dimension::kAngle)};
inline constexpr Quantity sr {1, Dimension::Of(Dimension::kSolidAngle)};
inline constexpr Quantity one {1, Dimension::Of(Dimension::kCount)};
inline constexpr Quantity number {1, Dimension {}}; // a pure ratio

// Length.
inline constexpr Quantity cm = 0.01 * m;
inline constexpr Quantity mm = 0.001 * m;
inline constexpr Quantity km = 1000 * m;
inline constexpr Quantity deci_m = 0.1 * m;
inline constexpr Quantity deca_m = 10 * m;
inline constexpr Quantity micro_m = 1e-6 * m;
inline constexpr Quantity nano_m = 1e-9 * m;
inline constexpr Quantity in = 0.0254 * m;
inline constexpr Quantity ft = 12 * in;
inline constexpr Quantity yard = 3 * ft;
inline constexpr Quantity mile = 5280 * ft;
inline constexpr Quantity mil = 0.001 * in;
inline constexpr Quantity NauticalMile = 1852 * m;
inline constexpr Quantity c = 299792458 * m / s; // speed of light

// Time.
inline constexpr Quantity min = 60 * s;
inline constexpr Quantity hr = 60 * min;
inline constexpr Quantity day = 24 * hr;
inline constexpr Quantity week = 7 * day;
inline constexpr Quantity year = kSecondsPerYear * s; // Julian year, 365.25 days
inline constexpr Quantity month = year / 12;

// Plane angle.
inline constexpr Quantity rev = 2 * std::numbers::pi * rad;
inline constexpr Quantity deg = rev / 360;
inline constexpr Quantity grad = rev / 400;

// Mass.
inline constexpr Quantity g = 0.001 * kg;
inline constexpr Quantity mg = 0.001 * g;
inline constexpr Quantity lb = 0.45359237 * kg;
inline constexpr Quantity oz = lb / 16;
inline constexpr Quantity grain = lb / 7000;
inline constexpr Quantity ton = 2000 * lb; // short ton

// Force.
inline constexpr Quantity gravity = 9.80665 * m / s / s; // standard acceleration of gravity
inline constexpr Quantity N = kg * m / s / s;
inline constexpr Quantity kilo_N = 1000 * N;
inline constexpr Quantity kgf = kg * gravity;
inline constexpr Quantity gf = g * gravity;
inline constexpr Quantity lbf = lb * gravity;
inline constexpr Quantity kip = 1000 * lbf;
inline constexpr Quantity dyne = g * cm / s / s;
inline constexpr Quantity poundal = lb * ft / s / s;
inline constexpr Quantity slug = lbf * s * s / ft;

// Energy and power.
inline constexpr Quantity J = N * m;
inline constexpr Quantity kilo_J = 1000 * J;
inline constexpr Quantity erg = dyne * cm;
inline constexpr Quantity cal = 4.1868 * J; // International Table calorie
inline constexpr Quantity kilo_cal = 1000 * cal;
inline constexpr Quantity Btu = 1055.05585262 * J; // International Table Btu
inline constexpr Quantity W = J / s;
inline constexpr Quantity kilo_W = 1000 * W;
inline constexpr Quantity mega_W = 1e6 * W;
inline constexpr Quantity giga_W = 1e9 * W;

// Pressure.
inline constexpr Quantity Pa = N / m / m;
inline constexpr Quantity milli_Pa = 0.001 * Pa;
inline constexpr Quantity kilo_Pa = 1000 * Pa;
inline constexpr Quantity mega_Pa = 1e6 * Pa;
inline constexpr Quantity giga_Pa = 1e9 * Pa;
inline constexpr Quantity atm = 101325 * Pa;
inline constexpr Quantity psi = lbf / in / in;
// Conventional densities of the manometer liquids.
inline constexpr Quantity mercury = 13595.1 * kg / m / m / m;
inline constexpr Quantity water = 1000 * kg / m / m / m;

// Temperature steps (not temperatures) in compound units.
inline constexpr Quantity degC = K;
inline constexpr Quantity degF = K / 1.8;

// Volume.
inline constexpr Quantity lit = 0.001 * m * m * m;
inline constexpr Quantity gal = 231 * in * in * in; // US liquid gallon
inline constexpr Quantity ozf = gal / 128; // US fluid ounce
inline constexpr Quantity barrel = 42 * gal; // petroleum barrel
inline constexpr Quantity UKgal = 4.54609 * lit; // imperial gallon
inline constexpr Quantity cft = ft * ft * ft;

// Electricity and magnetism.
inline constexpr Quantity coul = amp * s;
inline constexpr Quantity milli_amp = 0.001 * amp;
inline constexpr Quantity micro_amp = 1e-6 * amp;
inline constexpr Quantity volt = W / amp;
inline constexpr Quantity ohm = volt / amp;
inline constexpr Quantity farad = coul / volt;
inline constexpr Quantity henry = ohm * s;
inline constexpr Quantity mho = amp / volt;
inline constexpr Quantity weber = volt * s;
// Gaussian-system units: 1 statcoulomb is 1 / (10 c) C with c in m/s.
inline constexpr Quantity abamp = 10 * amp;
inline constexpr Quantity abcoul = abamp * s;
inline constexpr Quantity statcoul = coul / (10 * c.factor);
inline constexpr Quantity franklin = statcoul;
inline constexpr Quantity statamp = statcoul / s;

// Light.
inline constexpr Quantity lm = cd * sr;
inline constexpr Quantity lux = lm / m / m;

} // namespace corrolab::symbols

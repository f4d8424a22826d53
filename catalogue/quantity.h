#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corrolab {

// What a unit measures, as exponents of the base quantities: the seven SI base
// quantities, except that amount of substance is a plain count, and plane angle
// and solid angle, which are quantities of their own here so that rad/s and
// m/s, or cd and lm, do not pass for one another.
struct Dimension
{
    enum Base {
        kLength,
        kMass,
        kTime,
        kCurrent,
        kTemperature,
        kLuminousIntensity,
        kAngle,
        kSolidAngle,
        kCount,
        kBaseCount
    };
    std::array<std::int8_t, kBaseCount> exponent {};

    constexpr bool operator==(const Dimension&) const = default;

    constexpr Dimension operator*(const Dimension& other) const
    {
        Dimension product;
        for (int i = 0; i < kBaseCount; ++i)
            product.exponent[i] = static_cast<std::int8_t>(exponent[i] + other.exponent[i]);
        return product;
    }
    constexpr Dimension operator/(const Dimension& other) const
    {
        Dimension quotient;
        for (int i = 0; i < kBaseCount; ++i)
            quotient.exponent[i] = static_cast<std::int8_t>(exponent[i] - other.exponent[i]);
        return quotient;
    }
    static constexpr Dimension Of(Base base)
    {
        Dimension dimension;
        dimension.exponent[base] = 1;
        return dimension;
    }
};

// An amount of some quantity in coherent SI units (with the radian, the
// steradian and the plain count for the quantities of their own): 1 ft is
// {0.3048, length}. Products and quotients of amounts spell out compound units.
struct Quantity
{
    double factor = 1;
    Dimension dimension;

    constexpr Quantity operator*(const Quantity& other) const
    {
        return {factor * other.factor, dimension * other.dimension};
    }
    constexpr Quantity operator/(const Quantity& other) const
    {
        return {factor / other.factor, dimension / other.dimension};
    }
    constexpr Quantity operator/(double divisor) const { return {factor / divisor, dimension}; }
    friend constexpr Quantity operator*(double scale, const Quantity& quantity)
    {
        return {scale * quantity.factor, quantity.dimension};
    }
};

// The coherent unit of a dimension as text: a named unit where there is one
// ("N", "Pa", "lx"), else its base symbols in the catalogue's way of writing
// ("kg/m^2-s", "rad/s"); empty for a plain count.
std::string CoherentUnitSymbol(const Dimension& dimension);

} // namespace corrolab

#pragma once

#include "polarization/curve.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// A curve read from a file, or the one-line reason there is none ("line 12: ...").
struct CurveRead
{
    std::optional<PolarizationCurve> curve;
    std::string error;
};

// Limits that keep a hostile file from costing more than a small multiple of its
// size: a longer line or more columns refuse the file.
inline constexpr std::size_t kMaxCurveLineLength = 1 << 16;
inline constexpr std::size_t kMaxCurveColumns = 1024;
inline constexpr std::size_t kMaxCurveFileBytes = std::size_t {256} << 20;

// Gamry's .DTA: the CURVE TABLE block, columns by name (Vf potential, Im current,
// T time) with their units in the row below the names; the header's AREA (cm^2),
// DENSITY (g/cm^3) and EQUIV (g).
CurveRead ReadGamryDta(std::string_view bytes);

// BioLogic EC-Lab's text export: "Nb header lines : N", the column names on line
// N (Ewe/V, <I>/mA, I/mA, time/s), tab-separated, decimal points or commas.
CurveRead ReadEcLabText(std::string_view bytes);

// Autolab NOVA's export: a header such as "Potential applied (V);Time (s);
// WE(1).Current (A);WE(1).Potential (V)", semicolons or tabs, points or commas.
// The measured potential is taken before the applied one.
CurveRead ReadNovaExport(std::string_view bytes);

// Any text table: comma, semicolon, tab or blank separated, with or without a
// header. Columns are found by their header words (potential, E, Ewe, V; current,
// I, A, mA, uA, current density; time) with the units in the header (V or mV; A,
// mA, uA, nA; per cm^2 or per m^2), else the first two columns are potential (V)
// and current (A).
CurveRead ReadCurveTable(std::string_view bytes);

// The reader the bytes call for.
CurveRead ReadCurveBytes(std::string_view bytes);

// Reads a file (at most kMaxCurveFileBytes) and its curve.
CurveRead ReadCurveFile(const std::filesystem::path& path);

} // namespace corrolab

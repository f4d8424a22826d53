#pragma once

#include "calculators/rate_units.h"

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace corrolab {

class Platform;
struct DownloadResult;

// The parts of the windows that need libraries of their own are modules, shared
// objects opened the first time they are used, so that the main window starts
// without those libraries:
//   corrolab-polarization  the polarization curve window (Qt Charts, Qt SVG)
//   corrolab-print         the print dialog (Qt Print Support)
//   corrolab-download      downloads with progress (Qt Network)
// A module is looked for beside the windows program, then where an installation
// puts it (lib/corrolab/).

// The entry `entry` of `module`, typed as the module defines it: a module
// defines its entries extern "C", and its header gives their types. Throws
// std::runtime_error with a one-line reason when the module or the entry is
// missing.
void* ModuleEntryAddress(
    const std::filesystem::path& programFolder, const std::string& module, const char* entry);

template <class Signature>
Signature* ModuleEntry(
    const std::filesystem::path& programFolder, const std::string& module, const char* entry)
{
    return reinterpret_cast<Signature*>(ModuleEntryAddress(programFolder, module, entry));
}

// The modules and the types of their entries (each module's header declares them).
inline constexpr char kPolarizationModule[] = "corrolab-polarization";
using PolarizationWindowEntry = QWidget*(Platform&, std::function<CalculatorMaterial()>);
using PolarizationScreenshotsEntry = bool(QWidget*, const std::string&);
inline constexpr char kPrintModule[] = "corrolab-print";
using PrintDocumentEntry = bool(QWidget*, const std::string&);
inline constexpr char kDownloadModule[] = "corrolab-download";
using DownloadEntry = void(QWidget*, const std::string&, DownloadResult&);

// For a program that links a module's code into itself (the window tests): the
// entry of that name is this address, and no module file is opened for it
// (null: the module file is looked for again).
void ProvideModuleEntry(const char* entry, void* address);

} // namespace corrolab

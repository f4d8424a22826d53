#pragma once

#include "alloys/material_figures.h"
#include "tools/hand_back_method.h"

#include <map>
#include <optional>
#include <string>

namespace corrolab {

// The material one of --metal, --alloy and --composition names; std::nullopt
// without any, a usage error for more than one.
struct MaterialOption
{
    MaterialKind kind;
    std::string text;
};
std::optional<MaterialOption> NamedMaterialOption(
    const std::map<std::string, std::string>& options);

// The hand-back method an option gives (--method for convert, --ew for
// polarization): classic without it, a usage error for another word.
HandBackMethod MethodOption(
    const std::map<std::string, std::string>& options, const std::string& name);

} // namespace corrolab

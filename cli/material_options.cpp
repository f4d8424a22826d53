#include "cli/material_options.h"

#include "cli/subcommand.h"

namespace corrolab {

std::optional<MaterialOption> NamedMaterialOption(const std::map<std::string, std::string>& options)
{
    const std::pair<const char*, MaterialKind> kinds[] = {{"--metal", MaterialKind::Metal},
        {"--alloy", MaterialKind::Alloy}, {"--composition", MaterialKind::Composition}};
    std::optional<MaterialOption> named;
    for (const auto& [option, kind] : kinds) {
        const auto found = options.find(option);
        if (found == options.end())
            continue;
        if (named)
            ThrowUsage("give one of --metal, --alloy and --composition");
        named = MaterialOption {kind, found->second};
    }
    return named;
}

HandBackMethod MethodOption(
    const std::map<std::string, std::string>& options, const std::string& name)
{
    const auto found = options.find(name);
    if (found == options.end())
        return HandBackMethod::Classic;
    const std::optional<HandBackMethod> method = MethodFromWord(found->second);
    if (!method)
        ThrowUsage(name + " takes classic or g102, not '" + found->second + "'");
    return *method;
}

} // namespace corrolab

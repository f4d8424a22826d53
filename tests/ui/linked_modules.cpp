// The window tests link the modules' code into themselves: their entries are
// handed to the windows directly, and must have the types the windows call them by.
#include "app/ui/window_modules.h"
#include "fetch/ui/download_module.h"
#include "polarization/ui/polarization_module.h"
#include "print/ui/print_module.h"

#include <type_traits>

namespace corrolab {

static_assert(std::is_same_v<decltype(corrolab_polarization_window), PolarizationWindowEntry>);
static_assert(
    std::is_same_v<decltype(corrolab_polarization_screenshots), PolarizationScreenshotsEntry>);
static_assert(std::is_same_v<decltype(corrolab_print_document), PrintDocumentEntry>);
static_assert(std::is_same_v<decltype(corrolab_download), DownloadEntry>);

void ProvideLinkedModules()
{
    ProvideModuleEntry(
        "corrolab_polarization_window", reinterpret_cast<void*>(&corrolab_polarization_window));
    ProvideModuleEntry("corrolab_polarization_screenshots",
        reinterpret_cast<void*>(&corrolab_polarization_screenshots));
    ProvideModuleEntry(
        "corrolab_print_document", reinterpret_cast<void*>(&corrolab_print_document));
    ProvideModuleEntry("corrolab_download", reinterpret_cast<void*>(&corrolab_download));
}

} // namespace corrolab

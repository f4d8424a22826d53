#include "app/program_info.h"

#include "base/today.h"

#include "app/data_file_report.h"

namespace corrolab {

std::string_view ProgramVersion()
{
    return CORROLAB_VERSION; // the project's version, given by the build
}

std::string AboutText(const std::vector<DataFolder>& folders)
{
    std::string text = "Corrolab " + std::string(ProgramVersion()) + "\n"
        + "Corrosion rate, unit and currency converter.\n\n"
        + "Licence: GNU General Public License, version 3 or later (" + std::string(kProgramLicence)
        + "). Corrolab comes with ABSOLUTELY NO WARRANTY;\n"
        + "you may share and change it under the terms of that licence.\n\n" + "Data files:\n";
    return text + DataPathsReport(folders);
}

std::string ReportFooter(std::chrono::year_month_day day)
{
    return "Corrolab " + std::string(ProgramVersion()) + " (" + std::string(kProgramLicence) + "), "
        + IsoDate(day);
}

} // namespace corrolab

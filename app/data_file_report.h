#pragma once

#include "datafiles/data_folders.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

struct DataFileInUse
{
    std::string_view name;
    std::optional<FoundDataFile> found;
};

// The exchange rates, the user guide and the unit list, each with the file the
// program uses for it.
std::vector<DataFileInUse> DataFilesInUse(const std::vector<DataFolder>& folders);

// "help.txt: /usr/share/corrolab/help.txt (installed)" or "help.txt: not found".
std::string DataFileLine(const DataFileInUse& file);

// What `corrolab paths` prints: the file in use for each data file, then the
// folders searched in their order.
std::string DataPathsReport(const std::vector<DataFolder>& folders);

} // namespace corrolab

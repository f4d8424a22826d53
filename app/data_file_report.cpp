#include "app/data_file_report.h"

#include "currency/rates_reader.h"

namespace corrolab {

std::vector<DataFileInUse> DataFilesInUse(const std::vector<DataFolder>& folders)
{
    std::vector<DataFileInUse> files;
    for (const std::string_view name : {kRatesFileName, kHelpFileName, kUnitListFileName})
        files.push_back({name, FindDataFile(folders, name)});
    return files;
}

std::string DataFileLine(const DataFileInUse& file)
{
    std::string line = std::string(file.name) + ": ";
    if (!file.found)
        return line + "not found";
    return line + file.found->file.string() + " (" + DescribeKind(file.found->kind) + ")";
}

std::string DataPathsReport(const std::vector<DataFolder>& folders)
{
    std::string report;
    for (const DataFileInUse& file : DataFilesInUse(folders))
        report += DataFileLine(file) + '\n';
    report += "Folders searched, in order:\n";
    for (const DataFolder& folder : folders)
        report += "  " + folder.path.string() + " (" + DescribeKind(folder.kind) + ")\n";
    return report;
}

} // namespace corrolab

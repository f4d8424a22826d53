// What the package, its metainfo and its copyright say of the program must hold
// for the program as built.
#include "alloys/alloy_catalogue.h"
#include "app/program_info.h"
#include "catalogue/unit_catalogue.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace corrolab {
namespace {

std::string SourceFile(const std::string& name)
{
    std::ifstream in(std::string(CORROLAB_DATA_DIR) + "/../" + name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

size_t AlloyCount()
{
    size_t count = 0;
    for (const BaseMetal& base : AlloyCatalogue())
        count += base.alloys.size();
    return count;
}

size_t UnitCount()
{
    size_t count = 0;
    for (const Category& category : UnitCatalogue())
        count += category.units.size();
    return count;
}

// Every "N <word>" of a text, as the numbers N; the text is joined across line
// breaks and indentation first.
std::vector<size_t> CountsBefore(std::string text, const std::string& word)
{
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    std::vector<size_t> counts;
    const std::regex pattern("([0-9]+) " + word);
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        counts.push_back(std::stoul((*it)[1].str()));
    return counts;
}

TEST(PackageFacts, DescriptionsGiveTheCatalogueCounts)
{
    const struct
    {
        const char* file;
        const char* word;
        size_t count;
    } rows[] = {
        {"packaging/io.github.corrolab.Corrolab.metainfo.xml.in", "alloys", AlloyCount()},
        {"packaging/io.github.corrolab.Corrolab.metainfo.xml.in", "units", UnitCount()},
        {"cmake/Install.cmake", "alloys", AlloyCount()},
        {"cmake/Install.cmake", "units", UnitCount()},
    };
    for (const auto& row : rows) {
        const std::string text = SourceFile(row.file);
        ASSERT_FALSE(text.empty()) << row.file;
        const std::vector<size_t> counts = CountsBefore(text, row.word);
        EXPECT_EQ(counts, std::vector<size_t> {row.count}) << row.file << ": " << row.word;
    }
}

TEST(PackageFacts, EveryFileNamesTheOneLicence)
{
    const std::string licence(kProgramLicence);
    const struct
    {
        const char* file;
        std::string expected;
    } rows[] = {
        {"packaging/io.github.corrolab.Corrolab.metainfo.xml.in",
            "<project_license>" + licence + "</project_license>"},
        // Debian's copyright format names it GPL-3+.
        {"packaging/copyright.in", "License: GPL-3+\n"},
        {"packaging/copyright.in",
            "either version 3 of the License, or (at your option) any later"},
        {"LICENSE", "GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007"},
    };
    for (const auto& row : rows)
        EXPECT_NE(SourceFile(row.file).find(row.expected), std::string::npos)
            << row.file << " lacks: " << row.expected;
}

} // namespace
} // namespace corrolab

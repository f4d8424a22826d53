#include "app/program_info.h"
#include "base/report.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

struct HtmlCase
{
    const char* name;
    Report report;
    std::vector<std::string> holds;
    std::vector<std::string> lacks;
};

TEST(ReportHtml, HoldsEveryFigureAndNoMarkupFromTheTexts)
{
    const HtmlCase cases[] = {
        {"rows", {"Conversion", {{"Conversion", {{"Value", "1", "micro_amp/cm^2"}}}}},
            {"<h2>Conversion</h2>", "<h3>Conversion</h3>", "<td>Value</td>",
                "<td align=\"right\">1</td>", "<td>micro_amp/cm^2</td>", "footer</p>"},
            {}},
        {"typed names are text", {"<b>x</b>", {{"A & B", {{"<script>", "\"1\"", "g\ncm"}}}}},
            {"&lt;b&gt;x&lt;/b&gt;", "A &amp; B", "&lt;script&gt;", "&quot;1&quot;", "g cm"},
            {"<b>", "<script>", "g\ncm"}},
        {"an empty section is left out", {"T", {{"Empty", {}}, {"Shown", {{"a", "b", ""}}}}},
            {"<h3>Shown</h3>"}, {"<h3>Empty</h3>"}},
        {"a table with column headings",
            {"T",
                {{"Composition", {{"Total", "100", "%"}}, {"Symbol", "Percentage"},
                    {{"Cu", "70"}, {"Zn", "30"}}}}},
            {"<th>Symbol</th><th>Percentage</th>", "<td>Cu</td><td>70</td>",
                "<td>Zn</td><td>30</td>", "<td>Total</td>"},
            {}},
    };
    for (const HtmlCase& c : cases) {
        const std::string html = ReportHtml(c.report, "footer");
        for (const std::string& part : c.holds)
            EXPECT_NE(html.find(part), std::string::npos) << c.name << ": " << part;
        for (const std::string& part : c.lacks)
            EXPECT_EQ(html.find(part), std::string::npos) << c.name << ": " << part;
    }
}

TEST(ReportFooter, NamesTheProgramItsVersionLicenceAndTheDay)
{
    using namespace std::chrono;
    EXPECT_EQ(ReportFooter(year(2026) / 12 / 9),
        "Corrolab " + std::string(ProgramVersion()) + " (GPL-3.0-or-later), 2026-12-09");
}

} // namespace
} // namespace corrolab

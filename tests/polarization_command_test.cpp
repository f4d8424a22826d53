#include "tests/support/in_process_command_line.h"
#include "tests/support/polarization_curves.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corrolab {
namespace {

std::filesystem::path Write(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

class PolarizationCommand : public ::testing::Test
{
protected:
    TempFolder folder_;
    ProcessResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "polarization");
        return RunCommandLineInProcess(args, "", folder_.path());
    }
    std::string Dta()
    {
        testing::SyntheticCurve synthetic;
        synthetic.area = 2;
        return Write(folder_.path() / "scan.DTA",
            testing::GamryText(testing::MakeActivationCurve(synthetic), 2, 7.87, 27.92))
            .string();
    }
};

TEST_F(PolarizationCommand, LabelledLinesForTheGamryFile)
{
    const ProcessResult result = Run({Dta()});
    ASSERT_EQ(result.status, 0) << result.err;
    // The curve's own figures within the fit's 1 % noise.
    const struct
    {
        const char* label;
        double value;
        double tolerance;
        const char* unit;
    } rows[] = {
        {"Ecorr: ", -0.450, 0.001, " V"},
        {"icorr: ", 10.0, 0.3, " micro_amp/cm^2"},
        {"beta a: ", 60.0, 1.8, " mV/decade"},
        {"beta c: ", 120.0, 3.6, " mV/decade"},
        {"B: ", 17.37, 0.5, " mV"},
        {"Rp: ", 1737, 52, " ohm cm^2"},
        {"corrosion rate: ", 0.116, 0.0035, " mm/year"},
        {"area: ", 2, 0, " cm^2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const std::size_t at = result.out.find(std::string("\n") + row.label);
        ASSERT_NE(at, std::string::npos) << result.out;
        const std::string line = result.out.substr(at + 1, result.out.find('\n', at + 1) - at - 1);
        EXPECT_NEAR(std::stod(line.substr(std::string(row.label).size())), row.value, row.tolerance)
            << line;
        EXPECT_TRUE(line.ends_with(row.unit)) << line;
    }
    EXPECT_NE(
        result.out.find("material: the file's EW and density: EW 27.92 g, density 7.87 g/cm^3"),
        std::string::npos);
}

TEST_F(PolarizationCommand, JsonIsOneObject)
{
    const ProcessResult result = Run({Dta(), "--json", "--method", "tafel", "--unit", "mpy"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.front(), '{');
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1);
    for (const char* key :
        {"\"method\":\"tafel\"", "\"icorr_uA_cm2\":", "\"rate_unit\":\"mpy\"", "\"warnings\":["})
        EXPECT_NE(result.out.find(key), std::string::npos) << key;
}

TEST_F(PolarizationCommand, RefusalsAreOneLine)
{
    const std::string dta = Dta();
    const std::string words = Write(folder_.path() / "words.txt", "nothing\nhere\n").string();
    const std::string oneColumn = Write(folder_.path() / "one.csv", "1\n2\n3\n").string();
    const std::string empty = Write(folder_.path() / "empty.csv", "").string();
    const std::string noSign
        = Write(folder_.path() / "nosign.csv", "-0.5,1e-6\n-0.4,2e-6\n-0.3,3e-6\n").string();
    const struct
    {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string error;
    } rows[] = {
        {"empty", {empty}, 1, "empty.csv: the file is empty"},
        {"words", {words}, 1, "words.txt: the file holds no curve"},
        {"one column", {oneColumn}, 1, "one.csv: line 1: only one column"},
        {"never changes sign", {noSign}, 1, "nosign.csv: the current never changes sign"},
        {"missing file", {(folder_.path() / "none.DTA").string()}, 1, "none.DTA: not a file"},
        {"no reverse branch", {dta, "--branch", "reverse"}, 1, "no reverse branch"},
        {"unknown alloy", {dta, "--alloy", "Unobtainium"}, 1, "unknown alloy 'Unobtainium'"},
        {"bad method", {dta, "--method", "guess"}, 2, "--method takes butler-volmer"},
        {"bad window", {dta, "--window", "0.1"}, 2, "--window takes LOW,HIGH"},
        {"reversed window", {dta, "--window", "0.1,-0.1"}, 2, "LOW must be below HIGH"},
        {"bad number", {dta, "--area", "2cm"}, 2, "--area takes a number"},
        {"bad unit", {dta, "--unit", "furlongs"}, 2, "--unit takes a corrosion-rate unit"},
        {"two materials", {dta, "--metal", "Fe", "--alloy", "x"}, 2, "give one of"},
        {"no file", {}, 2, "needs a FILE"},
        {"a control character", {dta, "--method", "a\x1b"}, 2, "'a\\x1b'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ProcessResult result = Run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find(row.error), std::string::npos) << result.err;
        if (row.status == 1) {
            EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        }
    }
}

TEST_F(PolarizationCommand, MaterialAndMethodOptions)
{
    const std::string dta = Dta();
    const ProcessResult g102 = Run({dta, "--metal", "Fe", "--ew", "g102"});
    ASSERT_EQ(g102.status, 0) << g102.err;
    EXPECT_NE(g102.out.find("material: Fe (G102)"), std::string::npos) << g102.out;
    const ProcessResult lpr = Run({dta, "--method", "lpr", "--b", "17.37"});
    ASSERT_EQ(lpr.status, 0) << lpr.err;
    EXPECT_NE(lpr.out.find("B: 17.37 mV"), std::string::npos) << lpr.out;
    const ProcessResult ir = Run({dta, "--ru", "0.01", "--free-ecorr"});
    ASSERT_EQ(ir.status, 0) << ir.err;
    EXPECT_NE(ir.out.find("Ecorr error: "), std::string::npos) << ir.out;
}

} // namespace
} // namespace corrolab

#include "polarization/curve_readers.h"
#include "tests/support/polarization_curves.h"

#include <gtest/gtest.h>

#include <string>

namespace corrolab {
namespace {

// The same three points in every format: E -0.5, -0.45, -0.4 V and I -2, 0.5,
// 3 uA (or uA/cm^2 where the file says so).
const double kPotential[] = {-0.5, -0.45, -0.4};
const double kCurrent[] = {-2e-6, 0.5e-6, 3e-6};

struct FormatRow
{
    const char* name;
    std::string text;
    const char* format;
    bool density;
    bool time;
};

TEST(PolarizationReaders, EveryFormatReadsTheSameNumbers)
{
    const FormatRow rows[] = {
        {"Gamry DTA",
            "EXPLAIN\nTAG\tPOTENTIODYNAMIC\nAREA\tQUANT\t1.00000E+000\tSample &Area (cm^2)\n"
            "CURVE\tTABLE\t3\n\tPt\tT\tVf\tIm\tVu\n\t#\ts\tV vs. Ref.\tA\tV\n"
            "\t0\t1\t-5.0E-001\t-2.0E-006\t0\n\t1\t2\t-4.5E-001\t5.0E-007\t0\n\t2\t3\t-4.0E-001\t3."
            "0E-006\t0\n"
            "EXPERIMENTABORTED\tTOGGLE\tF\tExperiment Aborted\n",
            "Gamry DTA", false, true},
        {"Gamry DTA in mV and uA with decimal commas",
            "EXPLAIN\nCURVE\tTABLE\t3\n\tPt\tVf\tIm\n\t#\tmV vs. Ref.\tuA\n"
            "\t0\t-500\t-2\n\t1\t-450\t0,5\n\t2\t-400\t3\n",
            "Gamry DTA", false, false},
        {"EC-Lab, decimal commas, mA",
            "EC-Lab ASCII FILE\nNb header lines : "
            "4\n\nmode\tox/red\terror\ttime/s\tcontrol/V\tEwe/V\t<I>/mA\tcycle number\n"
            "1\t0\t0\t1,0\t-0,6\t-0,5\t-0,002\t0\n1\t1\t0\t2,0\t-0,6\t-0,45\t0,0005\t0\n"
            "1\t1\t0\t3,0\t-0,6\t-0,4\t0,003\t0\n",
            "EC-Lab text", false, true},
        {"EC-Lab, I/uA in Latin-1 micro",
            "EC-Lab ASCII FILE\nNb header lines : 3\nEwe/V\tI/\xb5"
            "A\n-0.5\t-2\n-0.45\t0.5\n-0.4\t3\n",
            "EC-Lab text", false, false},
        {"NOVA semicolons and decimal commas",
            "Potential applied (V);Time (s);WE(1).Current (A);WE(1).Potential (V);Index\n"
            "-0,6;1;-2E-6;-0,5;1\n-0,6;2;5E-7;-0,45;2\n-0,6;3;3E-6;-0,4;3\n",
            "NOVA", false, true},
        {"CSV with a header in mV and mA",
            "Potential (mV),Current (mA)\n-500,-0.002\n-450,0.0005\n-400,0.003\n", "text table",
            false, false},
        {"semicolons and decimal commas read as the same CSV",
            "Potential (mV);Current (mA)\n-500;-0,002\n-450;0,0005\n-400;0,003\n", "text table",
            false, false},
        {"TSV of current density in uA/cm2 (UTF-8 micro)",
            "E [V]\ti [\xc2\xb5"
            "A/cm\xc2\xb2]\n-0.5\t-2\n-0.45\t0.5\n-0.4\t3\n",
            "text table", true, false},
        {"current density in A/m2", "E/V,j/A/m2\n-0.5,-0.02\n-0.45,0.005\n-0.4,0.03\n",
            "text table", true, false},
        {"blank-separated, no header, CRLF", "-0.5 -2e-6\r\n-0.45   5e-7\r\n\r\n-0.4\t3e-6\r\n",
            "text table", false, false},
        {"blank-separated with decimal commas", "-0,5 -2e-6\n-0,45 5e-7\n-0,4 3e-6\n", "text table",
            false, false},
        {"bare unit names as the header, current first", "uA V\n-2 -0.5\n0.5 -0.45\n3 -0.4\n",
            "text table", false, false},
        {"header words and a preamble",
            "Sample 7\nScan rate 0.167 mV/s\nTime (s),Current (nA),Potential (V)\n"
            "1,-2000,-0.5\n2,500,-0.45\n3,3000,-0.4\n",
            "text table", false, true},
        {"unknown header names: the first two columns",
            "foo,bar,baz\n-0.5,-2e-6,7\n-0.45,5e-7,7\n-0.4,3e-6,7\n", "text table", false, false},
    };
    for (const FormatRow& row : rows) {
        SCOPED_TRACE(row.name);
        const CurveRead read = ReadCurveBytes(row.text);
        ASSERT_TRUE(read.curve) << read.error;
        const PolarizationCurve& curve = *read.curve;
        EXPECT_EQ(curve.format, row.format);
        EXPECT_EQ(curve.currentIsDensity, row.density);
        ASSERT_EQ(curve.potential.size(), 3u);
        ASSERT_EQ(curve.current.size(), 3u);
        EXPECT_EQ(curve.time.size(), row.time ? 3u : 0u);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(curve.potential[k], kPotential[k], 1e-12) << k;
            EXPECT_NEAR(curve.current[k], kCurrent[k], 1e-15) << k;
        }
    }
}

TEST(PolarizationReaders, GamryHeaderFigures)
{
    const CurveRead read = ReadGamryDta(
        testing::GamryText({{-0.5, -0.45, -0.4}, {-1e-6, 1e-6, 2e-6}}, 2, 7.87, 27.92));
    ASSERT_TRUE(read.curve) << read.error;
    EXPECT_DOUBLE_EQ(read.curve->area.value_or(0), 2);
    EXPECT_DOUBLE_EQ(read.curve->density.value_or(0), 7.87);
    EXPECT_DOUBLE_EQ(read.curve->equivalentWeight.value_or(0), 27.92);
    // The OCV table before the CURVE TABLE is not the curve.
    EXPECT_EQ(read.curve->potential.size(), 3u);
    EXPECT_DOUBLE_EQ(read.curve->time[2], 1);
}

struct RefusalRow
{
    const char* name;
    std::string text;
    const char* error;
};

TEST(PolarizationReaders, RefusalsNameTheLine)
{
    const std::string tooLong = "-0.5," + std::string(kMaxCurveLineLength, '1') + "\n";
    std::string manyColumns = "-0.5";
    for (std::size_t k = 0; k < kMaxCurveColumns + 1; ++k)
        manyColumns += ",1";
    const RefusalRow rows[] = {
        {"empty", "", "the file is empty"},
        {"only blanks", " \n\t\r\n", "the file is empty"},
        {"one column", "-0.5\n-0.4\n-0.3\n", "line 1: only one column"},
        {"words", "to be or not\nto be\n", "no rows of numbers"},
        {"two points", "-0.5,1\n-0.4,2\n", "only 2 points"},
        {"NaN", "E,I\n-0.5,-1e-6\n-0.45,nan\n-0.4,1e-6\n",
            "line 3: the current 'nan' is not a finite number"},
        {"infinity", "E,I\n-0.5,-1e-6\n-0.45,1e-6\ninf,1e-6\n",
            "line 4: the potential 'inf' is not a finite number"},
        {"too large for a double", "E,I\n-0.5,-1e-6\n-0.45,1e999\n-0.4,1\n", "line 3: the current"},
        {"text in the rows", "E,I\n-0.5,-1e-6\n-0.45,abc\n",
            "line 3: the current 'abc' is not a number"},
        {"a short row", "E,I,t\n-0.5,-1e-6,1\n-0.45\n", "line 3: 1 column where the curve needs 3"},
        {"a line too long", tooLong, "line 1: longer than 65536 characters"},
        {"too many columns", manyColumns + "\n", "line 1: more than 1024 columns"},
        {"Gamry without a curve", "EXPLAIN\nTAG\tCORPOT\nAREA\tQUANT\t1\tArea\n", "no CURVE TABLE"},
        {"Gamry without Im", "EXPLAIN\nCURVE\tTABLE\t3\n\tPt\tVf\n\t#\tV\n\t0\t-0.5\n",
            "line 3: the CURVE TABLE has no Vf or no Im"},
        {"Gamry with an unknown unit",
            "EXPLAIN\nCURVE\tTABLE\t3\n\tPt\tVf\tIm\n\t#\tV\tohm\n\t0\t-0.5\t1\n",
            "line 4: a unit of the CURVE TABLE"},
        {"Gamry with an empty table", "EXPLAIN\nCURVE\tTABLE\t3\n\tPt\tVf\tIm\n\t#\tV\tA\n",
            "no rows of numbers"},
        {"EC-Lab with a bad count", "EC-Lab ASCII FILE\nNb header lines : many\n",
            "line 2: 'Nb header lines' is not a line count"},
        {"EC-Lab count past the end",
            "EC-Lab ASCII FILE\nNb header lines : 90\nEwe/V\tI/mA\n-0.5\t1\n",
            "no rows of numbers"},
        {"EC-Lab with text after the header",
            "EC-Lab ASCII FILE\nNb header lines : 3\nEwe/V\tI/mA\nabc\tdef\n",
            "line 4: the first row after the header"},
        {"NOVA header without a current", "WE(1).Potential (V);Time (s)\n-0.5;1\n-0.4;2\n-0.3;3\n",
            "line 1: no current column"},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        const CurveRead read = ReadCurveBytes(row.text);
        EXPECT_FALSE(read.curve);
        EXPECT_NE(read.error.find(row.error), std::string::npos) << read.error;
        EXPECT_EQ(read.error.find('\n'), std::string::npos);
    }
}

// A hostile file costs no more than a small multiple of its size: a file of line
// breaks reserves nothing near 24 bytes a line.
TEST(PolarizationReaders, ManyShortLinesStayWithinTheFileSize)
{
    std::string text = "E,I\n";
    for (int k = 0; k < 100000; ++k)
        text += "1,2\n";
    const CurveRead read = ReadCurveBytes(text);
    ASSERT_TRUE(read.curve) << read.error;
    const std::size_t bytes
        = (read.curve->potential.capacity() + read.curve->current.capacity()) * sizeof(double);
    EXPECT_LE(bytes, 6 * text.size());
}

struct SplitRow
{
    const char* name;
    std::vector<double> potential;
    std::size_t forward;
    std::size_t reverse;
};

TEST(PolarizationReaders, CyclicScansSplitAtTheApex)
{
    const SplitRow rows[] = {
        {"up and back", {-0.5, -0.4, -0.3, -0.2, -0.3, -0.4}, 4, 3},
        {"down and back", {-0.2, -0.3, -0.4, -0.3}, 3, 2},
        {"one way", {-0.5, -0.4, -0.3, -0.2}, 4, 0},
        {"one way with a noisy last point", {-0.5, -0.4, -0.3, -0.2, -0.2001}, 5, 0},
    };
    for (const SplitRow& row : rows) {
        SCOPED_TRACE(row.name);
        PolarizationCurve curve;
        curve.potential = row.potential;
        curve.current.assign(row.potential.size(), 2e-6);
        const SplitCurve split = SplitAtApex(curve, 2);
        EXPECT_EQ(split.forward.potential.size(), row.forward);
        EXPECT_EQ(split.reverse.potential.size(), row.reverse);
        EXPECT_DOUBLE_EQ(split.forward.density.front(), 1e-6); // per cm^2
        if (row.reverse > 0) {
            EXPECT_EQ(split.reverse.potential.front(), split.forward.potential.back());
        }
    }
    // A file of current densities is not divided again.
    PolarizationCurve densities;
    densities.potential = {-0.5, -0.4, -0.3};
    densities.current = {-1e-6, 1e-6, 2e-6};
    densities.currentIsDensity = true;
    EXPECT_DOUBLE_EQ(SplitAtApex(densities, 2).forward.density[2], 2e-6);
}

} // namespace
} // namespace corrolab

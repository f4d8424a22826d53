#include "app/ui/window_modules.h"
#include "polarization/ui/polarization_module.h"
#include "polarization/ui/polarization_window.h"
#include "tests/support/in_process_command_line.h"
#include "tests/support/polarization_curves.h"
#include "tests/temp_folder.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <fstream>

namespace corrolab {
namespace {

class PolarizationWindowTest : public WindowTest
{
protected:
    TempFolder folder_;

    std::filesystem::path Write(const std::string& name, const std::string& text)
    {
        const auto path = folder_.path() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path Dta()
    {
        testing::SyntheticCurve synthetic;
        synthetic.area = 2;
        return Write("scan.DTA",
            testing::GamryText(testing::MakeActivationCurve(synthetic), 2, 7.87, 27.92));
    }
    PolarizationWindow& Open()
    {
        for (QAction* action : form->menu.mnuFile->actions())
            if (action->text().remove(QChar('&'))
                == QString::fromUtf8("Polarization Curve\xE2\x80\xA6"))
                action->trigger();
        auto* window = qobject_cast<PolarizationWindow*>(form->polarization());
        EXPECT_NE(window, nullptr);
        return *window;
    }
    static std::string Cell(const PolarizationWindow& window, const std::string& label)
    {
        for (int row = 0; row < window.results->rowCount(); ++row)
            if (window.results->item(row, 0)->text().toStdString() == label)
                return window.results->item(row, 1)->text().toStdString();
        return {};
    }
};

// Without its module (the program's folder holds none) the menu item says why,
// and opens the window once the module is there.
TEST_F(PolarizationWindowTest, AMissingModuleIsToldAndTheMenuWorksOnceItIsThere)
{
    ProvideModuleEntry("corrolab_polarization_window", nullptr);
    form->menu.mnuPC->trigger();
    EXPECT_EQ(form->polarization(), nullptr);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].icon, Platform::Icon::Warning);
    EXPECT_TRUE(platform.dialogs[0].text.starts_with("The polarization window cannot be opened: "
                                                     "corrolab-polarization.so is neither in "
                                                     "/nonexistent-corrolab-folder nor in "))
        << platform.dialogs[0].text;
    ProvideModuleEntry(
        "corrolab_polarization_window", reinterpret_cast<void*>(&corrolab_polarization_window));
    EXPECT_TRUE(Open().isVisible());
    EXPECT_EQ(platform.dialogs.size(), 1u);
}

TEST_F(PolarizationWindowTest, FileMenuOpensTheWindowAndAFileShowsItsFigures)
{
    PolarizationWindow& window = Open();
    EXPECT_TRUE(window.isVisible());
    platform.chosenFiles.push_back(Dta());
    window.openButton->click();
    ASSERT_TRUE(window.report()) << window.error();
    EXPECT_NEAR(window.report()->result.icorr.value, 10e-6, 0.3e-6);
    EXPECT_EQ(Cell(window, "Ecorr").substr(0, 5), "-0.45");
    EXPECT_EQ(
        Cell(window, "material"), "the file's EW and density: EW 27.92 g, density 7.87 g/cm^3");
    EXPECT_EQ(Cell(window, "corrosion rate").substr(0, 4), "0.11");
    // The rate follows the unit.
    window.unit->setCurrentText("mpy");
    EXPECT_TRUE(Cell(window, "corrosion rate").ends_with(" mpy"));
    // Copy gives the table as tab-separated lines.
    window.copyButton->click();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find("icorr\t"), std::string::npos);
    EXPECT_NE(copied.find("beta a\t"), std::string::npos);
}

TEST_F(PolarizationWindowTest, DraggingAcrossThePlotSetsTheFitWindow)
{
    PolarizationWindow& window = Open();
    window.resize(1000, 560);
    ASSERT_TRUE(window.OpenFile(Dta()));
    QApplication::processEvents();
    const int before = window.report()->result.points;
    // Drag over the middle fifth of the plot, which holds about a fifth of the points.
    QWidget* viewport = window.chartView->viewport();
    const int y = viewport->height() / 2;
    const int width = viewport->width();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(width * 2 / 5, y));
    QTest::mouseMove(viewport, QPoint(width / 2, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(width * 3 / 5, y));
    ASSERT_TRUE(window.report()) << window.error();
    const PotentialWindow fit = window.report()->result.window;
    EXPECT_LT(fit.low, 0);
    EXPECT_GT(fit.high, 0);
    EXPECT_LT(window.report()->result.points, before);
    EXPECT_GT(window.report()->result.points, 10);
    // A method change starts again from the default window.
    window.method->setCurrentText("tafel");
    ASSERT_TRUE(window.report());
    EXPECT_TRUE(window.report()->result.anodicLine && window.report()->result.cathodicLine);
}

TEST_F(PolarizationWindowTest, SavesThePlotAndTheFigures)
{
    PolarizationWindow& window = Open();
    ASSERT_TRUE(window.OpenFile(Dta()));
    const struct
    {
        const char* name;
        QPushButton* button;
        const char* start;
    } rows[] = {
        {"plot.png", window.savePlotButton, "\x89PNG"},
        {"plot.svg", window.savePlotButton, "<?xml"},
        {"figures.csv", window.saveResultsButton, "figure,value\nmethod,butler-volmer\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.saveAnswer = folder_.path() / row.name;
        row.button->click();
        std::ifstream in(folder_.path() / row.name, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_TRUE(text.starts_with(row.start)) << text.substr(0, 40);
    }
    EXPECT_EQ(platform.Count("Tell"), 0u);
    // A link is not followed.
    const auto target = Write("target.csv", "keep");
    std::filesystem::create_symlink(target, folder_.path() / "link.csv");
    EXPECT_FALSE(window.SaveResults(folder_.path() / "link.csv"));
    std::ifstream kept(target);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), {}), "keep");
}

TEST_F(PolarizationWindowTest, FilesWithoutACurveAreToldInOneLine)
{
    PolarizationWindow& window = Open();
    const struct
    {
        const char* name;
        std::string text;
        const char* error;
    } rows[] = {
        {"empty.csv", "", "empty.csv: the file is empty"},
        {"words.txt", "no\ncurve\n", "words.txt: the file holds no curve"},
        {"nosign.csv", "-0.5,1e-6\n-0.4,2e-6\n-0.3,3e-6\n",
            "nosign.csv: the current never changes sign"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.chosenFiles.push_back(Write(row.name, row.text));
        const std::size_t told = platform.Count("Tell");
        window.openButton->click();
        EXPECT_FALSE(window.report());
        EXPECT_EQ(platform.Count("Tell"), told + 1);
        EXPECT_NE(platform.dialogs.back().text.find(row.error), std::string::npos)
            << platform.dialogs.back().text;
        EXPECT_EQ(window.results->rowCount(), 0);
    }
}

TEST_F(PolarizationWindowTest, DroppingAFileOpensIt)
{
    PolarizationWindow& window = Open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Dta().string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    ASSERT_TRUE(window.report()) << window.error();
    EXPECT_NE(window.status->text().toStdString().find("scan.DTA (Gamry DTA)"), std::string::npos);
}

// Each material the window can be given converts icorr as the command line
// does for the same file, and the window says which material it is.
TEST_F(PolarizationWindowTest, TheChosenMaterialGivesTheCommandLinesRate)
{
    PolarizationWindow& window = Open();
    const auto dta = Dta();
    ASSERT_TRUE(window.OpenFile(dta));
    window.unit->setCurrentText("mpy");
    const struct
    {
        int source;
        const char* name;
        int method; // 0 classic, 1 ASTM G102
        std::vector<std::string> options;
        const char* said; // how the material line begins
    } rows[] = {
        {0, "", 0, {}, "the file's EW and density: EW 27.92 g"},
        {1, "", 0, {"--metal", "Fe"}, "Iron (main window): EW 27.92 g"},
        {2, "Stainless steel Type 316L", 0, {"--alloy", "Stainless steel Type 316L"},
            "Stainless steel Type 316L: EW 26.396"},
        {2, "Stainless steel Type 316L", 1,
            {"--alloy", "Stainless steel Type 316L", "--ew", "g102"},
            "Stainless steel Type 316L (G102): EW 25.504"},
        {2, "Cu", 1, {"--metal", "Cu", "--ew", "g102"}, "Cu (G102): EW 31.77 g"},
        {2, "70Cu 30Zn", 0, {"--composition", "70Cu 30Zn"}, "70Cu 30Zn: EW"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window.materialSource->setCurrentIndex(row.source);
        window.materialName->setCurrentText(row.name);
        window.equivalentWeightMethod->setCurrentIndex(row.method);
        EXPECT_EQ(window.materialName->isEnabled(), row.source == 2);
        EXPECT_TRUE(Cell(window, "material").starts_with(row.said)) << Cell(window, "material");
        std::vector<std::string> args {"polarization", dta.string(), "--unit", "mpy"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const ProcessResult line = RunCommandLineInProcess(args, "", "/nonexistent");
        ASSERT_EQ(line.status, 0) << line.err;
        EXPECT_NE(line.out.find("corrosion rate: " + Cell(window, "corrosion rate") + "\n"),
            std::string::npos)
            << line.out;
    }
    // A name that is no material keeps the figures, gives no rate and says why.
    window.materialName->setCurrentText("Unobtainium");
    EXPECT_FALSE(Cell(window, "icorr").empty());
    EXPECT_EQ(Cell(window, "corrosion rate"), "none");
    EXPECT_EQ(window.status->text().toStdString(),
        "No rate: the material 'Unobtainium' cannot be calculated (total not 100, zero "
        "density).");
    // A file without its own material offers only the others.
    const CurveBranch curve = testing::MakeActivationCurve({});
    std::string csv = "potential (V),current (A)\n";
    for (std::size_t k = 0; k < curve.potential.size(); ++k)
        csv += testing::Number(curve.potential[k]) + "," + testing::Number(curve.density[k]) + "\n";
    ASSERT_TRUE(window.OpenFile(Write("scan.csv", csv)));
    EXPECT_EQ(window.materialSource->currentIndex(), 2);
    window.materialSource->setCurrentIndex(0);
    window.OpenFile(Write("again.csv", csv));
    EXPECT_EQ(window.materialSource->currentIndex(), 1);
    EXPECT_TRUE(Cell(window, "material").starts_with("Iron (main window)"))
        << Cell(window, "material");
}

} // namespace
} // namespace corrolab

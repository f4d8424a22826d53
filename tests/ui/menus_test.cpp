#include "temp_folder.h"
#include "tests/support/process_result.h"
#include "window_fixture.h"

#include "alloys/ui/alloy_browser.h"
#include "app/program_info.h"
#include "app/ui/program_identity.h"
#include "base/ui/program_settings.h"
#include "menus/ui/calculator_window.h"
#include "menus/ui/guide_viewer.h"
#include "menus/ui/settings_dialog.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/hand_back_setting.h"
#include "tools/ui/periodic_table_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <QWindow>
#include <unistd.h>

namespace corrolab {
namespace {

class Menus : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.folder = folder.path();
    }
    TempFolder folder;
};

TEST_F(Menus, AlwaysOnTopTogglesWithACheckMark)
{
    form->menu.mnuAT->trigger();
    EXPECT_TRUE(form->menu.mnuAT->isChecked());
    form->menu.mnuAT->trigger();
    EXPECT_FALSE(form->menu.mnuAT->isChecked());
    EXPECT_EQ(platform.topmostCalls, (std::vector<bool> {true, false}));
}

TEST_F(Menus, EditItemsOpenTheProgramFilesInTheEditor)
{
    const auto rates = folder.Write("currency.txt", "x");
    const auto units = folder.Write("units.txt", "x");
    form->menu.mnuCurr->trigger();
    form->menu.mnuUnitsList->trigger();
    EXPECT_EQ(platform.editedFiles, (std::vector<std::filesystem::path> {rates, units}));
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(Menus, AMissingFileIsReportedNotIgnored)
{
    form->menu.mnuUnitsList->trigger();
    EXPECT_TRUE(platform.editedFiles.empty());
    ASSERT_EQ(platform.Count("Tell"), 1u);
    EXPECT_NE(platform.dialogs[0].text.find("units.txt"), std::string::npos);
    folder.Write("units.txt", "x");
    platform.editorStarts = false;
    form->menu.mnuUnitsList->trigger();
    EXPECT_EQ(platform.Count("Tell"), 2u);
}

TEST_F(Menus, HelpAsksFirst)
{
    const auto help = folder.Write("help.txt", "x");
    form->menu.mnuHelp->trigger();
    ASSERT_EQ(platform.Count("YesNo"), 1u);
    EXPECT_EQ(platform.dialogs[0].text, "Would you like to view the HELP.TXT file");
    EXPECT_TRUE(platform.editedFiles.empty());
    platform.answers = {true};
    form->menu.mnuHelp->trigger();
    EXPECT_EQ(platform.editedFiles, (std::vector<std::filesystem::path> {help}));
}

TEST_F(Menus, WithoutAnEditorHelpShowsTheGuideInItsOwnViewer)
{
    const auto help = folder.Write("help.txt", "CORROLAB - USER GUIDE\n\n  1. Starting\n");
    platform.editorStarts = false;
    platform.answers = {true};
    form->menu.mnuHelp->trigger();
    EXPECT_EQ(platform.editedFiles, (std::vector<std::filesystem::path> {help}));
    EXPECT_EQ(platform.Count("Tell"), 0u) << "no error when the guide could be shown";
    GuideViewer* viewer = form->guideViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->text->isReadOnly());
    EXPECT_EQ(viewer->text->toPlainText(), "CORROLAB - USER GUIDE\n\n  1. Starting\n");
    // Asked again, the one viewer shows the file as it is now.
    folder.Write("help.txt", "changed");
    viewer->hide();
    platform.answers = {true};
    form->menu.mnuHelp->trigger();
    EXPECT_EQ(form->guideViewer(), viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->text->toPlainText(), "changed");
    // The other files are for editing: without an editor that is an error.
    folder.Write("units.txt", "x");
    form->menu.mnuUnitsList->trigger();
    EXPECT_EQ(platform.Count("Tell"), 1u);
}

TEST_F(Menus, AboutNamesVersionLicenceAndTheDataFiles)
{
    const auto help = folder.Write("help.txt", "x");
    form->menu.mnuAbout->trigger();
    ASSERT_EQ(platform.Count("Tell"), 1u);
    const std::string& text = platform.dialogs[0].text;
    for (const std::string& part : {"Corrolab " + std::string(ProgramVersion()),
             std::string("GPL-3.0-or-later"), "help.txt: " + help.string() + " (program folder)",
             std::string("Currency.txt: not found"), platform.userFolder.string()})
        EXPECT_NE(text.find(part), std::string::npos) << "lacks: " << part << "\n" << text;
    EXPECT_EQ(platform.dialogs[0].icon, Platform::Icon::Information);
}

TEST_F(Menus, WindowsCarryTheProgramIcon)
{
    // The icon is the drawing built into the program, installed or not.
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    // Drawn at build time for each size the window system asks for.
    for (const int size : {16, 32, 48, 64}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(size, size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 0) << size; // not an empty picture
    }
    SetUpProgramIdentity();
    EXPECT_EQ(QApplication::applicationName(), kProgramName);
    form->menu.mnuPT->trigger();
    for (QWidget* window : std::initializer_list<QWidget*> {form.get(), form->periodicTable()}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->windowIcon().isNull());
        EXPECT_EQ(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }
}

TEST_F(Menus, HelpWithoutTheHelpFileSaysSo)
{
    platform.answers = {true};
    form->menu.mnuHelp->trigger();
    EXPECT_TRUE(platform.editedFiles.empty());
    ASSERT_EQ(platform.Count("Tell"), 1u);
    EXPECT_NE(platform.dialogs.back().text.find("help.txt"), std::string::npos);
    EXPECT_EQ(platform.dialogs.back().icon, Platform::Icon::Warning);
    // The window goes on working.
    Convert("1", "micro_amp/cm^2", "mpy");
    EXPECT_EQ(Result(), " .4573");
}

TEST_F(Menus, WindowSwitching)
{
    form->menu.mnuAC->trigger();
    ASSERT_NE(form->alloyBrowser(), nullptr);
    EXPECT_TRUE(form->alloyBrowser()->isVisible());
    EXPECT_EQ(form->tools(), nullptr); // made only when a window asks for it
    form->Command6->click(); // "Material ..." still opens the tools window
    ASSERT_NE(form->tools(), nullptr);
    EXPECT_TRUE(form->tools()->isVisible());
    form->menu.mnuCW->trigger();
    EXPECT_FALSE(form->tools()->isVisible());
    EXPECT_FALSE(form->alloyBrowser()->isVisible());
    form->menu.mnuPT->trigger();
    ASSERT_NE(form->periodicTable(), nullptr);
    EXPECT_TRUE(form->periodicTable()->isVisible());
    EXPECT_FALSE(form->tools()->isVisible());
    EXPECT_EQ(form->Label2[3]->text(), "Iron");
    form->menu.mnuCW->trigger();
    EXPECT_FALSE(form->periodicTable()->isVisible());
    form->menu.mnuUC->trigger();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Menus, ExpressionCalculatorEvaluates)
{
    form->menu.mnuEC->trigger();
    auto* calculator = qobject_cast<CalculatorWindow*>(form->calculator());
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    calculator->Text1->setText("2*(3+4)^2");
    calculator->Command1->click();
    EXPECT_EQ(calculator->Label1->text(), "= 98");
    calculator->Text1->setText("2*(3+");
    emit calculator->Text1->returnPressed();
    EXPECT_FALSE(calculator->Label1->text().startsWith("="));
    calculator->Text1->setText("1e300*1e300");
    calculator->Command1->click();
    EXPECT_EQ(calculator->Label1->text(), "The result is not a finite number.");
}

TEST_F(Menus, SettingsShowWhatTheProgramOffers)
{
    folder.Write("Currency.txt", "x");
    form->menu.mnuSettings->trigger();
    auto* settings = form->findChild<SettingsDialog*>();
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(settings->isModal());
    EXPECT_TRUE(settings->Label1->text().contains("Currency.txt"));
    EXPECT_TRUE(settings->Label1->text().contains("Settings file: " + SettingsFilePath()));
    settings->Check1->click();
    EXPECT_TRUE(form->alwaysOnTop());
    EXPECT_EQ(platform.topmostCalls, (std::vector<bool> {true}));
    EXPECT_TRUE(form->menu.mnuAT->isChecked());
    settings->hide();
}

// The menu item and the settings dialog's check box drive one state: after
// each step both show it, and the platform was asked once per change.
TEST_F(Menus, AlwaysOnTopAgreesInMenuAndSettings)
{
    form->menu.mnuSettings->trigger();
    auto* settings = form->findChild<SettingsDialog*>();
    ASSERT_NE(settings, nullptr);
    struct Step
    {
        const char* action;
        bool on;
    };
    const Step steps[] = {
        {"menu", true}, {"settings", false}, {"settings", true}, {"menu", false}, {"menu", true}};
    std::vector<bool> expectedCalls;
    for (const Step& step : steps) {
        if (std::string(step.action) == "menu")
            form->menu.mnuAT->trigger();
        else
            settings->Check1->click();
        expectedCalls.push_back(step.on);
        EXPECT_EQ(form->alwaysOnTop(), step.on) << step.action;
        EXPECT_EQ(form->menu.mnuAT->isChecked(), step.on) << step.action;
        EXPECT_EQ(settings->Check1->isChecked(), step.on) << step.action;
        EXPECT_EQ(platform.topmostCalls, expectedCalls) << step.action;
    }
    settings->hide();
}

// Unticking Always on Top in the settings gives the main window a new native
// window; the settings stay tied to it and in front, where the user left them.
TEST_F(Menus, SettingsStayInFrontWhenAlwaysOnTopChanges)
{
    platform.applyTopmost = true;
    form->show();
    form->menu.mnuSettings->trigger();
    auto* settings = form->findChild<SettingsDialog*>();
    ASSERT_NE(settings, nullptr);
    for (const bool on : {true, false}) {
        settings->Check1->click();
        EXPECT_EQ(form->alwaysOnTop(), on);
        EXPECT_TRUE(settings->isVisible()) << on;
        ASSERT_NE(settings->windowHandle(), nullptr);
        EXPECT_EQ(settings->windowHandle()->transientParent(), form->windowHandle()) << on;
        EXPECT_EQ(QApplication::topLevelAt(settings->geometry().center()), settings) << on;
    }
    settings->hide();
}

TEST_F(Menus, ExitClosesTheProgram)
{
    form->Command6->click();
    form->menu.mnuPT->trigger();
    form->menu.mnuAC->trigger();
    form->menu.mnuExit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->tools()->isVisible());
    EXPECT_FALSE(form->periodicTable()->isVisible());
    EXPECT_FALSE(form->alloyBrowser()->isVisible());
}

} // namespace
} // namespace corrolab

namespace corrolab {
namespace {

namespace fs = std::filesystem;

// The data files as an installed program meets them: a user folder that does not
// exist yet, the program folder, and an installed share/corrolab.
class DataFilesInTheWindows : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.userFolder = root.path() / "home" / "corrolab";
        platform.folder = root.path() / "bin";
        fs::create_directories(platform.folder);
        fs::create_directories(Installed());
        platform.sharedFolders = {{Installed(), DataFolderKind::Installed}};
    }
    fs::path Installed() const { return root.path() / "share" / "corrolab"; }
    static std::string Content(const fs::path& file) { return Slurp(file); }
    static void MakeReadOnly(const fs::path& file)
    {
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    }
    TempFolder root;
};

TEST_F(DataFilesInTheWindows, RatesThatCannotBeChangedAreCopiedOnceThenEdited)
{
    const struct
    {
        const char* row;
        bool inProgramFolder; // else installed
        bool readOnly;
    } cases[] = {
        {"read-only in the program folder", true, true},
        {"installed, read-only", false, true},
        {"installed, writable (as root)", false, false},
    };
    for (const auto& c : cases) {
        fs::remove_all(platform.userFolder);
        fs::remove(platform.folder / "Currency.txt");
        fs::remove(Installed() / "Currency.txt");
        platform.dialogs.clear();
        platform.editedFiles.clear();
        const fs::path original
            = (c.inProgramFolder ? platform.folder : Installed()) / "Currency.txt";
        std::ofstream(original) << "a,b,c,d,e,f\nEuro,1\n";
        if (c.readOnly)
            MakeReadOnly(original);
        const fs::path copy = platform.userFolder / "Currency.txt";

        form->menu.mnuCurr->trigger();
        EXPECT_EQ(platform.editedFiles, (std::vector<fs::path> {copy})) << c.row;
        ASSERT_EQ(platform.Count("Tell"), 1u) << c.row;
        EXPECT_EQ(platform.dialogs[0].icon, Platform::Icon::Information) << c.row;
        EXPECT_NE(platform.dialogs[0].text.find(original.string()), std::string::npos) << c.row;
        EXPECT_NE(platform.dialogs[0].text.find(copy.string()), std::string::npos) << c.row;
        EXPECT_EQ(Content(copy), "a,b,c,d,e,f\nEuro,1\n") << c.row;
        EXPECT_TRUE(platform.IsWritable(copy)) << c.row;
        EXPECT_EQ(platform.IsWritable(original), !c.readOnly) << c.row;

        // Said once: the copy is now the file in use and is edited as it is.
        form->menu.mnuCurr->trigger();
        EXPECT_EQ(platform.editedFiles, (std::vector<fs::path> {copy, copy})) << c.row;
        EXPECT_EQ(platform.Count("Tell"), 1u) << c.row;
        EXPECT_EQ(Content(original), "a,b,c,d,e,f\nEuro,1\n") << c.row;
    }
}

TEST_F(DataFilesInTheWindows, TheWindowsUseTheFirstFileFound)
{
    std::ofstream(Installed() / "Currency.txt") << "a,b,c,d,e,Installed\nEuro,1\nMark,2\n";
    Choose(form->Combo5, "Currencies");
    EXPECT_EQ(Items(form->List2), (std::vector<std::string> {"Euro", "Mark"}));
    EXPECT_EQ(form->Label1->text(), "Installed");

    std::ofstream(platform.folder / "currency.txt") << "a,b,c,d,e,Program\nEuro,1\n";
    Choose(form->Combo5, "Currencies");
    EXPECT_EQ(Items(form->List2), (std::vector<std::string> {"Euro"}));
    EXPECT_EQ(form->Label1->text(), "Program");

    fs::create_directories(platform.userFolder);
    std::ofstream(platform.userFolder / "Currency.txt") << "a,b,c,d,e,Mine\nYen,150\n";
    Choose(form->Combo5, "Currencies");
    EXPECT_EQ(Items(form->List2), (std::vector<std::string> {"Yen"}));
    EXPECT_EQ(form->Label1->text(), "Mine");
}

TEST_F(DataFilesInTheWindows, HelpAndUnitListAreFoundWhereInstalledAndOpenedAsTheyAre)
{
    std::ofstream(Installed() / "help.txt") << "x";
    std::ofstream(Installed() / "units.txt") << "x";
    MakeReadOnly(Installed() / "help.txt");
    platform.answers = {true};
    form->menu.mnuHelp->trigger();
    form->menu.mnuUnitsList->trigger();
    EXPECT_EQ(platform.editedFiles,
        (std::vector<fs::path> {Installed() / "help.txt", Installed() / "units.txt"}));
    EXPECT_FALSE(fs::exists(platform.userFolder));
}

TEST_F(DataFilesInTheWindows, TheNewerRatesOfferNamesTheFolderWhereTheRatesAreEdited)
{
    const fs::path file = Installed() / "Currency.txt";
    std::ofstream(file) << "a,b,c,d,e,f\nEuro,1\n";
    platform.fileDates[file] = std::chrono::year_month_day(
        std::chrono::sys_days(platform.today) - std::chrono::days(40));
    platform.answers = {true, false};
    Choose(form->Combo5, "Currencies");
    ASSERT_EQ(platform.Count("OkCancel"), 1u);
    EXPECT_TRUE(platform.dialogs[1].text.ends_with(platform.userFolder.string()))
        << platform.dialogs[1].text;
}

TEST_F(DataFilesInTheWindows, SettingsNameTheFileInUseForEachOfTheThree)
{
    std::ofstream(Installed() / "Currency.txt") << "x";
    std::ofstream(platform.folder / "help.txt") << "x";
    form->menu.mnuSettings->trigger();
    auto* settings = form->findChild<SettingsDialog*>();
    ASSERT_NE(settings, nullptr);
    const std::string text = settings->Label1->text().toStdString();
    settings->hide();
    const std::string expected[] = {
        "Currency.txt: " + (Installed() / "Currency.txt").string() + " (installed)",
        "help.txt: " + (platform.folder / "help.txt").string() + " (program folder)",
        "units.txt: not found",
        platform.userFolder.string() + " (user data folder)",
    };
    for (const std::string& line : expected)
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

} // namespace
} // namespace corrolab

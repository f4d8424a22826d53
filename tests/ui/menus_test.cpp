#include "temp_folder.h"
#include "window_fixture.h"

#include "menus/ui/calculator_window.h"
#include "menus/ui/settings_dialog.h"
#include "tools/ui/eqwt.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
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
    ASSERT_NE(form->tools(), nullptr);
    EXPECT_TRUE(form->tools()->isVisible());
    EXPECT_TRUE(form->tools()->Option2[1]->isChecked());
    EXPECT_TRUE(form->tools()->Combo3->isEnabled());
    form->menu.mnuCW->trigger();
    EXPECT_FALSE(form->tools()->isVisible());
    form->menu.mnuPT->trigger();
    EXPECT_TRUE(form->tools()->isVisible());
    EXPECT_TRUE(form->tools()->Option2[0]->isChecked());
    EXPECT_EQ(form->Label2[3]->text(), "Iron");
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
    EXPECT_TRUE(settings->Label1->text().contains("no configuration file"));
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

TEST_F(Menus, ExitClosesTheProgram)
{
    form->menu.mnuPT->trigger();
    form->menu.mnuExit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->tools()->isVisible());
}

} // namespace
} // namespace corrolab

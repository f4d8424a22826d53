// The main window's menu commands.
#include "app/ui/form2.h"

#include "alloys/ui/alloy_browser.h"
#include "app/program_info.h"
#include "base/ui/window_place.h"
#include "calculators/ui/corrosion_calculators.h"
#include "currency/rates_reader.h"
#include "datafiles/data_folders.h"
#include "datafiles/editable_data_file.h"
#include "menus/ui/calculator_window.h"
#include "menus/ui/guide_viewer.h"
#include "menus/ui/settings_dialog.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_window.h"

#include <QAction>
#include <QApplication>

namespace corrolab {

namespace {
constexpr const char* kTitle = "Corrolab";
}

void Form2::ConnectMenu()
{
    connect(
        menu.mnuUC, &QAction::triggered, this, [this] { SwitchWindow(Target::UnitsConverter); });
    connect(menu.mnuPT, &QAction::triggered, this, [this] { SwitchWindow(Target::PeriodicTable); });
    connect(menu.mnuAC, &QAction::triggered, this, [this] { SwitchWindow(Target::Alloys); });
    connect(menu.mnuEC, &QAction::triggered, this,
        [this] { SwitchWindow(Target::ExpressionCalculator); });
    connect(menu.mnuCC, &QAction::triggered, this,
        [this] { SwitchWindow(Target::CorrosionCalculators); });
    connect(menu.mnuNewCC, &QAction::triggered, this,
        [this] { SwitchWindow(Target::NewCorrosionCalculators); });
    connect(menu.mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(menu.mnuExportPdf, &QAction::triggered, this, [this] { mnuExportPdf_Click(); });
    connect(menu.mnuPC, &QAction::triggered, this, [this] {
        std::string failure;
        QWidget* polarization = EnsurePolarization(failure);
        if (!polarization) {
            platform_.Tell(this, "Polarization Curve",
                "The polarization window cannot be opened: " + failure, Platform::Icon::Warning);
            return;
        }
        polarization->show();
        polarization->raise();
        polarization->activateWindow();
    });
    connect(menu.mnuCW, &QAction::triggered, this, [this] { SwitchWindow(Target::CloseWindow); });
    connect(menu.mnuAT, &QAction::triggered, this, [this] { mnuAT_Click(); });
    connect(menu.mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(menu.mnuSettings, &QAction::triggered, this, [this] { mnuSettings_Click(); });
    connect(menu.mnuCurr, &QAction::triggered, this, [this] { mnuCurr_Click(); });
    connect(menu.mnuUnitsList, &QAction::triggered, this, [this] { mnuUnitsList_Click(); });
    connect(menu.mnuImportRates, &QAction::triggered, this, [this] { mnuImportRates_Click(); });
    connect(menu.mnuUpdateRates, &QAction::triggered, this, [this] { mnuUpdateRates_Click(); });
    connect(menu.mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(menu.mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void Form2::mnuAT_Click()
{
    setAlwaysOnTop(!alwaysOnTop_);
}

void Form2::setAlwaysOnTop(bool on)
{
    alwaysOnTop_ = on;
    platform_.SetTopmost(this, on);
    TieShownWindowsToThisWindow();
    menu.mnuAT->setChecked(on);
    if (auto* settings = findChild<SettingsDialog*>()) {
        settings->Refresh();
        // Changed from the settings: they stay where the user works.
        if (settings->isVisible())
            settings->activateWindow();
    }
}

void Form2::OpenProgramFile(const char* name)
{
    const std::vector<DataFolder> folders = platform_.DataFolders();
    const std::optional<FoundDataFile> found = FindDataFile(folders, name);
    if (!found) {
        std::string text = std::string("The file ") + name + " is in none of the folders:";
        for (const DataFolder& folder : folders)
            text += "\n" + folder.path.string();
        platform_.Tell(this, kTitle, text, Platform::Icon::Warning);
        return;
    }
    std::filesystem::path file = found->file;
    if (name == kRatesFileName) {
        // The rates are the one file the user changes: never over an installed one.
        const EditableFile editable
            = MakeEditable(*found, platform_.IsWritable(file), UserFolderOf(folders));
        if (editable.file.empty()) {
            platform_.Tell(this, kTitle, editable.problem, Platform::Icon::Warning);
            return;
        }
        if (editable.copied)
            platform_.Tell(this, kTitle, CopiedForEditingMessage(file, editable.file),
                Platform::Icon::Information);
        file = editable.file;
    }
    if (platform_.StartTextEditor(file))
        return;
    // The user guide is only read: without an editor it shows in a window of its own.
    if (name == kHelpFileName) {
        if (!guideViewer_)
            guideViewer_ = new GuideViewer(this);
        if (guideViewer_->Load(file)) {
            BringToFront(*guideViewer_);
            return;
        }
    }
    platform_.Tell(this, kTitle, "No text editor could be started for " + file.string() + ".",
        Platform::Icon::Warning);
}

void Form2::mnuCurr_Click()
{
    OpenProgramFile(kRatesFileName.data());
}

void Form2::mnuUnitsList_Click()
{
    OpenProgramFile(kUnitListFileName.data());
}

void Form2::mnuHelp_Click()
{
    if (platform_.AskYesNo(
            this, kTitle, "Would you like to view the HELP.TXT file", Platform::Icon::Information))
        OpenProgramFile(kHelpFileName.data());
}

void Form2::mnuAbout_Click()
{
    platform_.Tell(
        this, "About Corrolab", AboutText(platform_.DataFolders()), Platform::Icon::Information);
}

void Form2::mnuSettings_Click()
{
    auto* settings = findChild<SettingsDialog*>();
    if (!settings)
        settings = new SettingsDialog(this, *this);
    settings->Refresh();
    settings->show();
    settings->raise();
}

void Form2::mnuExit_Click()
{
    close();
}

void Form2::SwitchWindow(Target target)
{
    switch (target) {
    case Target::UnitsConverter:
        show();
        raise();
        activateWindow();
        break;
    case Target::PeriodicTable:
        BringToFront(EnsurePeriodicTable());
        break;
    case Target::Alloys:
        BringToFront(EnsureAlloyBrowser());
        break;
    case Target::ExpressionCalculator:
        if (!calculator_)
            calculator_ = new CalculatorWindow();
        calculator_->show();
        calculator_->raise();
        calculator_->activateWindow();
        break;
    case Target::CorrosionCalculators:
    case Target::NewCorrosionCalculators: {
        // A child window of its own, found again by type: it keeps its pages'
        // state between openings and reads the frame's material each time. A
        // new one opens beside it, to compare two cases side by side.
        auto* calculators = findChild<CorrosionCalculators*>();
        const CorrosionCalculators* first = calculators;
        if (!calculators || target == Target::NewCorrosionCalculators)
            calculators = new CorrosionCalculators(
                platform_, [this] { return CurrentMaterial(); }, this);
        const bool beside = first && calculators != first && first->isVisible();
        if (beside)
            calculators->move(first->frameGeometry().topRight() + QPoint(4, 0));
        calculators->LoadMaterial();
        calculators->show();
        if (beside)
            KeepOnScreen(*calculators);
        calculators->raise();
        calculators->activateWindow();
        break;
    }
    case Target::CloseWindow:
        if (eqWt_)
            eqWt_->hide();
        if (calculator_)
            calculator_->hide();
        for (auto* calculators : findChildren<CorrosionCalculators*>())
            calculators->hide();
        HideBrowsers();
        break;
    }
}

} // namespace corrolab

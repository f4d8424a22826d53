#pragma once

#include "app/conversion.h"
#include "app/platform.h"
#include "base/report.h"
#include "base/unit_table.h"
#include "calculators/rate_units.h"
#include "catalogue/catalogue_conversion.h"
#include "corrosion/material_values.h"
#include "currency/rates_reader.h"
#include "menus/ui/main_menu.h"
#include "menus/ui/settings_dialog.h"

#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace corrolab {

class AlloyBrowser;
class EqWt;
class GuideViewer;
class PeriodicTableWindow;
struct ChosenMaterial;

// The main window: value, "from" and "to" units, the result, the corrosion-rate
// material frame and the menus. Controls and handlers keep the names the program
// has always used, so that handlers read like the behaviour they implement.
// Setting a list or combo selection in code runs its click handler, and pressing
// a button in code runs its click handler, synchronously.
class Form2 : public QMainWindow, public SettingsOwner
{
    Q_OBJECT

public:
    explicit Form2(Platform& platform, QWidget* parent = nullptr);
    ~Form2() override;

    // Controls.
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPlainTextEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text10 = nullptr;
    std::array<QLabel*, 5> Label2 {};
    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo5 = nullptr;
    std::array<QRadioButton*, 2> Option1 {};
    QGroupBox* Frame1 = nullptr;
    std::array<QFrame*, 4> Line1 {};
    MainMenu menu;

    // Handlers.
    void Form_Load();
    void Form_Activate();
    void Option1_Click(int index);
    void List1_Click();
    void List2_Click();
    void List4_Click();
    void Combo5_Click();
    void Combo1_Click();
    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Check1_Click();
    void Text1_KeyPress(int key);

    // Puts the result, without its padding, on the clipboard (Ctrl+C).
    void CopyResult();

    // Takes the material the tools window computed into the frame and recalculates.
    void applyMaterial(const ChosenMaterial& chosen);

    // Shared procedures of the window.
    void LoadCorrosionRateUnits();
    // The material the frame shows, for the corrosion calculators.
    CalculatorMaterial CurrentMaterial() const;
    void LoadCurrencyRates();
    std::string GetResult(const std::string& value, const std::string& from, const std::string& to);

    // Menu commands.
    void mnuAT_Click();
    // Keeps the window above the others, or not; the menu's check mark and an
    // open settings dialog follow.
    void setAlwaysOnTop(bool on) override;
    bool alwaysOnTop() const override { return alwaysOnTop_; }
    void mnuCurr_Click();
    void mnuUnitsList_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuSettings_Click();
    void mnuExit_Click();
    void mnuImportRates_Click();
    void mnuUpdateRates_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    // What File > Print… and Export PDF… put on the page: the conversion (with
    // the frame's material for corrosion rates) or the dictionary's entry, and
    // the Material Properties window's figures when it shows a result.
    Report ConversionReport() const;
    enum class Target {
        UnitsConverter,
        PeriodicTable,
        Alloys,
        ExpressionCalculator,
        CorrosionCalculators,
        NewCorrosionCalculators,
        CloseWindow
    };
    void SwitchWindow(Target target);

    // Selection from code that runs the control's click handler, as in the
    // program's event chains.
    void SetListIndex(QListWidget* list, int index);
    void SetComboIndex(QComboBox* combo, int index);

    // Window-level state.
    UnitTable unitTable;
    RatesState rates;

    Platform& platform() override { return platform_; }
    EqWt* tools() const { return eqWt_; } // null until first opened
    // Creates the tools window on first use; `handBackStart` false keeps the
    // main window's material while the new window loads its iron.
    EqWt& EnsureTools(bool handBackStart = true);
    PeriodicTableWindow* periodicTable() const { return periodicTable_; } // null until opened
    PeriodicTableWindow& EnsurePeriodicTable();
    AlloyBrowser* alloyBrowser() const { return alloyBrowser_; } // null until opened
    AlloyBrowser& EnsureAlloyBrowser();
    // The polarization window, made from its module on first use: null until
    // then, and null with the reason in `failure` when the module cannot be opened.
    QWidget* polarization() const { return polarization_; }
    QWidget* EnsurePolarization(std::string& failure);
    // Its screenshots into `folder`; false (and why, on standard error) when one could not be made.
    bool SavePolarizationScreenshots(const std::string& folder);
    QWidget* calculator() const { return calculator_; }
    // The user guide's own viewer, opened when no text editor could be; null until then.
    GuideViewer* guideViewer() const { return guideViewer_; }
    bool DictionaryMode() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildStrip(QWidget* client);
    void BuildFrame(QWidget* client);
    // Keyboard, focus, fixed size and the mode's controls on the desktop.
    void SetUpDesktop();
    // Opens the tools window beside this one, clear of the result and Calculate.
    void PlaceTools(EqWt& tools);
    // Makes the tools window a tool window of this one again, where it stands;
    // needed after this window's own window was made anew ("Always on Top").
    void TieToolsToThisWindow();
    // After this window got a new native window: every shown window of it.
    void TieShownWindowsToThisWindow();
    void ConnectControls();
    void ConnectMenu();
    void Define();
    void SelectFirstUnitsQuietly();
    void ShowRatesCaption();
    void ShowLabel1(const QString& text);
    void HideBrowsers();
    void ShowStatus(const ConversionOutcome& outcome);
    // The user typed the frame's equivalent weight or density: the ratio follows
    // and the frame names the user's material.
    void FrameEdited();
    // A typed unit name: the result of other units goes until the next Calculate.
    void UnitBoxEdited();
    // Tells an open tools window what the frame now holds.
    void ShowHeldInTools();
    const CatalogueEntry* ListedEntry(const QListWidget* list) const;
    void OpenProgramFile(const char* name);
    bool RenewOldRates(const FoundDataFile& found, const std::vector<DataFolder>& folders);
    void ImportChosenRatesFile(bool reload);
    std::optional<std::string> UpdateRatesNow(bool reload);
    // Imports ECB rates over the rates in use; the reason when not, an empty
    // reason when the user declined to replace newer rates.
    std::optional<std::string> ImportRatesData(std::string_view ecbData, bool reload);
    std::optional<std::string> WriteImportedRates(std::string_view ecbData,
        const RatesFile& current, std::optional<std::chrono::year_month_day> inUseDate,
        const std::filesystem::path& folder, bool reload);
    // A rates file that holds an ECB file saved from the web page is imported in
    // its place, the saved file kept beside it as Currency.txt.bak.
    bool ImportSavedEcbFile(const FoundDataFile& found, const std::vector<DataFolder>& folders);
    void ReloadCurrencies();
    void SetBusyPointer(bool busy);

    Platform& platform_;
    Conversion lastConversion_ = Conversion::Refused({}); // of the last Calculate
    std::string lastValue_; // the value text of the last Calculate
    CorrosionMaterial corrosionMaterial_; // as the frame last read
    std::vector<CatalogueEntry> listedEntries_; // the catalogue rows the unit lists show
    bool alwaysOnTop_ = false;
    bool activated_ = false;
    // Until the window has been shown the first time: its own start-up work
    // shows no busy pointer (there is nothing to point at yet).
    bool startingUp_ = true;
    // While Form_Load and the first activation set the controls up, each change
    // of a list or box would convert again: the conversion waits and runs once,
    // with the controls as they end (DeferredCalculation in form2.cpp).
    int calculationsDeferred_ = 0;
    bool calculationPending_ = false;
    friend class DeferredCalculation;
    EqWt* eqWt_ = nullptr;
    QWidget* calculator_ = nullptr;
    PeriodicTableWindow* periodicTable_ = nullptr;
    AlloyBrowser* alloyBrowser_ = nullptr;
    QWidget* polarization_ = nullptr;

    GuideViewer* guideViewer_ = nullptr;
};

} // namespace corrolab

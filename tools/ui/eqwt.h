#pragma once

#include "alloys/material_figures.h"
#include "app/platform.h"
#include "base/report.h"
#include "tools/chosen_material.h"
#include "tools/component_row.h"
#include "tools/element_table.h"
#include "tools/equivalent_weight.h"
#include "tools/g102_calculation.h"
#include "tools/hand_back_method.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corrolab {

// The "Material Properties" window: a pure metal or an alloy as up to nine
// components, its equivalent weight and density, handed back to the main window
// through materialChosen. Controls and handlers keep the names the program has
// always used; setting a selection or a text in code runs its handler, as a
// user's action would.
class EqWt : public QWidget
{
    Q_OBJECT

public:
    // Rows 0 to 9 exist; at most kGridRows of them are in use.
    static constexpr int kRows = kGridRows + 1;

    // The window is built but not loaded: its owner connects materialChosen and
    // then runs Form_Load, whose first calculation hands iron back.
    explicit EqWt(Platform& platform);

    // Shows the window in the Metal or the Alloy mode.
    void showMetals();
    void showAlloys();

    // Puts an element into the grid without calculating: row 0 in the Metal
    // mode, the first row in use without a symbol (or one more row) in the Alloy
    // mode. The results are emptied until the next calculation hands the new
    // material back; nothing else changes. Returns why the element could not be
    // used, or an empty text.
    std::string useElement(const std::string& symbol);
    // Loads a catalogue alloy in the Alloy mode as picking it in the base-metal
    // and alloy choosers does, hand-back included; false for an unknown alloy.
    bool loadAlloy(const std::string& baseMetal, const std::string& alloy);

    // Mode, count and catalogue.
    std::array<QRadioButton*, 2> Option2 {};
    std::array<QLabel*, 3> Label4 {};
    QComboBox* Combo1 = nullptr; // number of components
    QLabel* Label5 = nullptr;
    QComboBox* Combo3 = nullptr; // base metals
    QComboBox* Combo4 = nullptr; // alloys of the base metal
    // Grid headings (0-5, 7), the total (9) and its caption (10).
    std::array<QLabel*, 11> Label2 {};
    // Grid rows.
    std::array<QLabel*, kRows> sl {};
    std::array<QComboBox*, kRows> Combo2 {}; // symbol
    std::array<QLineEdit*, kRows> Text2 {}; // percentage
    std::array<QLineEdit*, kRows> Text3 {}; // atomic number
    std::array<QLineEdit*, kRows> Text4 {}; // atomic weight
    std::array<QLineEdit*, kRows> Text5 {}; // valence
    std::array<QLineEdit*, kRows> Text1 {}; // name
    std::array<QLineEdit*, kRows> Text7 {}; // density
    // Markers: total (0), valence (1), "Check Inputs !" (2), density (3).
    std::array<QLabel*, 4> Label1 {};
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command1 = nullptr; // Calculate
    QLineEdit* Text6 = nullptr; // equivalent weight
    QLineEdit* Text8 = nullptr; // density
    QLineEdit* Text10 = nullptr; // ratio
    QPushButton* Command3 = nullptr; // hand-back, outside the visible area
    QPushButton* Command2 = nullptr; // hides the window, outside the visible area

    // The ASTM G102 figures beside the classic ones (eqwt_g102.cpp).
    QLabel* LabelG102Valence = nullptr; // column heading
    std::array<QLineEdit*, kRows> TextG102 {}; // each row's G102 valence
    QGroupBox* FrameG102 = nullptr;
    QComboBox* ComboMethod = nullptr; // which figures are handed back
    QLineEdit* TextG102Weight = nullptr;
    QLabel* LabelG102Density = nullptr; // names the density source
    QLineEdit* TextG102Density = nullptr;
    QLineEdit* TextG102Ratio = nullptr;
    QLabel* LabelLeftOut = nullptr; // rows left out of the G102 figures
    QLabel* LabelDifference = nullptr; // the two equivalent weights differ by > 5 %
    QLabel* LabelNotHandedBack = nullptr; // why the last calculation handed nothing back
    QLabel* LabelHeld = nullptr; // what the main window holds
    // Shows what the main window's frame now holds, whoever put it there.
    void ShowHeldMaterial(const ChosenMaterial& held);
    HandBackMethod handBackMethod() const;
    // The material as the window shows it, for a report: the grid, both
    // methods' figures with the density's source, and what is handed back.
    // Empty when no result is shown.
    std::vector<ReportSection> MaterialReport() const;

    // Handlers.
    void Form_Load();
    void Combo1_Click();
    void Option2_Click(int index);
    void Combo2_Click(int row);
    void Text2_Change(int row);
    void Text4_Change(int row);
    void Text5_Change(int row);
    void Text7_Change(int row);
    void Text7_GotFocus(int row);
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Form_QueryUnload();

    // Splits a composition string into the grid and calculates.
    // Fills the grid with a composition and calculates; `catalogueName` names the
    // material in the main window until the grid is edited.
    void LoadComposition(const std::string& composition, const std::string& catalogueName = {});

    // Selection from code that runs the control's click handler.
    void SetComboIndex(QComboBox* combo, int index);

    int components = 1; // rows in use
    const ElementTable& elements() const { return elements_; }

signals:
    // A calculated material for the main window's frame.
    void materialChosen(const corrolab::ChosenMaterial& material);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void NameControls();
    void BuildControls();
    void BuildRow(int row);
    void PlaceRow(int row, int top);
    void ConnectControls();
    void ConnectRow(int row);
    void ShowMarkers(const MaterialCalculation& calculation);
    void BuildG102Controls();
    void ConnectG102Controls();
    // Places the G102 frame and lines under the results frame; their height in twips.
    int PlaceG102Controls(int top);
    void FillG102Valence(int row);
    void ShowG102Line(const MaterialFigures& figures);
    void ClearG102Line();
    // Whether the chosen figures can be handed back; says why not when they cannot.
    bool ChosenFiguresReady(bool classicCalculated);
    std::vector<ComponentTexts> ClassicRows() const;
    std::vector<G102Row> G102Rows() const;
    // The grid as the material calculation reads it.
    MaterialGrid Grid() const;
    bool SymbolListsFilled() const;
    bool Calculate();
    void ClearResults();
    void SetChoosersEnabled(bool enabled);
    void ShowWindow();
    // The material the result boxes show, under the name the mode gives it;
    // empty when they show no calculated result.
    std::optional<ChosenMaterial> ShownMaterial() const;
    std::string MaterialName() const;

    // Set while code fills the grid: its edits calculate nothing, and one
    // calculation follows once the grid is complete.
    bool fillingGrid_ = false;
    // The catalogue alloy the grid holds as loaded; empty once the grid is edited.
    std::string catalogueAlloy_;
    void GridEdited()
    {
        if (!fillingGrid_)
            catalogueAlloy_.clear();
    }
    G102Calculation g102_;
    Platform& platform_;
    ElementTable elements_;
};

} // namespace corrolab

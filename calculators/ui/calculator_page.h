#pragma once

#include "base/checked.h"
#include "calculators/copy_text.h"
#include "calculators/rate_units.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace corrolab {

class ResultTable;
class SeverityBand;

// What the pages share: the material (read from the main window and editable),
// input rows with their messages beside them, the results table, the severity
// bands and "Copy all". A page recalculates on every edit.
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    using MaterialSource = std::function<CalculatorMaterial()>;

    CalculatorPage(const QString& title, MaterialSource source, QWidget* parent = nullptr);

    QLabel* materialName = nullptr;
    QLineEdit* equivalentWeight = nullptr;
    QLineEdit* density = nullptr;
    QPushButton* fromMainWindow = nullptr;
    ResultTable* results = nullptr;
    QPushButton* copyAll = nullptr;
    QLabel* generalError = nullptr; // a message that belongs to no single field

    // Reads the main window's material into the page and recalculates.
    void LoadMaterial();
    virtual void Recalculate() = 0;

    // The page's visible inputs and its results as tab-separated text.
    std::string CopyAllText() const;
    // The page for a report: its inputs (the material first) and its results.
    Report PageReport() const;
    // The message shown beside a field (or below the inputs); empty when none.
    std::string ErrorText(std::string_view field) const;
    QLineEdit* Field(std::string_view key) const;

signals:
    void useRateForLife(double millimetresPerYear);

protected:
    QLineEdit* AddField(
        std::string_view key, const QString& label, const QString& unit, const QString& text = {});
    void AddRow(std::string_view key, const QString& label, QWidget* editor, QWidget* unit);
    QComboBox* AddUnitChooser(const QString& label, const QString& initial);
    SeverityBand* AddBand(SeverityBand* band);
    void AddBelow(QWidget* widget);
    // How the width is shared between the inputs and the results (3 to 2).
    void ShareWidth(int inputs, int results);
    void AddButton(QPushButton* button);
    QPushButton* AddLifeButton();
    void WatchForEdits(QLineEdit* edit);
    void WatchForEdits(QComboBox* combo);
    void ShowField(std::string_view key, bool visible);

    // A field's number, or why it cannot be used (also shown beside it).
    Checked<double> Number(std::string_view key, std::string_view what, bool positive);
    Checked<double> NumberNotNegative(std::string_view key, std::string_view what);
    std::optional<double> OptionalNumber(std::string_view key, std::string_view what);
    Checked<CalculatorMaterial> Material();

    // Clears the messages; then either shows an error (no numbers anywhere) or
    // the results with the rate the bands mark.
    void StartCalculation();
    void ShowError(const InputError& error);
    void ShowResults(const std::vector<CopyRow>& rows, std::optional<double> generalRate,
        std::optional<double> pittingRate = std::nullopt);
    std::string Text(std::string_view key) const;

    QGridLayout* inputs_ = nullptr;

private:
    // The material as it was loaded, with the frame's ratio; the boxes' figures
    // stand for it until the user edits them.
    CalculatorMaterial loaded_;
    struct InputRow
    {
        std::string key;
        QLabel* label;
        QWidget* editor;
        QWidget* unit;
        QLabel* error;
    };
    const InputRow* Find(std::string_view key) const;
    std::vector<CopyRow> InputRows() const;

    MaterialSource source_;
    std::vector<InputRow> rows_;
    std::vector<SeverityBand*> bands_;
    QHBoxLayout* top_ = nullptr;
    QVBoxLayout* right_ = nullptr;
    QVBoxLayout* below_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QString title_;
    std::optional<double> lastRate_;
};

// The ten corrosion-rate units in a chooser.
QComboBox* RateUnitChooser(QWidget* parent, const QString& initial);

} // namespace corrolab

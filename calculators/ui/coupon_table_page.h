#pragma once

#include "calculators/ui/calculator_page.h"

class QPlainTextEdit;
class QTableWidget;

namespace corrolab {

// Several coupons pasted from a spreadsheet: each one's rate, their mean and
// spread, and the inhibitor efficiency against the blank coupons.
class CouponTablePage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit CouponTablePage(MaterialSource source, QWidget* parent = nullptr);

    QPlainTextEdit* paste = nullptr; // name, mass loss (g), area (cm^2), hours, blank
    QPushButton* pasteButton = nullptr;
    QTableWidget* coupons = nullptr; // the rows read, with their rates
    QLabel* rejected = nullptr; // the rows left out and why
    QComboBox* unit = nullptr;
    SeverityBand* generalBand = nullptr;

    void Recalculate() override;
};

} // namespace corrolab

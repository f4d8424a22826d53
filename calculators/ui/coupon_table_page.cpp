#include "calculators/ui/coupon_table_page.h"

#include "calculators/calculator_results.h"
#include "calculators/coupon_table.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"
#include "calculators/ui/severity_band.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace corrolab {

namespace {

constexpr const char* kExample = "Coupon\tMass loss (g)\tArea (cm2)\tHours\tBlank\n"
                                 "A1\t0.650\t28.5\t168\t\n"
                                 "A2\t0.612\t28.4\t168\t\n"
                                 "A3\t0.701\t28.6\t168\t\n"
                                 "B1\t2.480\t28.5\t168\tblank\n";

QTableWidgetItem* Cell(const std::string& text)
{
    return new QTableWidgetItem(QString::fromStdString(text));
}

} // namespace

CouponTablePage::CouponTablePage(MaterialSource source, QWidget* parent)
    : CalculatorPage("Coupon table", std::move(source), parent)
{
    paste = new QPlainTextEdit(kExample, this);
    paste->setPlaceholderText("name<TAB>mass loss (g)<TAB>area (cm2)<TAB>hours<TAB>blank");
    paste->setLineWrapMode(QPlainTextEdit::NoWrap);
    paste->setTabChangesFocus(true);
    paste->setTabStopDistance(fontMetrics().horizontalAdvance("Mass loss (g) "));
    paste->setMinimumHeight(110);
    AddRow("table", "Coupons (tab-separated)", paste, nullptr);
    // The pasted table takes the unit column's room too.
    int row = 0, column = 0, rows = 0, columns = 0;
    inputs_->getItemPosition(inputs_->indexOf(paste), &row, &column, &rows, &columns);
    inputs_->removeWidget(paste);
    inputs_->addWidget(paste, row, 1, 1, 2);
    pasteButton = new QPushButton("Paste", this);
    AddButton(pasteButton);
    unit = AddUnitChooser("Result in", "mm/year");
    connect(paste, &QPlainTextEdit::textChanged, this, [this] { Recalculate(); });
    connect(pasteButton, &QPushButton::clicked, this,
        [this] { paste->setPlainText(QApplication::clipboard()->text()); });

    coupons = new QTableWidget(0, 6, this);
    coupons->setHorizontalHeaderLabels(
        {"Coupon", "Mass loss (g)", "Area (cm2)", "Hours", "Blank", "Rate"});
    coupons->verticalHeader()->hide();
    coupons->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    coupons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    coupons->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    coupons->setMinimumHeight(120);
    AddBelow(coupons);
    rejected = new QLabel(this);
    rejected->setWordWrap(true);
    rejected->setStyleSheet("color: #b00020;");
    AddBelow(rejected);

    generalBand = AddBand(new SeverityBand(Attack::General));
    AddLifeButton();
    LoadMaterial();
}

void CouponTablePage::Recalculate()
{
    if (!unit)
        return;
    StartCalculation();
    const CouponTable table = ParseCouponTable(paste->toPlainText().toStdString());
    QString skipped;
    for (const RejectedRow& row : table.rejected)
        skipped += QString("Line %1 left out: %2.\n")
                       .arg(row.line)
                       .arg(QString::fromStdString(row.reason));
    rejected->setText(skipped.trimmed());

    coupons->setRowCount(static_cast<int>(table.coupons.size()));
    for (int r = 0; r < coupons->rowCount(); ++r) {
        const CouponRow& coupon = table.coupons[static_cast<size_t>(r)];
        coupons->setItem(r, 0, Cell(coupon.name));
        coupons->setItem(r, 1, Cell(ResultNumber(coupon.massLoss)));
        coupons->setItem(r, 2, Cell(ResultNumber(coupon.area)));
        coupons->setItem(r, 3, Cell(ResultNumber(coupon.hours)));
        coupons->setItem(r, 4, Cell(coupon.blank ? "blank" : ""));
        coupons->setItem(r, 5, Cell(""));
    }

    const Checked<CalculatorMaterial> material = Material();
    if (!material)
        return ShowError(material.error());
    const std::string chosen = unit->currentText().toStdString();
    const Checked<CouponTableResult> result = CalculateCouponTable(table, *material, chosen);
    if (!result)
        return ShowError(result.error());
    for (int r = 0; r < coupons->rowCount(); ++r)
        coupons->setItem(
            r, 5, Cell(ResultNumber(result->summary.rates[static_cast<size_t>(r)]) + " " + chosen));
    ShowResults(result->rows, result->mmPerYear);
}

} // namespace corrolab

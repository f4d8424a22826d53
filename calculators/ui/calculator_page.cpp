#include "calculators/ui/calculator_page.h"

#include "calculators/field_number.h"
#include "calculators/ui/result_table.h"
#include "calculators/ui/severity_band.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corrolab {

namespace {

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string ToStd(const QString& text)
{
    return text.toStdString();
}

std::string UnitText(QWidget* unit)
{
    if (auto* label = qobject_cast<QLabel*>(unit))
        return ToStd(label->text());
    if (auto* combo = qobject_cast<QComboBox*>(unit))
        return ToStd(combo->currentText());
    return {};
}

std::string EditorText(QWidget* editor)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        return ToStd(edit->text());
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return ToStd(combo->currentText());
    if (auto* label = qobject_cast<QLabel*>(editor))
        return ToStd(label->text());
    return {};
}

} // namespace

QComboBox* RateUnitChooser(QWidget* parent, const QString& initial)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& name : RateUnitNames())
        combo->addItem(FromStd(name));
    combo->setCurrentIndex(combo->findText(initial));
    return combo;
}

CalculatorPage::CalculatorPage(const QString& title, MaterialSource source, QWidget* parent)
    : QWidget(parent)
    , source_(std::move(source))
    , title_(title)
{
    auto* outer = new QVBoxLayout(this);
    top_ = new QHBoxLayout;
    outer->addLayout(top_, 1);

    auto* inputBox = new QGroupBox("Inputs", this);
    auto* inputColumn = new QVBoxLayout(inputBox);
    inputs_ = new QGridLayout;
    inputColumn->addLayout(inputs_);
    inputColumn->addStretch(1);
    inputs_->setColumnStretch(1, 1);
    inputs_->setColumnStretch(3, 1);
    top_->addWidget(inputBox, 3);

    materialName = new QLabel(this);
    fromMainWindow = new QPushButton("Main window's material", this);
    AddRow("material", "Material", materialName, fromMainWindow);
    equivalentWeight = AddField("ew", "Equivalent weight", "g");
    density = AddField("density", "Density", "g/cm^3");
    connect(fromMainWindow, &QPushButton::clicked, this, [this] { LoadMaterial(); });

    right_ = new QVBoxLayout;
    results = new ResultTable(this);
    right_->addWidget(results, 1);
    generalError = new QLabel(this);
    generalError->setWordWrap(true);
    generalError->setStyleSheet("color: #b00020;");
    right_->addWidget(generalError);
    top_->addLayout(right_, 2);

    below_ = new QVBoxLayout;
    outer->addLayout(below_);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    copyAll = new QPushButton("Copy all", this);
    buttons_->addWidget(copyAll);
    outer->addLayout(buttons_);
    connect(copyAll, &QPushButton::clicked, this,
        [this] { QApplication::clipboard()->setText(FromStd(CopyAllText())); });
}

void CalculatorPage::LoadMaterial()
{
    loaded_ = source_();
    materialName->setText(FromStd(loaded_.name));
    equivalentWeight->setText(FromStd(ResultNumber(loaded_.equivalentWeight)));
    density->setText(FromStd(ResultNumber(loaded_.density)));
    Recalculate();
}

QLineEdit* CalculatorPage::AddField(
    std::string_view key, const QString& label, const QString& unit, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    AddRow(key, label, edit, unit.isEmpty() ? nullptr : new QLabel(unit, this));
    WatchForEdits(edit);
    return edit;
}

void CalculatorPage::AddRow(
    std::string_view key, const QString& label, QWidget* editor, QWidget* unit)
{
    const int row = inputs_->rowCount();
    auto* caption = new QLabel(label, this);
    inputs_->addWidget(caption, row, 0);
    inputs_->addWidget(editor, row, 1);
    if (unit)
        inputs_->addWidget(unit, row, 2);
    auto* error = new QLabel(this);
    error->setStyleSheet("color: #b00020;");
    error->setWordWrap(true);
    inputs_->addWidget(error, row, 3);
    rows_.push_back({std::string(key), caption, editor, unit, error});
}

QComboBox* CalculatorPage::AddUnitChooser(const QString& label, const QString& initial)
{
    QComboBox* combo = RateUnitChooser(this, initial);
    AddRow("unit", label, combo, nullptr);
    WatchForEdits(combo);
    return combo;
}

SeverityBand* CalculatorPage::AddBand(SeverityBand* band)
{
    band->setParent(this);
    bands_.push_back(band);
    right_->addWidget(band);
    return band;
}

void CalculatorPage::AddBelow(QWidget* widget)
{
    below_->addWidget(widget);
}

void CalculatorPage::ShareWidth(int inputs, int results)
{
    top_->setStretch(0, inputs);
    top_->setStretch(1, results);
}

void CalculatorPage::AddButton(QPushButton* button)
{
    buttons_->insertWidget(buttons_->count() - 1, button);
}

QPushButton* CalculatorPage::AddLifeButton()
{
    auto* button = new QPushButton("Remaining life with this rate", this);
    AddButton(button);
    connect(button, &QPushButton::clicked, this, [this] {
        if (lastRate_)
            emit useRateForLife(*lastRate_);
    });
    return button;
}

void CalculatorPage::WatchForEdits(QLineEdit* edit)
{
    connect(edit, &QLineEdit::textChanged, this, [this] { Recalculate(); });
}

void CalculatorPage::WatchForEdits(QComboBox* combo)
{
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { Recalculate(); });
}

void CalculatorPage::ShowField(std::string_view key, bool visible)
{
    if (const InputRow* row = Find(key)) {
        for (QWidget* widget : {static_cast<QWidget*>(row->label), row->editor, row->unit,
                 static_cast<QWidget*>(row->error)})
            if (widget)
                widget->setVisible(visible);
    }
}

const CalculatorPage::InputRow* CalculatorPage::Find(std::string_view key) const
{
    for (const InputRow& row : rows_)
        if (row.key == key)
            return &row;
    return nullptr;
}

QLineEdit* CalculatorPage::Field(std::string_view key) const
{
    const InputRow* row = Find(key);
    return row ? qobject_cast<QLineEdit*>(row->editor) : nullptr;
}

std::string CalculatorPage::Text(std::string_view key) const
{
    const InputRow* row = Find(key);
    return row ? EditorText(row->editor) : std::string();
}

std::string CalculatorPage::ErrorText(std::string_view field) const
{
    const InputRow* row = Find(field);
    if (row && row->error->isVisibleTo(this) && !row->error->text().isEmpty())
        return ToStd(row->error->text());
    return ToStd(generalError->text());
}

Checked<double> CalculatorPage::Number(std::string_view key, std::string_view what, bool positive)
{
    return FieldNumber(Text(key), std::string(key), std::string(what), positive);
}

Checked<double> CalculatorPage::NumberNotNegative(std::string_view key, std::string_view what)
{
    return FieldNumberNotNegative(Text(key), std::string(key), std::string(what));
}

std::optional<double> CalculatorPage::OptionalNumber(std::string_view key, std::string_view what)
{
    if (Text(key).find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    const Checked<double> value = NumberNotNegative(key, what);
    if (!value) {
        ShowError(value.error());
        return std::nullopt;
    }
    return *value;
}

Checked<CalculatorMaterial> CalculatorPage::Material()
{
    const Checked<double> ew = Number("ew", "the equivalent weight", true);
    if (!ew)
        return ew.error();
    const Checked<double> d = Number("density", "the density", true);
    if (!d)
        return d.error();
    // Unedited boxes stand for the loaded material, whose ratio the main window
    // uses; edited ones for a material of exactly the figures typed.
    if (ToStd(equivalentWeight->text()) == ResultNumber(loaded_.equivalentWeight)
        && ToStd(density->text()) == ResultNumber(loaded_.density))
        return loaded_;
    return CalculatorMaterial {ToStd(materialName->text()), *ew, *d};
}

void CalculatorPage::StartCalculation()
{
    for (const InputRow& row : rows_)
        row.error->clear();
    generalError->clear();
}

void CalculatorPage::ShowError(const InputError& error)
{
    const InputRow* row = Find(error.field);
    if (row && row->error->isVisibleTo(this))
        row->error->setText(FromStd(error.message));
    else
        generalError->setText(FromStd(error.message));
    results->SetRows({});
    for (SeverityBand* band : bands_)
        band->SetRate(std::nullopt);
    lastRate_.reset();
}

void CalculatorPage::ShowResults(const std::vector<CopyRow>& rows,
    std::optional<double> generalRate, std::optional<double> pittingRate)
{
    results->SetRows(rows);
    for (SeverityBand* band : bands_)
        band->SetRate(band->attack() == Attack::General ? generalRate : pittingRate);
    lastRate_ = generalRate;
}

std::vector<CopyRow> CalculatorPage::InputRows() const
{
    std::vector<CopyRow> rows;
    for (const InputRow& row : rows_)
        if (row.editor->isVisibleTo(this))
            rows.push_back({ToStd(row.label->text()), EditorText(row.editor), UnitText(row.unit)});
    return rows;
}

Report CalculatorPage::PageReport() const
{
    // The inputs begin with the material the page uses.
    Report report {ToStd(title_), {{"Inputs", InputRows()}}};
    ReportSection shown {"Results", results->Rows()};
    if (!generalError->text().isEmpty())
        shown.rows.push_back({"Error", ToStd(generalError->text()), ""});
    report.sections.push_back(std::move(shown));
    return report;
}

std::string CalculatorPage::CopyAllText() const
{
    std::vector<CopyRow> rows {{ToStd(title_), "", ""}};
    for (const CopyRow& row : InputRows())
        rows.push_back(row);
    for (const CopyRow& row : results->Rows())
        rows.push_back(row);
    if (!generalError->text().isEmpty())
        rows.push_back({"Error", ToStd(generalError->text()), ""});
    return TabSeparated(rows);
}

} // namespace corrolab

#include "tools/ui/periodic_table_window.h"

#include "base/ui/window_place.h"
#include "tools/element_search.h"
#include "tools/element_table.h"
#include "tools/ui/periodic_table_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace corrolab {

namespace {

constexpr const char* kPlaceKey = "PeriodicTable";

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PeriodicTableWindow::PeriodicTableWindow()
    : QWidget(nullptr, Qt::Window)
{
    setWindowTitle("Periodic Table of Elements");
    view = new PeriodicTableView;
    auto* middle = new QHBoxLayout;
    middle->addWidget(view, 1);
    middle->addWidget(BuildPanel());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTop());
    layout->addLayout(middle, 1);

    connect(view, &PeriodicTableView::hovered, this,
        [this](int z) { ShowFacts(z != 0 ? z : view->current()); });
    connect(view, &PeriodicTableView::currentChanged, this, [this](int z) { ShowFacts(z); });
    connect(view, &PeriodicTableView::activated, this, [this] { useCurrentElement(); });
    connect(search, &QLineEdit::textChanged, this, [this](const QString& text) { Search(text); });
    connect(search, &QLineEdit::returnPressed, this, [this] { view->setFocus(); });
    connect(cellField, &QComboBox::currentIndexChanged, this,
        [this] { view->setField(cellField->currentData().toInt()); });
    connect(colouring, &QComboBox::currentIndexChanged, this, [this] { ChooseColouring(); });
    connect(useButton, &QPushButton::clicked, this, [this] { useCurrentElement(); });

    view->setField(cellField->currentData().toInt());
    ShowFacts(view->current());
    setFocusProxy(view);
    RestoreWindowPlace(*this, kPlaceKey, sizeHint().width(), sizeHint().height());
}

QWidget* PeriodicTableWindow::BuildTop()
{
    auto* top = new QWidget;
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    search = new QLineEdit;
    search->setPlaceholderText("Symbol, name or atomic number");
    search->setClearButtonEnabled(true);
    search->setMinimumWidth(search->fontMetrics().averageCharWidth() * 16);
    cellField = new QComboBox;
    const auto fields = RecordFieldList();
    for (int k = 1; k <= kRecordFields; ++k) {
        const RecordField& field = fields[static_cast<size_t>(k - 1)];
        if (!field.numeric || k == ElementTable::kAtomicNumber)
            continue;
        QString caption = Q(field.label);
        if (!field.unit.empty())
            caption += " (" + Q(field.unit) + ")";
        cellField->addItem(caption, k);
    }
    cellField->setCurrentIndex(cellField->findData(int(ElementTable::kAtomicWeight)));
    colouring = new QComboBox;
    colouring->addItems({"Element family", "Heat map"});
    auto* searchLabel = new QLabel("&Search:");
    searchLabel->setBuddy(search);
    auto* fieldLabel = new QLabel("Cells &show:");
    fieldLabel->setBuddy(cellField);
    auto* colourLabel = new QLabel("&Colour by:");
    colourLabel->setBuddy(colouring);
    row->addWidget(searchLabel);
    row->addWidget(search, 1);
    row->addSpacing(12);
    row->addWidget(fieldLabel);
    row->addWidget(cellField);
    row->addSpacing(12);
    row->addWidget(colourLabel);
    row->addWidget(colouring);
    return top;
}

QWidget* PeriodicTableWindow::BuildPanel()
{
    auto* panel = new QGroupBox("Element");
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setVerticalSpacing(2);
    for (size_t k = 0; k < factNames.size(); ++k) {
        factNames[k] = new QLabel(Q(RecordFieldList()[k].label) + ":");
        factValues[k] = new QLabel;
        factValues[k]->setWordWrap(true);
        factValues[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        factValues[k]->setMinimumWidth(factValues[k]->fontMetrics().averageCharWidth() * 18);
        form->addRow(factNames[k], factValues[k]);
    }
    useButton = new QPushButton("&Use in composition");
    useButton->setToolTip("Put the element into the Material Properties window's grid");
    status = new QLabel;
    status->setWordWrap(true);
    auto* column = new QVBoxLayout(panel);
    column->addLayout(form);
    column->addStretch(1);
    column->addWidget(useButton);
    column->addWidget(status);
    panel->setMaximumWidth(factValues[0]->fontMetrics().averageCharWidth() * 52);
    return panel;
}

void PeriodicTableWindow::ShowFacts(int z)
{
    const std::vector<FactLine> facts = ElementFacts(z);
    if (facts.empty())
        return;
    shown_ = z;
    for (size_t k = 0; k < factValues.size(); ++k)
        factValues[k]->setText(QString::fromStdString(facts[k].value));
    // Only elements 1 to 100 can be picked in the composition grid.
    useButton->setEnabled(view->current() <= ElementTable::kLastElement);
}

void PeriodicTableWindow::Search(const QString& text)
{
    const std::vector<int> found = SearchElements(text.toStdString());
    view->setMatches(found);
    if (!found.empty())
        view->setCurrent(found.front());
    status->setText(!text.trimmed().isEmpty() && found.empty() ? "No element matches." : "");
}

void PeriodicTableWindow::ChooseColouring()
{
    view->setColouring(colouring->currentIndex() == 1 ? PeriodicTableView::Colouring::HeatMap
                                                      : PeriodicTableView::Colouring::Family);
}

void PeriodicTableWindow::useCurrentElement()
{
    const int z = view->current();
    if (z > ElementTable::kLastElement) {
        showUseOutcome("The composition grid offers elements 1 to 100 only.");
        return;
    }
    emit elementUsed(QString::fromStdString(RecordOf(z)[1]));
}

void PeriodicTableWindow::showUseOutcome(const std::string& problem)
{
    if (problem.empty())
        status->setText(QString("%1 is in the Material Properties grid; Calculate hands it "
                                "to the main window.")
                            .arg(QString::fromStdString(RecordOf(view->current())[1])));
    else
        status->setText(QString::fromStdString(problem));
}

void PeriodicTableWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    KeepOnScreen(*this);
}

void PeriodicTableWindow::hideEvent(QHideEvent* event)
{
    RememberWindowPlace(*this, kPlaceKey);
    QWidget::hideEvent(event);
}

} // namespace corrolab

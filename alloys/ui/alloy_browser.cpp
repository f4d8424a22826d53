#include "alloys/ui/alloy_browser.h"

#include "alloys/ui/alloy_filter_model.h"
#include "alloys/ui/alloy_table_model.h"
#include "base/ui/window_place.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace corrolab {

namespace {

constexpr const char* kPlaceKey = "AlloyBrowser";

} // namespace

AlloyBrowser::AlloyBrowser()
    : QWidget(nullptr, Qt::Window)
{
    setWindowTitle("Alloys and Compositions");
    model_ = new AlloyTableModel(CatalogueFigures(), this);
    filter_ = new AlloyFilterModel(this);
    filter_->setSourceModel(model_);
    BuildControls();
    connect(findText, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setText(text);
        ShowCount();
    });
    connect(shares, &QLineEdit::textChanged, this, [this](const QString& text) {
        problem->setText(filter_->setConditions(text));
        problem->setVisible(!problem->text().isEmpty());
        ShowCount();
    });
    connect(table, &QTableView::activated, this,
        [this](const QModelIndex& index) { loadRow(index.row()); });
    connect(
        loadButton, &QPushButton::clicked, this, [this] { loadRow(table->currentIndex().row()); });
    ShowCount();
    // As wide as the columns, but never wider than a 1280-pixel desktop: the
    // table scrolls sideways beyond that.
    const int width = std::min(1200,
        table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width() + 40);
    RestoreWindowPlace(*this, kPlaceKey, width, fontMetrics().height() * 40);
}

void AlloyBrowser::BuildControls()
{
    findText = new QLineEdit;
    findText->setPlaceholderText("Name, base metal or composition");
    findText->setClearButtonEnabled(true);
    shares = new QLineEdit;
    shares->setPlaceholderText(QString::fromUtf8("Mo \xE2\x89\xA5 2, Cr \xE2\x89\xA5 16"));
    shares->setClearButtonEnabled(true);
    shares->setToolTip("Elements the alloy holds, each with its least share in percent");
    problem = new QLabel;
    problem->setStyleSheet("color: #b00020");
    auto* findLabel = new QLabel("&Find:");
    findLabel->setBuddy(findText);
    auto* sharesLabel = new QLabel("&Holds:");
    sharesLabel->setBuddy(shares);
    auto* filters = new QHBoxLayout;
    filters->addWidget(findLabel);
    filters->addWidget(findText, 2);
    filters->addSpacing(12);
    filters->addWidget(sharesLabel);
    filters->addWidget(shares, 1);

    table = new QTableView;
    table->setModel(filter_);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder); // catalogue order until a heading is clicked
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table->resizeColumnsToContents();
    table->setColumnWidth(AlloyTableModel::kName,
        std::min(
            table->columnWidth(AlloyTableModel::kName), fontMetrics().averageCharWidth() * 42));
    table->setColumnWidth(AlloyTableModel::kComposition,
        std::min(table->columnWidth(AlloyTableModel::kComposition),
            fontMetrics().averageCharWidth() * 34));
    table->horizontalHeader()->setStretchLastSection(false);

    count = new QLabel;
    loadButton = new QPushButton("&Load into Material Properties");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count, 1);
    bottom->addWidget(loadButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(problem);
    problem->hide();
    layout->addWidget(table, 1);
    layout->addLayout(bottom);
}

void AlloyBrowser::ShowCount()
{
    count->setText(QString("%1 of %2 alloys").arg(filter_->rowCount()).arg(model_->rowCount()));
    loadButton->setEnabled(filter_->rowCount() > 0);
}

void AlloyBrowser::loadRow(int shownRow)
{
    const QModelIndex source = filter_->mapToSource(filter_->index(shownRow, 0));
    if (!source.isValid())
        return;
    const AlloyFigures& alloy = model_->alloy(source.row());
    emit alloyChosen(QString::fromStdString(alloy.baseMetal), QString::fromStdString(alloy.name));
}

void AlloyBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    KeepOnScreen(*this);
}

void AlloyBrowser::hideEvent(QHideEvent* event)
{
    RememberWindowPlace(*this, kPlaceKey);
    QWidget::hideEvent(event);
}

} // namespace corrolab

#include "calculators/ui/result_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <set>

namespace corrolab {

ResultTable::ResultTable(QWidget* parent)
    : QTableWidget(0, 3, parent)
{
    setHorizontalHeaderLabels({"Result", "Value", "Unit"});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
}

void ResultTable::SetRows(const std::vector<CopyRow>& rows)
{
    rows_ = rows;
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const CopyRow& row = rows[static_cast<size_t>(r)];
        setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.label)));
        auto* value = new QTableWidgetItem(QString::fromStdString(row.value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, 1, value);
        setItem(r, 2, new QTableWidgetItem(QString::fromStdString(row.unit)));
    }
}

std::string ResultTable::Value(const std::string& label) const
{
    for (const CopyRow& row : rows_)
        if (row.label == label)
            return row.value;
    return {};
}

void ResultTable::CopySelection()
{
    std::set<int> selected;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        selected.insert(index.row());
    std::vector<CopyRow> copied;
    for (size_t r = 0; r < rows_.size(); ++r)
        if (selected.empty() || selected.contains(static_cast<int>(r)))
            copied.push_back(rows_[r]);
    QApplication::clipboard()->setText(QString::fromStdString(TabSeparated(copied)));
}

void ResultTable::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace corrolab

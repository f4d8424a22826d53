#pragma once

#include "calculators/copy_text.h"

#include <QTableWidget>
#include <vector>

namespace corrolab {

// The results of a calculator page: quantity, value, unit. Ctrl+C copies the
// selected rows (all rows when none is selected) as tab-separated text.
class ResultTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit ResultTable(QWidget* parent = nullptr);

    void SetRows(const std::vector<CopyRow>& rows);
    const std::vector<CopyRow>& Rows() const { return rows_; }
    // The value shown for a quantity; empty when there is no such row.
    std::string Value(const std::string& label) const;
    void CopySelection();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<CopyRow> rows_;
};

} // namespace corrolab
